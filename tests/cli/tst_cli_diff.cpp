// htprog-cli diff run as a program: output and exit status for images that are
// the same, differ in a channel field, a setting or a byte outside every field,
// and for the troubles that give exit status 2.
#include "support/clirun.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QtTest>

class TestCliDiff : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void diff_data();
    void diff();

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

QTEST_GUILESS_MAIN(TestCliDiff)
#include "tst_cli_diff.moc"
