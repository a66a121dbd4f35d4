// htprog-cli diff run as a program: output and exit status for images that are
// the same, differ in a channel field, a setting or a byte outside every field,
// and for the troubles that give exit status 2. write --dry-run prints the same
// comparison against the newest image read from a radio.
#include "support/clirun.h"
#include "support/testfiles.h"

#include <QDir>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

class TestCliDiff : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void diff_data();
    void diff();
    void writeDryRun_data();
    void writeDryRun();
    void dryRunLeavesOutBytesAWriteDoesNotSend();

private:
    QTemporaryDir m_dir;
};

void TestCliDiff::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString a = m_dir.filePath("a.dat");
    QCOMPARE(RunCli({"new", a}).exitCode, 0);
    QByteArray bytes = ReadFile(a);
    bytes.replace(0x10, 4, QByteArray::fromHex("00005014")); // channel 1 at 145.00000 MHz
    QVERIFY(WriteFile(a, bytes));
    QVERIFY(WriteFile(m_dir.filePath("short.dat"), "short"));
}

void TestCliDiff::diff_data()
{
    QTest::addColumn<int>("address"); // b.dat is a.dat with this byte changed; -1: a copy
    QTest::addColumn<char>("value");
    QTest::addColumn<QStringList>("args"); // after "diff", run in the folder
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out"); // runs of spaces compared as one

    const QStringList ab {"a.dat", "b.dat"};
    QTest::newRow("identical") << -1 << '\0' << ab << 0 << "";
    QTest::newRow("one channel field") << 0x12 << '\x51' << ab << 1
                                       << "Channels\n"
                                          "CH Field a.dat b.dat\n"
                                          "1 Rx Frequency 145.00000 145.10000\n";
    QTest::newRow("one channel field, Chinese")
        << 0x12 << '\x51' << ab + QStringList {"--lang", "zh"} << 1
        << "信道\n"
           "信道 项目 a.dat b.dat\n"
           "1 接收频率 145.00000 145.10000\n";
    QTest::newRow("one setting") << 0x1FC0 << '\xFE' << ab << 1
                                 << "Settings\n"
                                    "Setting a.dat b.dat\n"
                                    "Beep On Off\n";
    QTest::newRow("one byte outside every field") << 0x1FFF << '\x00' << ab << 1
                                                  << "Other bytes\n"
                                                     "Address a.dat b.dat\n"
                                                     "0x1FFF FF 00\n";
    QTest::newRow("json") << 0x1FFF << '\x00' << ab + QStringList {"--json"} << 1
                          << "{\n \"same\": false,\n \"channels\": [],\n \"settings\": [],\n"
                             " \"other_bytes\": [\n {\"first\": 8191, \"last\": 8191, \"a\": "
                             "\"ff\", \"b\": \"00\"}\n ]\n}\n";
    QTest::newRow("one file") << -1 << '\0' << QStringList {"a.dat"} << 2 << "";
    QTest::newRow("a missing file")
        << -1 << '\0' << QStringList {"a.dat", "missing.dat"} << 2 << "";
    QTest::newRow("a short file") << -1 << '\0' << QStringList {"short.dat", "a.dat"} << 2 << "";
    QTest::newRow("unknown language") << -1 << '\0' << ab + QStringList {"--lang", "fr"} << 2 << "";
}

void TestCliDiff::diff()
{
    QFETCH(int, address);
    QFETCH(char, value);
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QByteArray bytes = ReadFile(m_dir.filePath("a.dat"));
    if (address >= 0)
        bytes[address] = value;
    QVERIFY(WriteFile(m_dir.filePath("b.dat"), bytes));

    const CliRun run = RunCli(QStringList {"diff"} + args, m_dir.path());

    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.err.isEmpty(), exitCode < 2);
    QCOMPARE(QString::fromUtf8(run.out).replace(QRegularExpression(" +"), " "), out);
}

void TestCliDiff::writeDryRun_data()
{
    QTest::addColumn<QStringList>("backups"); // names kept in the backups folder, oldest first
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("comparedWith"); // "": no read backup

    QTest::newRow("no backups folder") << QStringList {} << QStringList {} << "";
    QTest::newRow("json, no port opened")
        << QStringList {"radio-20261201-100000.dat"}
        << QStringList {"--json", "--port", "/dev/nonexistent-port"} << "radio-20261201-100000.dat";
    QTest::newRow("Chinese") << QStringList {"radio-20261201-100000.dat"}
                             << QStringList {"--lang", "zh"} << "radio-20261201-100000.dat";
}

void TestCliDiff::writeDryRun()
{
#ifdef Q_OS_WIN
    QSKIP("the CLI finds its backups in the user's known folder on Windows, which a test cannot "
          "point elsewhere");
#endif
    QFETCH(QStringList, backups);
    QFETCH(QStringList, options);
    QFETCH(QString, comparedWith);
    QTemporaryDir data;
    QVERIFY(data.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", data.path());
    const QString folder = data.filePath("htprog/backups");
    QVERIFY(backups.isEmpty() || QDir().mkpath(folder));
    // Each copy differs from a.dat in the byte of channel 1's frequency, by its
    // position.
    const QByteArray a = ReadFile(m_dir.filePath("a.dat"));
    for (int i = 0; i < backups.size(); ++i) {
        QByteArray bytes = a;
        bytes[0x12] = char(0x60 + i);
        QVERIFY(WriteFile(folder + "/" + backups[i], bytes));
    }

    const CliRun run = RunCli(
        QStringList {"write", "--dry-run"} + options + QStringList {"a.dat"}, m_dir.path(), env);

    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());
    if (comparedWith.isEmpty()) {
        QCOMPARE(run.out, QByteArray("no read backup to compare with\n"));
        return;
    }
    // Exactly what diff prints for the backup and the file, whatever diff's status.
    QStringList diffArgs {"diff", folder + "/" + comparedWith, "a.dat"};
    for (const QString &option : options) {
        if (option == "--port")
            break;
        diffArgs << option;
    }
    const CliRun diff = RunCli(diffArgs, m_dir.path(), env);
    QCOMPARE(diff.exitCode, 1);
    QCOMPARE(run.out, diff.out);
}

// The squelch calibration block and the last ten bytes are not written: a file
// that differs from the radio only there changes nothing.
void TestCliDiff::dryRunLeavesOutBytesAWriteDoesNotSend()
{
#ifdef Q_OS_WIN
    QSKIP("the CLI finds its backups in the user's known folder on Windows, which a test cannot "
          "point elsewhere");
#endif
    QTemporaryDir data;
    QVERIFY(data.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", data.path());
    QVERIFY(QDir().mkpath(data.filePath("htprog/backups")));
    QByteArray radio = ReadFile(m_dir.filePath("a.dat"));
    radio[0x1F85] = '\x21';
    radio[0x1FFA] = '\x22';
    radio[0x1FC0] = '\xFE'; // Beep: sent
    QVERIFY(WriteFile(data.filePath("htprog/backups/radio-20261201-100000.dat"), radio));

    const CliRun run = RunCli({"write", "--dry-run", "a.dat"}, m_dir.path(), env);

    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromUtf8(run.out).replace(QRegularExpression(" +"), " "),
        QStringLiteral("Settings\nSetting %1 a.dat\nBeep Off On\n")
            .arg(data.filePath("htprog/backups/radio-20261201-100000.dat")));
}

QTEST_GUILESS_MAIN(TestCliDiff)
#include "tst_cli_diff.moc"
