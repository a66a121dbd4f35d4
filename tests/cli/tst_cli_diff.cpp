// htprog-cli diff run as a program: output and exit status for images that are
// the same, differ in a channel field, a setting or a byte outside every field,
// and for the troubles that give exit status 2.
#include "clirun.h"
#include "testfiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

class TestCliDiff : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void diff_data();
    void diff();
    void json();
    void trouble_data();
    void trouble();

private:
    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    // b.dat as a.dat with the byte at address set to value.
    void makeB(int address, char value) const
    {
        QByteArray bytes = ReadFile(path("a.dat"));
        if (address >= 0)
            bytes[address] = value;
        QVERIFY(WriteFile(path("b.dat"), bytes));
    }

    QTemporaryDir m_dir;
};

void TestCliDiff::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QCOMPARE(RunCli({"new", path("a.dat")}).exitCode, 0);
    QByteArray bytes = ReadFile(path("a.dat"));
    bytes.replace(0x10, 4, QByteArray::fromHex("00005014")); // channel 1 at 145.00000 MHz
    QVERIFY(WriteFile(path("a.dat"), bytes));
}

void TestCliDiff::diff_data()
{
    QTest::addColumn<int>("address"); // -1: b.dat is a copy of a.dat
    QTest::addColumn<char>("value");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out"); // "A" and "B" stand for the two paths

    QTest::newRow("identical") << -1 << '\0' << "en" << 0 << "";
    QTest::newRow("one channel field") << 0x12 << '\x51' << "en" << 1
                                       << "Channels\n"
                                          "CH  Field         A          B\n"
                                          "1   Rx Frequency  145.00000  145.10000\n";
    QTest::newRow("one channel field, Chinese") << 0x12 << '\x51' << "zh" << 1
                                                << "信道\n"
                                                   "信道 项目 A B\n"
                                                   "1 接收频率 145.00000 145.10000\n";
    QTest::newRow("one setting") << 0x1FC0 << '\xFE' << "en" << 1
                                 << "Settings\n"
                                    "Setting  A   B\n"
                                    "Beep     On  Off\n";
    QTest::newRow("one byte outside every field") << 0x1FFF << '\x00' << "en" << 1
                                                  << "Other bytes\n"
                                                     "Address  A   B\n"
                                                     "0x1FFF   FF  00\n";
}

void TestCliDiff::diff()
{
    QFETCH(int, address);
    QFETCH(char, value);
    QFETCH(QString, lang);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    makeB(address, value);

    const CliRun run = RunCli({"diff", path("a.dat"), path("b.dat"), "--lang", lang});

    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.err, QString());
    // Column widths follow the paths' length: compare with single spaces.
    const auto squeezed = [](QString text) { return text.replace(QRegularExpression(" +"), " "); };
    QString shown = QString::fromUtf8(run.out);
    shown.replace(path("a.dat"), "A").replace(path("b.dat"), "B");
    QCOMPARE(squeezed(shown), squeezed(out));
}

void TestCliDiff::json()
{
    makeB(0x12, '\x51');
    const CliRun run = RunCli({"diff", path("a.dat"), path("b.dat"), "--json"});

    QCOMPARE(run.exitCode, 1);
    QJsonParseError error {};
    const QJsonObject diff = QJsonDocument::fromJson(run.out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(diff.value("same").toBool(true), false);
    const QJsonObject channel = diff.value("channels").toArray().at(0).toObject();
    QCOMPARE(channel.value("ch").toString(), QStringLiteral("1"));
    QCOMPARE(channel.value("column").toString(), QStringLiteral("rx"));
    QCOMPARE(channel.value("b").toString(), QStringLiteral("145.10000"));
    QVERIFY(diff.value("settings").toArray().isEmpty());
    QVERIFY(diff.value("other_bytes").toArray().isEmpty());
}

void TestCliDiff::trouble_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("one file") << QStringList {"diff", "a.dat"};
    QTest::newRow("a missing file") << QStringList {"diff", "a.dat", "missing.dat"};
    QTest::newRow("a short file") << QStringList {"diff", "short.dat", "a.dat"};
    QTest::newRow("unknown language") << QStringList {"diff", "a.dat", "a.dat", "--lang", "fr"};
}

void TestCliDiff::trouble()
{
    QFETCH(QStringList, args);
    QVERIFY(WriteFile(path("short.dat"), "short"));

    const CliRun run = RunCli(args, m_dir.path());

    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY(!run.err.isEmpty());
}

QTEST_GUILESS_MAIN(TestCliDiff)
#include "tst_cli_diff.moc"
