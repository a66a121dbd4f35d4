// htprog-cli under hostile conditions: output that cannot be written, an output
// that is an input, FIFOs and devices, endless input, a full disk, two processes
// at one file. Every refused or failed command leaves its files as they were and
// never exits 0.
#include "files/filelock.h"
#include "support/clirun.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/stat.h>

namespace {

// The grid layout's first two columns: rows set a channel by its Rx frequency.
const QByteArray kGridHeader = "CH,Rx Frequency\r\n";

} // namespace

class TestCliFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void unwritableOutput_data();
    void unwritableOutput();
    void outputThatIsAnInput_data();
    void outputThatIsAnInput();
    void notARegularFile_data();
    void notARegularFile();
    void endlessInput_data();
    void endlessInput();
    void inputThroughAPipe();
    void replaceWithoutChannels();
    void fullDisk_data();
    void fullDisk();
    void fileInUse();
    void lockOfAKilledProcess();

private:
    QString path(const char *name) const { return m_dir->filePath(QString::fromLatin1(name)); }
    CliRun cli(const QStringList &args) const { return RunCli(args, m_dir->path()); }
    void checkRadioUnchanged() const { QCOMPARE(ReadFile(path("radio.dat")), m_radio); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_radio;
};

void TestCliFaults::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QCOMPARE(cli({"new", path("radio.dat")}).exitCode, 0);
    QVERIFY(WriteFile(path("one.csv"), kGridHeader + "3,146.525\r\n"));
    QCOMPARE(cli({"import", path("radio.dat"), path("one.csv")}).exitCode, 0);
    m_radio = ReadFile(path("radio.dat"));
}

// The exit status says whether the work was done: what a command exists to
// print is its work (1, diff 2); a change already made stands when only its
// summary is lost (0, with what was done on stderr).
void TestCliFaults::unwritableOutput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("closed"); // stdout closed, else /dev/full
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message"); // before "cannot write to standard output: "
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("changes"); // radio.dat changes

    const QStringList channels {"channels", "radio.dat", "--json"};
    const QString full = QStringLiteral("no space left on the device");
    const QString closed = QStringLiteral("Bad file descriptor");
    const auto printed
        = [](const QStringList &args, bool isClosed, const QString &reason, int exitCode = 1) {
              QTest::newRow(qPrintable(args.join(' ') + (isClosed ? ", closed" : ", full")))
                  << args << isClosed << exitCode << "htprog-cli: " << reason << false;
          };
    printed(channels, false, full);
    printed(channels, true, closed);
    printed({"export", "radio.dat", "-", "--format", "community"}, false, full);
    printed({"--help"}, false, full);
    printed({"diff", "radio.dat", "blank.dat"}, false, full, 2); // trouble, not "different"
    printed({"diff", "--help"}, true, closed, 2);

    const auto done = [](const char *name, const QStringList &args, bool isClosed,
                          const QString &what, const QString &reason, bool changes) {
        QTest::newRow(name) << args << isClosed << 0
                            << "htprog-cli: warning: " + what
                + "; the summary could not be printed ("
                            << reason << changes;
    };
    done("import that changes", {"import", "radio.dat", "two.csv"}, true, "radio.dat was changed",
        closed, true);
    done("import that changes nothing", {"import", "radio.dat", "one.csv"}, false,
        "radio.dat already held these channels and was not changed", full, false);
    done("write to the radio", {"write", "--port", "sim", "radio.dat"}, false,
        "the radio was written and verified", full, false);
    done("squelch-write", {"squelch-write", "--port", "sim", "radio.dat"}, false,
        "the calibration block was written to the radio", full, false);
}

void TestCliFaults::unwritableOutput()
{
    QFETCH(QStringList, args);
    QFETCH(bool, closed);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QFETCH(QString, reason);
    QFETCH(bool, changes);
    QCOMPARE(cli({"new", path("blank.dat")}).exitCode, 0);
    QVERIFY(WriteFile(path("two.csv"), kGridHeader + "3,146.525\r\n4,147.525\r\n"));

    QProcess process;
    process.setWorkingDirectory(m_dir->path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HTPROG_SIM_IMAGE"), path("sim.dat"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), path("data")); // never the user's own
    process.setProcessEnvironment(env);
    if (closed) {
        process.start(QStringLiteral("/bin/sh"),
            QStringList {"-c", "exec \"$0\" \"$@\" >&-", CliPath()} + args);
    } else {
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(CliPath(), args);
    }
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), exitCode);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    const QString expected = message + QStringLiteral("cannot write to standard output: ") + reason;
    QVERIFY2(err.contains(expected), qPrintable(err));
    QCOMPARE(err.count(QStringLiteral("standard output")), 1); // told once
    if (changes)
        QVERIFY(ReadFile(path("radio.dat")) != m_radio);
    else
        checkRadioUnchanged();
}

void TestCliFaults::outputThatIsAnInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("export over its image") << QStringList {"export", "radio.dat", "radio.dat"};
    QTest::newRow("spelled with ./") << QStringList {"export", "radio.dat", "./radio.dat"};
    QTest::newRow("through a symbolic link") << QStringList {"export", "radio.dat", "soft.csv"};
    QTest::newRow("through a hard link") << QStringList {"export", "radio.dat", "hard.csv"};
    QTest::newRow("print over its image") << QStringList {"print", "radio.dat", "soft.csv"};
    QTest::newRow("import from its own image") << QStringList {"import", "hard.csv", "radio.dat"};
    QTest::newRow("stdout appends to the image") << QStringList {"export", "radio.dat", "-"};
}

void TestCliFaults::outputThatIsAnInput()
{
    QFETCH(QStringList, args);
    QVERIFY(QFile::link(path("radio.dat"), path("soft.csv")));
    QCOMPARE(::link(QFile::encodeName(path("radio.dat")).constData(),
                 QFile::encodeName(path("hard.csv")).constData()),
        0);

    QProcess process;
    process.setWorkingDirectory(m_dir->path());
    process.setStandardOutputFile(path("radio.dat"), QIODevice::Append);
    process.start(CliPath(), args);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 1);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(err.contains(QStringLiteral("is the same file as")), qPrintable(err));
    checkRadioUnchanged();
}

void TestCliFaults::notARegularFile_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("fifo");

    // Opened without a check, each of these would wait for a writer or reader for ever.
    QTest::newRow("image") << QStringList {"channels", "fifo.dat"} << "fifo.dat";
    QTest::newRow("CSV to import") << QStringList {"import", "radio.dat", "fifo.csv"} << "fifo.csv";
    QTest::newRow("CSV to export to")
        << QStringList {"export", "radio.dat", "fifo.csv"} << "fifo.csv";
    QTest::newRow("PDF") << QStringList {"print", "radio.dat", "fifo.pdf"} << "fifo.pdf";
}

void TestCliFaults::notARegularFile()
{
    QFETCH(QStringList, args);
    QFETCH(QString, fifo);
    QCOMPARE(::mkfifo(QFile::encodeName(m_dir->filePath(fifo)).constData(), 0600), 0);

    const CliRun run = cli(args);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("not a regular file")), qPrintable(run.err));
    QVERIFY(!QFileInfo(m_dir->filePath(fifo)).isFile());
    checkRadioUnchanged();
}

void TestCliFaults::endlessInput_data()
{
    QTest::addColumn<QString>("input"); // standard input, or the CSV when no "-" is given
    QTest::addColumn<QString>("reason");

    QTest::newRow("/dev/zero on standard input") << "/dev/zero"
                                                 << "the file is larger than 1048576 bytes";
    QTest::newRow("a CSV of 2 MB") << "big.csv"
                                   << "the file is larger than 1048576 bytes";
    QTest::newRow("201 channel rows") << "many.csv"
                                      << "line 202: more than 200 channel rows";
    QTest::newRow("a NUL in a tone") << "nul.csv"
                                     << "line 2: Rx Tone \"A\\x00B\"";
}

void TestCliFaults::endlessInput()
{
    QFETCH(QString, input);
    QFETCH(QString, reason);
    QByteArray many = kGridHeader;
    for (int ch = 0; ch <= 200; ++ch)
        many += (ch == 0 ? QByteArray("Pr") : QByteArray::number(ch)) + ",146.5\r\n";
    QVERIFY(WriteFile(path("many.csv"), many));
    QVERIFY(WriteFile(path("big.csv"), kGridHeader + QByteArray(2 << 20, '\n')));
    QVERIFY(WriteFile(
        path("nul.csv"), "CH,Rx Frequency,Rx Tone\r\n" + QByteArray("4,146.5,A\0B\r\n", 14)));

    QProcess process;
    process.setWorkingDirectory(m_dir->path());
    process.setStandardInputFile(input.startsWith('/') ? input : QProcess::nullDevice());
    process.start(CliPath(), {"import", "radio.dat", input.startsWith('/') ? "-" : input});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 1);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(err.contains(reason), qPrintable(err));
    QVERIFY2(err.endsWith(QStringLiteral(" was not changed\n")), qPrintable(err));
    checkRadioUnchanged();
}

// A pipe hands its bytes over a part at a time; the import reads to the end,
// and never takes what arrived first for the whole file.
void TestCliFaults::inputThroughAPipe()
{
    QProcess process;
    process.setWorkingDirectory(m_dir->path());
    process.start(CliPath(), {"import", "radio.dat", "-"});
    QVERIFY(process.waitForStarted());
    const QByteArray csv = kGridHeader + QByteArray(1000000, '\n') + "9,440.0125\r\n";
    process.write(csv);
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(process.readAllStandardOutput(), QByteArray("1 channel imported into radio.dat\n"));
    QVERIFY(cli({"channels", "radio.dat"}).out.contains("  9  440.01250"));
}

void TestCliFaults::replaceWithoutChannels()
{
    QVERIFY(WriteFile(path("header.csv"), kGridHeader));
    const CliRun refused = cli({"import", "--replace", "radio.dat", "header.csv"});
    QCOMPARE(refused.exitCode, 1);
    QCOMPARE(refused.err,
        QStringLiteral("htprog-cli: no channels in header.csv; nothing changed (--allow-empty "
                       "with --replace empties every channel)\n"));
    checkRadioUnchanged();

    const CliRun emptied = cli({"import", "--replace", "--allow-empty", "radio.dat", "header.csv"});
    QCOMPARE(emptied.exitCode, 0);
    QCOMPARE(emptied.out, QByteArray("0 channels imported into radio.dat\n"));
    QVERIFY(!cli({"channels", "radio.dat"}).out.contains("146.52500"));
}

void TestCliFaults::fullDisk_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("freePages"); // room for the lock file, not for the image
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kept");

    QTest::newRow("new") << QStringList {"new", "fresh.dat"} << 1 << "fresh.dat"
                         << "No file was made.";
    QTest::newRow("import") << QStringList {"import", "radio.dat", "one.csv"} << 1 << "radio.dat"
                            << "The previous file is unchanged.";
    QTest::newRow("import, no room for the lock")
        << QStringList {"import", "radio.dat", "one.csv"} << 0 << "radio.dat"
        << "Cannot lock ";
    QTest::newRow("export") << QStringList {"export", "radio.dat", "out.csv"} << 0 << "out.csv"
                            << "nothing was written";
    QTest::newRow("print") << QStringList {"print", "radio.dat", "out.pdf"} << 0 << "out.pdf"
                           << "nothing was written";
}

void TestCliFaults::fullDisk()
{
    QFETCH(QStringList, args);
    QFETCH(int, freePages);
    QFETCH(QString, file);
    QFETCH(QString, kept);
    QVERIFY(WriteFile(path("one.csv"), kGridHeader + "9,440.0125\r\n"));
    const QByteArray before = ReadFile(m_dir->filePath(file));

    QStringList inDisk = args;
    for (QString &arg : inDisk) {
        if (arg.contains(QLatin1Char('.')))
            arg = m_dir->filePath(arg);
    }
    const CliRun run = RunCliOnFullDisk(inDisk, m_dir->path(), freePages);
    if (run.exitCode == -2)
        QSKIP("no private mount namespace for a small disk here");
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("no space left on the device")), qPrintable(run.err));
    QVERIFY2(run.err.contains(kept), qPrintable(run.err));
    QCOMPARE(ReadFile(m_dir->filePath(file)), before);
    QCOMPARE(
        QDir(m_dir->path()).entryList(QDir::Files).filter(QStringLiteral(".lock")), QStringList());
}

// A second process that changes the file waits a moment for the first, then
// fails and changes nothing.
void TestCliFaults::fileInUse()
{
    QLockFile other(FileLock::lockPath(path("radio.dat")));
    QVERIFY(other.tryLock());
    QVERIFY(WriteFile(path("one.csv"), kGridHeader + "9,440.0125\r\n"));
    const CliRun run = cli({"new", "radio.dat"});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("radio.dat is in use by another process")),
        qPrintable(run.err));
    checkRadioUnchanged();
    // Reading needs no lock.
    QCOMPARE(cli({"export", "radio.dat", "out.csv"}).exitCode, 0);
    other.unlock();
    QCOMPARE(cli({"import", "radio.dat", "one.csv"}).exitCode, 0);
}

// The simulated radio holds its file's lock while it serves; killed, it leaves
// the lock file behind, which the next process takes over at once.
void TestCliFaults::lockOfAKilledProcess()
{
    QProcess simulator;
    simulator.start(CliPath(), {"simulate", "--image", path("radio.dat")});
    QVERIFY(simulator.waitForReadyRead(20000));
    const CliRun busy = cli({"import", "radio.dat", "one.csv"});
    QCOMPARE(busy.exitCode, 1);
    QVERIFY2(busy.err.contains(QStringLiteral("in use by another process (htprog-cli, process")),
        qPrintable(busy.err));
    ::kill(pid_t(simulator.processId()), SIGKILL);
    QVERIFY(simulator.waitForFinished(10000));
    QVERIFY(QFile::exists(FileLock::lockPath(path("radio.dat"))));

    QElapsedTimer clock;
    clock.start();
    QVERIFY(WriteFile(path("one.csv"), kGridHeader + "9,440.0125\r\n"));
    const CliRun run = cli({"import", "radio.dat", "one.csv"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(clock.elapsed() < FileLock::kWaitMs, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(cli({"channels", "radio.dat"}).out.contains("440.01250"));
}

QTEST_GUILESS_MAIN(TestCliFaults)
#include "tst_cli_faults.moc"
