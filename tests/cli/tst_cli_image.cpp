// The image commands of htprog-cli run as a program on files in a temporary folder.
#include "support/clirun.h"
#include "support/testfiles.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

class TestCliImage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void newImageShowsEmptyChannels();
    void chineseTexts();
    void exportImportRoundTrip_data();
    void exportImportRoundTrip();
    void invalidRowChangesNothing();
    void usageErrors_data();
    void usageErrors();

private:
    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    CliRun cli(const QStringList &args) const { return RunCli(args, m_dir.path()); }

    QTemporaryDir m_dir;
};

void TestCliImage::init()
{
    QVERIFY(m_dir.isValid());
    QCOMPARE(cli({"new", path("radio.dat")}).exitCode, 0);
}

void TestCliImage::newImageShowsEmptyChannels()
{
    QCOMPARE(ReadFile(path("radio.dat")).size(), 8192);
    const CliRun run = cli({"channels", path("radio.dat"), "--json"});
    QCOMPARE(run.exitCode, 0);
    QJsonParseError error {};
    const QJsonArray rows = QJsonDocument::fromJson(run.out, &error).array();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(rows.size(), 200);
    QCOMPARE(rows.first().toObject().value("ch").toString(), QStringLiteral("Pr"));
    QCOMPARE(rows.at(1).toObject().value("ch").toString(), QStringLiteral("1"));
    QCOMPARE(rows.last().toObject().value("ch").toString(), QStringLiteral("199"));
    const QStringList keys {
        "bandwidth", "ch", "lock", "name", "power", "rx", "rx_tone", "scan", "tx", "tx_tone"};
    QCOMPARE(rows.at(5).toObject().keys(), keys);
    QCOMPARE(rows.at(5).toObject().value("rx").toString(), QString());

    const CliRun table = cli({"channels", path("radio.dat")});
    QCOMPARE(table.exitCode, 0);
    QVERIFY(table.out.startsWith("CH   Rx Frequency  Tx Frequency"));
    QCOMPARE(table.out.count('\n'), 201);
}

void TestCliImage::chineseTexts()
{
    QVERIFY(WriteFile(path("one.csv"), "CH,Rx Frequency\n3,146.525\n"));
    QCOMPARE(cli({"import", path("radio.dat"), path("one.csv")}).exitCode, 0);
    const CliRun run = cli({"channels", path("radio.dat"), "--json", "--lang", "zh"});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject row = QJsonDocument::fromJson(run.out).array().at(3).toObject();
    QCOMPARE(row.value("rx").toString(), QStringLiteral("146.52500"));
    QCOMPARE(row.value("tx_tone").toString(), QStringLiteral("无"));
    QCOMPARE(row.value("power").toString(), QStringLiteral("高"));

    const CliRun table = cli({"channels", path("radio.dat"), "--lang=zh"});
    QVERIFY(QString::fromUtf8(table.out).startsWith(QStringLiteral("信道  接收频率")));

    const CliRun features = cli({"features", path("radio.dat"), "--json", "--lang", "zh"});
    QCOMPARE(features.exitCode, 0);
    const QJsonObject object = QJsonDocument::fromJson(features.out).object();
    // The keys are the English print-out labels whatever the language.
    QCOMPARE(object.keys(),
        QStringList({"Battery Saver", "Beep", "Busy", "Call Tone", "Channel Display", "Encoder",
            "Keypad Lock", "LED", "Mode", "Pri-Scanning Time", "Priority Scan", "Scan Mode",
            "Squelch Level", "Step", "Time Out Timer", "Voice Sensitivity"}));
    QCOMPARE(object.value("Beep").toString(), QStringLiteral("开"));
}

void TestCliImage::exportImportRoundTrip_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("grid") << "grid";
    QTest::newRow("community") << "community";
}

void TestCliImage::exportImportRoundTrip()
{
    QFETCH(QString, format);
    QVERIFY(WriteFile(path("in.csv"),
        "CH,Rx Frequency,Tx Frequency,Rx Tone,Tx Tone,Power,Cha Lock,Scan Add,"
        "Bandwidth,Cha Name\r\nPr,146.52500,146.52500,88.5,88.5,High,Lock,Yes,Wide,"
        "HOME\r\n9,440.01250,445.01250,D754N,D754N,High,Lock,No,Narrow,R9\r\n"));
    QCOMPARE(cli({"import", path("radio.dat"), path("in.csv")}).exitCode, 0);
    const CliRun before = cli({"channels", path("radio.dat"), "--json"});

    QCOMPARE(cli({"export", path("radio.dat"), path("out.csv"), "--format", format}).exitCode, 0);
    QCOMPARE(cli({"new", path("copy.dat")}).exitCode, 0);
    const CliRun import = cli({"import", path("copy.dat"), path("out.csv"), "--replace"});
    QCOMPARE(import.exitCode, 0);
    QCOMPARE(
        import.out, QByteArray("2 channels imported into ") + path("copy.dat").toUtf8() + '\n');
    QCOMPARE(cli({"channels", path("copy.dat"), "--json"}).out, before.out);
    if (format == QLatin1String("grid"))
        QCOMPARE(ReadFile(path("copy.dat")), ReadFile(path("radio.dat")));
}

void TestCliImage::invalidRowChangesNothing()
{
    QVERIFY(WriteFile(path("bad.csv"), "CH,Rx Frequency\r\n1,146.5\r\n2,146.5126\r\n"));
    const QByteArray before = ReadFile(path("radio.dat"));
    const CliRun run = cli({"import", path("radio.dat"), path("bad.csv")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral(
                 "line 3: Error data Value, please input according the step value(6.25K/5k).")),
        qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    QCOMPARE(ReadFile(path("radio.dat")), before);
}

void TestCliImage::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("new without a file") << QStringList {"new"};
    QTest::newRow("channels with two files") << QStringList {"channels", "a.dat", "b.dat"};
    QTest::newRow("unknown option") << QStringList {"channels", "radio.dat", "--csv"};
    QTest::newRow("unknown language") << QStringList {"features", "radio.dat", "--lang", "de"};
    QTest::newRow("language without value") << QStringList {"channels", "radio.dat", "--lang"};
    QTest::newRow("unknown CSV format")
        << QStringList {"export", "radio.dat", "x.csv", "--format", "xml"};
    QTest::newRow("import without CSV") << QStringList {"import", "radio.dat"};
}

void TestCliImage::usageErrors()
{
    QFETCH(QStringList, args);
    const QByteArray before = ReadFile(path("radio.dat"));
    const CliRun run = cli(args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.err.contains(QStringLiteral("htprog-cli --help")));
    QCOMPARE(ReadFile(path("radio.dat")), before);
    QVERIFY(!QFile::exists(path("x.csv")));
}

QTEST_GUILESS_MAIN(TestCliImage)
#include "tst_cli_image.moc"
