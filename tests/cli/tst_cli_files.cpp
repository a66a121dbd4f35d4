// htprog-cli and the files around it under hostile conditions: files of another
// size than an image, the backups folder, lock and temporary names at the name
// limit, names that are not text, disks without room or inodes, and a home or
// data folder that is missing, empty or relative.
#include "support/clirun.h"
#include "support/testfiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kImage = 8192;

} // namespace

class TestCliFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void otherSizesAreNeverCut_data();
    void otherSizesAreNeverCut();
    void diffSeesBytesPastTheImage();
    void backupsSayWhatIsWrong();
    void errorsNameTheCause_data();
    void errorsNameTheCause();
    void namesAtTheLimit_data();
    void namesAtTheLimit();
    void nameThatIsNotText();
    void dataFolderFollowsThePlatform_data();
    void dataFolderFollowsThePlatform();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    CliRun cli(const QStringList &args) const { return RunCli(args, m_dir->path(), m_env); }
    QStringList backupNames() const
    {
        return QDir(path("data/htprog/backups")).entryList(QDir::Files, QDir::Name);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QProcessEnvironment m_env;
};

void TestCliFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_env = QProcessEnvironment::systemEnvironment();
    m_env.insert("XDG_DATA_HOME", path("data"));
    m_env.insert("HTPROG_SIM_IMAGE", path("sim.dat"));
    QCOMPARE(cli({"new", "radio.dat"}).exitCode, 0);
    QCOMPARE(cli({"new", "sim.dat"}).exitCode, 0);
    QVERIFY(WriteFile(path("one.csv"), "CH,Rx Frequency\r\n3,146.525\r\n"));
}

// Loading ignores bytes past the image; a command that rewrites the file would
// cut them off, so it refuses and changes nothing.
void TestCliFiles::otherSizesAreNeverCut_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("file"); // not an image's size
    QTest::addColumn<int>("size");

    const int longer = kImage + 100000;
    QTest::newRow("import") << QStringList {"import", "big.bin", "one.csv"} << "big.bin" << longer;
    QTest::newRow("new over a longer file")
        << QStringList {"new", "big.bin"} << "big.bin" << longer;
    QTest::newRow("read") << QStringList {"read", "--port", "sim", "big.bin"} << "big.bin"
                          << longer;
    QTest::newRow("squelch-read") << QStringList {"squelch-read", "--port", "sim", "big.bin"}
                                  << "big.bin" << longer;
    QTest::newRow("simulate") << QStringList {"simulate", "--image", "big.bin"} << "big.bin"
                              << 2 * kImage;
    QTest::newRow("the simulated radio's file")
        << QStringList {"read", "--port", "sim", "radio.dat"} << "sim.dat" << 2 * kImage;
}

void TestCliFiles::otherSizesAreNeverCut()
{
    QFETCH(QStringList, args);
    QFETCH(QString, file);
    QFETCH(int, size);
    QByteArray bytes = ReadFile(path("radio.dat"));
    bytes.resize(size);
    for (int i = kImage; i < size; ++i)
        bytes[i] = char(i * 13);
    QVERIFY(WriteFile(path(file), bytes));
    const QByteArray radio = ReadFile(path("radio.dat"));

    const CliRun run = cli(args);
    QCOMPARE(run.exitCode, 1);
    // The name as given, or the simulated radio's whole path.
    QVERIFY2(run.err.contains(
                 QStringLiteral("%1 is %2 bytes, not an 8192-byte image; nothing was changed")
                     .arg(file)
                     .arg(size)),
        qPrintable(run.err));
    QCOMPARE(ReadFile(path(file)), bytes);
    QCOMPARE(ReadFile(path("radio.dat")), radio);
    QCOMPARE(backupNames(), QStringList());
}

void TestCliFiles::diffSeesBytesPastTheImage()
{
    const QByteArray image = ReadFile(path("radio.dat"));
    QVERIFY(WriteFile(path("a.bin"), image + "first"));
    QVERIFY(WriteFile(path("b.bin"), image + "second"));
    for (const QStringList &args : {QStringList {"diff", "a.bin", "b.bin"},
             QStringList {"diff", "radio.dat", "b.bin", "--json"}}) {
        const CliRun run = cli(args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(
            run.err.contains(QStringLiteral("bytes, not an 8192-byte image")), qPrintable(run.err));
    }
}

// A backups folder that is no folder is a failure, not an empty list; a path
// with a line break in it stays one entry, one line.
void TestCliFiles::backupsSayWhatIsWrong()
{
    QVERIFY(QDir().mkpath(path("data/htprog")));
    QVERIFY(WriteFile(path("data/htprog/backups"), "a file"));
    const CliRun run = cli({"backups"});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("backups is not a folder")), qPrintable(run.err));
    QCOMPARE(run.out, QByteArray());

    m_env.insert("XDG_DATA_HOME", path("two\nlines"));
    QCOMPARE(cli({"read", "--port", "sim", "radio.dat"}).exitCode, 0);
    const CliRun listed = cli({"backups"});
    QCOMPARE(listed.exitCode, 0);
    QCOMPARE(listed.out.count('\n'), 1);
    QVERIFY2(listed.out.startsWith(path("two\\nlines/htprog/backups/radio-").toUtf8()),
        listed.out.constData());
}

// The system's own reason, never "Unknown error" or a guess.
void TestCliFiles::errorsNameTheCause_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("freePages"); // -1: not on a full disk
    QTest::addColumn<int>("freeInodes"); // -1: as many as the disk has
    QTest::addColumn<QString>("reason");

    QTest::newRow("backup with 4 KiB free")
        << QStringList {"read", "--port", "sim", "out.dat"} << 1 << -1
        << "Cannot write a backup in %1/data/htprog/backups: no space left on the device.";
    QTest::newRow("no inodes left") << QStringList {"import", "radio.dat", "one.csv"} << 64 << 0
                                    << "Cannot lock radio.dat: no space left on the device.";
    QTest::newRow("a folder under /proc")
        << QStringList {"new", "/proc/self/htprog.dat"} << -1 << -1
        << "Cannot lock /proc/self/htprog.dat: No such file or directory.";
}

void TestCliFiles::errorsNameTheCause()
{
    QFETCH(QStringList, args);
    QFETCH(int, freePages);
    QFETCH(int, freeInodes);
    QFETCH(QString, reason);
    QVERIFY(QDir().mkpath(path("data/htprog/backups")));

    CliRun run;
    if (freePages < 0) {
        run = cli(args);
    } else {
        for (QString &arg : args) {
            if (arg.contains(QLatin1Char('.')))
                arg = path(arg);
        }
        run = RunCliOnFullDisk(args, m_dir->path(), freePages, m_env, freeInodes);
        if (run.exitCode == -2)
            QSKIP("no private mount namespace for a small disk here");
        reason = reason.arg(m_dir->path());
        if (reason.startsWith(QLatin1String("Cannot lock ")))
            reason.replace(QStringLiteral("lock "), QStringLiteral("lock %1/").arg(m_dir->path()));
    }
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(reason), qPrintable(run.err));
    QVERIFY2(!run.err.contains(QStringLiteral("Unknown error")), qPrintable(run.err));
}

// A name at the system's limit (255 bytes here) leaves no room for ".lock" or a
// temporary file's ending: those are shortened to fit, and every command works.
void TestCliFiles::namesAtTheLimit_data()
{
    QTest::addColumn<int>("length");
    for (const int length : {250, 251, 255})
        QTest::addRow("%d bytes", length) << length;
}

void TestCliFiles::namesAtTheLimit()
{
    QFETCH(int, length);
    const QString name = QString(length - 4, QLatin1Char('x')) + QStringLiteral(".dat");
    for (const QStringList &args :
        {QStringList {"new", name}, QStringList {"import", name, "one.csv"},
            QStringList {"read", "--port", "sim", name}, QStringList {"channels", name}}) {
        const CliRun run = cli(args);
        QVERIFY2(run.exitCode == 0, qPrintable(args.first() + QLatin1String(": ") + run.err));
    }
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).filter(QStringLiteral("xxx")),
        QStringList {name});
}

// Bytes that are not text cannot be told from other names once decoded: the
// command says so instead of acting on, or failing at, another name.
void TestCliFiles::nameThatIsNotText()
{
    QProcess process;
    process.setWorkingDirectory(m_dir->path());
    process.start(QStringLiteral("/bin/sh"),
        {"-c",
            "cp radio.dat \"$(printf 'lat\\351.dat')\" && exec \"$0\" new \"$(printf "
            "'lat\\351.dat')\"",
            CliPath()});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 1);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(err.contains(QStringLiteral("is not valid UTF-8")), qPrintable(err));
    QVERIFY2(!err.contains(QStringLiteral("No such file or directory")), qPrintable(err));
}

// The per-user data folder is $XDG_DATA_HOME/htprog when that is an absolute
// path, else below the home ($HOME when absolute, else the user database's);
// nothing is made relative to the current folder or in a home that is missing.
void TestCliFiles::dataFolderFollowsThePlatform_data()
{
    QTest::addColumn<QString>("home");
    QTest::addColumn<bool>("inDatabaseHome"); // the backup lands there, else nowhere

    // Each rule is the data paths' (tst_datapaths); here one case of each outcome.
    QTest::newRow("HOME empty") << "" << true;
    QTest::newRow("HOME missing") << "%1/missing" << false;
}

void TestCliFiles::dataFolderFollowsThePlatform()
{
    QFETCH(QString, home);
    QFETCH(bool, inDatabaseHome);
    QVERIFY(QDir().mkpath(path("work")));
    QProcessEnvironment env = m_env;
    env.remove("HOME");
    env.remove("XDG_DATA_HOME");
    env.insert("HOME", home.arg(m_dir->path()));

    QStringList homeFiles;
    const CliRun run = RunCliWithPrivateHome(
        {"read", "--port", "sim", path("out.dat")}, path("work"), env, &homeFiles);
    if (run.exitCode == -2)
        QSKIP("no private user and mount namespace here");
    QVERIFY2(run.exitCode == 0, qPrintable(run.err)); // a backup not kept is only a warning
    QCOMPARE(QDir(path("work")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList());
    QVERIFY(!QFileInfo::exists(path("missing")));
    const QStringList backups = homeFiles.filter(
        QRegularExpression("^\\.local/share/htprog/backups/radio-\\d{8}-\\d{6}\\.dat$"));
    QCOMPARE(backups.size(), inDatabaseHome ? 1 : 0);
    if (!inDatabaseHome) {
        QCOMPARE(homeFiles, QStringList());
        QVERIFY2(run.err.contains(QStringLiteral("no backup was kept"))
                && run.err.contains(QStringLiteral("missing does not exist")),
            qPrintable(run.err));
    }
}

QTEST_GUILESS_MAIN(TestCliFiles)
#include "tst_cli_files.moc"
