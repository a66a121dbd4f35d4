// htprog-cli radio commands run as a program against "htprog-cli simulate".
#include "image/datfile.h"
#include "link/serialradioport.h"
#include "settings/messages.h"
#include "support/clirun.h"
#include "support/linkfakes.h"
#include "support/scriptedline.h"
#include "support/servedradio.h"
#include "support/testfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

// "htprog-cli simulate" in the background; ends (and saves) when destroyed.
class Simulator
{
public:
    explicit Simulator(const QStringList &args)
    {
        m_process.start(CliPath(), QStringList {QStringLiteral("simulate")} + args);
        while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) { }
        m_path = QString::fromUtf8(m_process.readLine()).trimmed();
    }
    ~Simulator() { stop(); }
    QString path() const { return m_path; }
    // Ends it with signal; its exit status, -1 when the signal killed it.
    int stop(int signal = SIGTERM)
    {
        if (m_process.state() != QProcess::NotRunning) {
            ::kill(pid_t(m_process.processId()), signal);
            m_process.waitForFinished(10000);
        }
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }

private:
    QProcess m_process;
    QString m_path;
};

MemoryImage Load(const QString &path)
{
    MemoryImage image {};
    LoadDatFile(path, image);
    return image;
}

} // namespace

class TestCliLink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void readAndWriteThroughPseudoTerminal();
    void failures_data();
    void failures();
    void openFailure_data();
    void openFailure();
    void interruptIsCancel_data();
    void interruptIsCancel();
    void stopMidWriteLeavesRadioReady();
    void fullDiskKeepsTheFile_data();
    void fullDiskKeepsTheFile();
    void simulatedPortKeepsItsMemory();
    void simulateNeedsAnExistingFolder();
    void usageErrors_data();
    void usageErrors();
    void traceRecordsTheWire_data();
    void traceRecordsTheWire();
    void traceLogRefused_data();
    void traceLogRefused();
    void busyPortNamesItsHolder();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString &name) const { return m_dir->filePath(name); }
};

void TestCliLink::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestCliLink::readAndWriteThroughPseudoTerminal()
{
    const MemoryImage radioMemory = Pattern(30);
    const MemoryImage written = Pattern(31);
    QVERIFY(SaveDatFile(path("radio.dat"), radioMemory).ok());
    QVERIFY(SaveDatFile(path("in.dat"), written).ok());
    Simulator sim({"--image", path("radio.dat")});
    QVERIFY(sim.path().startsWith("/dev/"));

    const CliRun read = RunCli({"read", "--port", sim.path(), path("out.dat")});
    QCOMPARE(read.exitCode, 0);
    QVERIFY(Load(path("out.dat")) == radioMemory);

    const CliRun squelch = RunCli({"squelch-read", "--port", sim.path(), path("in.dat")});
    QCOMPARE(squelch.exitCode, 0);
    QCOMPARE(squelch.out, QByteArray("Read Successfully\n"));
    QVERIFY(Load(path("in.dat")) == WithRange(written, radioMemory, 0x1F80, 0x1F9F));

    const CliRun write = RunCli({"write", "--port", sim.path(), path("in.dat")});
    QCOMPARE(write.exitCode, 0);
    QCOMPARE(sim.stop(SIGHUP), 0); // the terminal closed: it saves and ends
    QVERIFY(Load(path("radio.dat")) == AfterWrite(radioMemory, written));
}

void TestCliLink::failures_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message");

    auto row = [](const char *command, const char *fault, const QString &message) {
        QTest::addRow("%s, %s", command, fault) << command << fault << message;
    };
    row("read", "short-reply@3", MessageSource(kMsgProgramInterrupt));
    row("read", "no-ident-ack", MessageSource(kMsgCommunicationError));
    row("squelch-read", "short-reply@1009", "Communication Error");
    row("squelch-write", "no-ack@1008", "Communication Error");
}

void TestCliLink::failures()
{
    QFETCH(QString, command);
    QFETCH(QString, fault);
    QFETCH(QString, message);

    QVERIFY(SaveDatFile(path("radio.dat"), Pattern(34)).ok());
    QVERIFY(SaveDatFile(path("doc.dat"), Pattern(35)).ok());
    const QByteArray before = ReadFile(path("doc.dat"));
    Simulator sim({"--image", path("radio.dat"), "--fault", fault});

    const CliRun run = RunCli({command, "--port", sim.path(), path("doc.dat")});

    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, QStringLiteral("htprog-cli: ") + message + QLatin1Char('\n'));
    QCOMPARE(ReadFile(path("doc.dat")), before);
}

void TestCliLink::openFailure_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("detail");

    QTest::newRow("no such device") << "/dev/htprog-no-such-port"
                                    << "";
    QTest::newRow("a name of 5000 characters is repeated in part")
        << QString(5000, QLatin1Char('x'))
        << QStringLiteral(" (%1\u2026: there is no device /dev/%2\u2026")
               .arg(QString(40, QLatin1Char('x')), QString(35, QLatin1Char('x')));
}

void TestCliLink::openFailure()
{
    QFETCH(QString, port);
    QFETCH(QString, detail);
    QVERIFY(SaveDatFile(path("doc.dat"), Pattern(36)).ok());
    const QByteArray before = ReadFile(path("doc.dat"));

    const CliRun read = RunCli({"read", "--port", port, path("doc.dat")}, m_dir->path());
    QCOMPARE(read.exitCode, 1);
    QVERIFY2(read.err.startsWith(
                 QStringLiteral("htprog-cli: ") + MessageSource(kMsgCouldNotOpenPort) + detail),
        qPrintable(read.err));
    QVERIFY2(read.err.size() < 400, qPrintable(read.err));
    const CliRun squelch = RunCli({"squelch-read", "--port", port, path("doc.dat")}, m_dir->path());
    QCOMPARE(squelch.exitCode, 1);
    QVERIFY2(squelch.err.startsWith("htprog-cli: Open the serial port fails" + detail),
        qPrintable(squelch.err));
    QCOMPARE(ReadFile(path("doc.dat")), before);
}

void TestCliLink::interruptIsCancel_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("signal");
    // Each command and each signal once: the stop is one flag that every transfer polls.
    QTest::newRow("read, Ctrl+C") << "read" << SIGINT;
    QTest::newRow("write, SIGTERM") << "write" << SIGTERM;
    QTest::newRow("squelch-read, SIGHUP") << "squelch-read" << SIGHUP;
    QTest::newRow("squelch-write, Ctrl+C") << "squelch-write" << SIGINT;
}

// Ctrl+C, SIGTERM or SIGHUP during a transfer to a radio that does not answer: the
// transfer stops at its next poll point, never in the middle of a block, says so
// and changes nothing.
void TestCliLink::interruptIsCancel()
{
    QFETCH(QString, command);
    QFETCH(int, signal);
    QVERIFY(SaveDatFile(path("doc.dat"), Pattern(38)).ok());
    const QByteArray before = ReadFile(path("doc.dat"));
    ScriptedLine line;
    QProcess process;
    process.start(CliPath(), {command, "--port", line.path(), path("doc.dat")});
    QVERIFY(line.waitForInput(30000));
    ::kill(pid_t(process.processId()), signal);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    QCOMPARE(process.readAllStandardError(), QByteArray("htprog-cli: cancelled\n"));
    QCOMPARE(ReadFile(path("doc.dat")), before);
}

// SIGTERM in the middle of a write at the real line speed: the write ends after a
// whole block, and the radio takes the next session at once.
void TestCliLink::stopMidWriteLeavesRadioReady()
{
    QVERIFY(SaveDatFile(path("doc.dat"), Pattern(44)).ok());
    ServedRadio radio(Pattern(45), {}, true);
    QProcess process;
    process.start(CliPath(), {"write", "--port", radio.path(), path("doc.dat")});
    QVERIFY(process.waitForStarted(10000));
    QTest::qWait(1500); // a write at 9600 baud takes about 15 s
    ::kill(pid_t(process.processId()), SIGTERM);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    QCOMPARE(process.readAllStandardError(), QByteArray("htprog-cli: cancelled\n"));

    const CliRun next = RunCli({"squelch-read", "--port", radio.path(), path("doc.dat")});
    QVERIFY2(next.exitCode == 0, qPrintable(next.err));
}

void TestCliLink::fullDiskKeepsTheFile_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("kept");
    QTest::newRow("read") << "read"
                          << "the image read from the radio was not saved";
    QTest::newRow("squelch-read") << "squelch-read"
                                  << "the calibration block read from the radio was not saved";
}

void TestCliLink::fullDiskKeepsTheFile()
{
    QFETCH(QString, command);
    QFETCH(QString, kept);
    QVERIFY(QDir().mkdir(path("disk")));
    const QString doc = path("disk/doc.dat");
    QVERIFY(SaveDatFile(doc, Pattern(39)).ok());
    QVERIFY(SaveDatFile(path("sim.dat"), Pattern(40)).ok());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HTPROG_SIM_IMAGE", path("sim.dat"));

    const CliRun run = RunCliOnFullDisk({command, "--port", "sim", doc}, path("disk"), 1, env);
    if (run.exitCode == -2)
        QSKIP("no private mount namespace for a small disk here");
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("failed: no space left on the device. The previous "
                                             "file is unchanged.")),
        qPrintable(run.err));
    QVERIFY2(run.err.contains(kept), qPrintable(run.err));
    QVERIFY(Load(doc) == Pattern(39));
}

void TestCliLink::simulatedPortKeepsItsMemory()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HTPROG_SIM_IMAGE", path("sim.dat"));
    QVERIFY(SaveDatFile(path("in.dat"), Pattern(37)).ok());

    QCOMPARE(RunCli({"read", "--port", "sim", path("fresh.dat")}, {}, env).exitCode, 0);
    QVERIFY(Load(path("fresh.dat")) == NewImage());
    QCOMPARE(RunCli({"write", "--port", "sim", path("in.dat")}, {}, env).exitCode, 0);
    QCOMPARE(RunCli({"read", "--port", "sim", path("back.dat")}, {}, env).exitCode, 0);

    const MemoryImage back = Load(path("back.dat"));
    QCOMPARE(back[0x1230], Pattern(37)[0x1230]);
    QCOMPARE(back[0x1F90], NewImage()[0x1F90]); // the squelch block is not written
    QVERIFY(RunCli({"ports"}).out.endsWith("sim\tsimulated radio\n"));

    // In use (here by a served simulated radio), the port is busy as a serial
    // device is: refused at once, never queued to write after the other.
    const QByteArray before = ReadFile(path("sim.dat"));
    QVERIFY(SaveDatFile(path("in.dat"), Pattern(43)).ok());
    Simulator sim({"--image", path("sim.dat")});
    QElapsedTimer clock;
    clock.start();
    const CliRun busy = RunCli({"write", "--port", "sim", path("in.dat")}, {}, env);
    QCOMPARE(busy.exitCode, 1);
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY2(busy.err.contains("(sim: the simulated radio is in use by another process "
                               "(htprog-cli, process")
            && busy.err.endsWith("Another program is using sim. Try again when it has finished.\n"),
        qPrintable(busy.err));
    QCOMPARE(sim.stop(), 0);
    QCOMPARE(ReadFile(path("sim.dat")), before);
}

// A folder the user named that does not exist is refused, never made.
void TestCliLink::simulateNeedsAnExistingFolder()
{
    const QString image = path("missing/folder/sim.dat");
    const CliRun run = RunCli({"simulate", "--image", image});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("the folder ") + path("missing/folder")
                 + QStringLiteral(" does not exist")),
        qPrintable(run.err));
    QVERIFY(!QFileInfo::exists(path("missing")));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HTPROG_SIM_IMAGE", image);
    const CliRun read = RunCli({"read", "--port", "sim", path("x.dat")}, {}, env);
    QCOMPARE(read.exitCode, 1);
    QVERIFY2(read.err.contains(QStringLiteral(" does not exist")), qPrintable(read.err));
    QVERIFY(!QFileInfo::exists(path("missing")));
}

void TestCliLink::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");

    QTest::newRow("read without a file") << QStringList {"read"};
    QTest::newRow("port without a value") << QStringList {"write", "a.dat", "--port"};
    QTest::newRow("empty port name") << QStringList {"squelch-read", "--port", "", "a.dat"};
    QTest::newRow("unknown fault") << QStringList {"simulate", "--fault", "melt"};
    QTest::newRow("block out of range") << QStringList {"simulate", "--fault", "no-ack@1024"};
}

void TestCliLink::usageErrors()
{
    QFETCH(QStringList, args);
    QCOMPARE(RunCli(args).exitCode, 2);
}

void TestCliLink::traceRecordsTheWire_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("exitCode");

    // A verified write reads as well; the calibration block has a transfer of its own.
    QTest::newRow("verified write") << "write"
                                    << "" << 0;
    QTest::newRow("squelch-write") << "squelch-write"
                                   << "" << 0;
    QTest::newRow("read cut short: the log is written all the same") << "read"
                                                                     << "short-reply@3" << 1;
}

// The log's sent bytes are exactly what the radio received, its received bytes
// exactly what the radio sent, through the real serial code on a pseudo-terminal.
void TestCliLink::traceRecordsTheWire()
{
    QFETCH(QString, command);
    QFETCH(QString, fault);
    QFETCH(int, exitCode);
    QVERIFY(SaveDatFile(path("doc.dat"), Pattern(46)).ok());
    ServedRadio radio(Pattern(47), Faults({fault}), false, true);

    const CliRun run
        = RunCli({command, "--port", radio.path(), "--trace", path("link.log"), path("doc.dat")});
    QVERIFY2(run.exitCode == exitCode, qPrintable(run.err));
    const SimulatedRadio &served = radio.stop();
    const QByteArray log = ReadFile(path("link.log"));
    QVERIFY2(log.startsWith("# htprog-cli "), log.left(200).constData());
    QVERIFY(log.left(log.indexOf('\n')).contains(radio.path().toUtf8()));
    QVERIFY(!served.wireReceived().isEmpty());
    QCOMPARE(LoggedBytes(log, '>').toHex(' '), served.wireReceived().toHex(' '));
    QCOMPARE(LoggedBytes(log, '<').toHex(' '), served.wireSent().toHex(' '));
}

void TestCliLink::traceLogRefused_data()
{
    QTest::addColumn<QString>("command"); // the command and its file
    QTest::addColumn<QString>("log");
    QTest::addColumn<QString>("message");

    // Each command checks its log before the port opens: each command once, each
    // refusal once.
    QTest::newRow("read, the image file itself") << "read doc.dat"
                                                 << "doc.dat"
                                                 << "is the image file itself";
    QTest::newRow("write, a folder") << "write doc.dat"
                                     << "."
                                     << "cannot write the link log";
    QTest::newRow("squelch-read, a missing folder") << "squelch-read doc.dat"
                                                    << "missing/link.log"
                                                    << "does not exist; nothing was sent";
    QTest::newRow("squelch-write, the image file itself") << "squelch-write doc.dat"
                                                          << "doc.dat"
                                                          << "is the image file itself";
    QTest::newRow("read, the image file by another name") << "read doc.dat"
                                                          << "./sub/../doc.dat"
                                                          << "is the image file itself";
    QTest::newRow("read into a new file of the same name") << "read new.dat"
                                                           << "new.dat"
                                                           << "is the image file itself";
    QTest::newRow("read, the simulated radio's memory with --port sim")
        << "read new.dat --port sim"
        << "sim.dat"
        << "is the simulated radio's memory itself";
    QTest::newRow("write, a device") << "write doc.dat"
                                     << "/dev/null"
                                     << "cannot write the link log";
}

// A log that cannot be written is refused before the port opens: nothing is
// sent, the image file stays as it was.
void TestCliLink::traceLogRefused()
{
    QFETCH(QString, command);
    QFETCH(QString, log);
    QFETCH(QString, message);
    QVERIFY(QDir(m_dir->path()).mkdir("sub"));
    QVERIFY(SaveDatFile(path("doc.dat"), Pattern(48)).ok());
    const QByteArray before = ReadFile(path("doc.dat"));
    ServedRadio radio(Pattern(49), {}, false, true);

    QVERIFY(SaveDatFile(path("sim.dat"), Pattern(49)).ok());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HTPROG_SIM_IMAGE", path("sim.dat"));
    QStringList args = command.split(QLatin1Char(' '));
    if (!args.contains("--port"))
        args << "--port" << radio.path();

    const CliRun run = RunCli(args + QStringList {"--trace", log}, m_dir->path(), env);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(radio.stop().wireReceived(), QByteArray());
    QCOMPARE(ReadFile(path("doc.dat")), before);
    QVERIFY(Load(path("sim.dat")) == Pattern(49));
    QVERIFY(!QFileInfo::exists(path("missing")));
    QVERIFY(!QFileInfo::exists(path("new.dat")));
    QCOMPARE(RunCli({args[0], "--trace"}).exitCode, 2);
    QCOMPARE(RunCli({args[0], "--trace=", "doc.dat"}).exitCode, 2);
}

// A port held by another process: the message names it and what to do.
void TestCliLink::busyPortNamesItsHolder()
{
#ifndef Q_OS_LINUX
    QSKIP("processes are found by their open files in /proc, on Linux only");
#endif
    ScriptedLine line;
    SerialRadioPort holder(PortProfile::Clone);
    QVERIFY(holder.open(line.path()).ok());
    QVERIFY(SaveDatFile(path("doc.dat"), Pattern(50)).ok());

    const CliRun run = RunCli({"read", "--port", line.path(), path("doc.dat")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("\n%1 is in use by tst_cli_link (process %2). Close "
                                             "that program and try again.\n")
                                  .arg(line.path())
                                  .arg(QCoreApplication::applicationPid())),
        qPrintable(run.err));
}

QTEST_GUILESS_MAIN(TestCliLink)
#include "tst_cli_link.moc"
