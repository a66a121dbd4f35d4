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
    void importSkipBadIntoFree_data();
    void importSkipBadIntoFree();
    void channelLists();
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

void TestCliImage::importSkipBadIntoFree_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stderrHas");
    QTest::addColumn<QString>("rx"); // "ch=rx" of the channels in use afterwards

    // Channel 1 holds 145.00000 before each import. (The words for each bad value
    // are the CSV reader's.)
    const QByteArray grid = "CH,Rx Frequency,Cha Name\r\n1,146.5,A\r\n2,480,B\r\n3,147.5,C\r\n";
    const QByteArray community = "Location,Name,Frequency\r\n1,A,146.5\r\n2,B,480\r\n9,C,147.5\r\n";
    QTest::newRow("grid without options: refused")
        << grid << QStringList() << 1 << "line 3: Out of range"
        << "1=145.00000";
    QTest::newRow("grid --skip-bad")
        << grid << QStringList {"--skip-bad"} << 0 << "line 3 skipped: Out of range"
        << "1=146.50000 3=147.50000";
    QTest::newRow("community --skip-bad --into-free")
        << community << QStringList {"--skip-bad", "--into-free"} << 0 << "added into channels 2-3"
        << "1=145.00000 2=146.50000 3=147.50000";
    QTest::newRow("grid --into-free N")
        << QByteArray("CH,Rx Frequency\r\n1,146.5\r\n") << QStringList {"--into-free", "50"} << 0
        << "added into channels 50"
        << "1=145.00000 50=146.50000";
    QTest::newRow("community --into-free=N") << QByteArray("Location,Frequency\r\n1,146.5\r\n")
                                             << QStringList {"--into-free=199"} << 0 << ""
                                             << "1=145.00000 199=146.50000";
    QTest::newRow("every line skipped: nothing written")
        << QByteArray("CH,Rx Frequency\r\n1,480\r\n") << QStringList {"--skip-bad"} << 1
        << "no line of"
        << "1=145.00000";
    QTest::newRow("into-free beyond the channels")
        << grid << QStringList {"--into-free=200"} << 2 << "--into-free takes"
        << "1=145.00000";
    QTest::newRow("into-free with replace")
        << grid << QStringList {"--into-free", "--replace"} << 2 << "cannot be used together"
        << "1=145.00000";
}

void TestCliImage::importSkipBadIntoFree()
{
    QFETCH(QByteArray, csv);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QString, stderrHas);
    QFETCH(QString, rx);

    QVERIFY(WriteFile(path("one.csv"), "CH,Rx Frequency\r\n1,145\r\n"));
    QCOMPARE(cli({"import", path("radio.dat"), path("one.csv")}).exitCode, 0);
    QVERIFY(WriteFile(path("in.csv"), csv));
    const CliRun run
        = cli(QStringList {"import", path("radio.dat")} + options + QStringList {path("in.csv")});
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(stderrHas), qPrintable(run.err));
    if (exitCode != 0) // refused: no summary of a change, and the image as it was
        QCOMPARE(run.out, QByteArray());
    QStringList inUse;
    const QJsonArray rows
        = QJsonDocument::fromJson(cli({"channels", path("radio.dat"), "--json"}).out).array();
    for (const QJsonValue &row : rows) {
        const QString frequency = row.toObject().value("rx").toString();
        if (!frequency.isEmpty())
            inUse << row.toObject().value("ch").toString() + QLatin1Char('=') + frequency;
    }
    QCOMPARE(inUse.join(QLatin1Char(' ')), rx);
}

void TestCliImage::channelLists()
{
    const CliRun lists = cli({"lists"});
    QCOMPARE(lists.exitCode, 0);
    const QStringList lines
        = QString::fromUtf8(lists.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 6);
    for (const QString &line : lines) {
        const QString name = line.section(QLatin1Char('\t'), 0, 0);
        QVERIFY2(!name.isEmpty() && !name.contains(QLatin1Char(' ')), qPrintable(line));
        QVERIFY2(!line.section(QLatin1Char('\t'), 1).isEmpty(), qPrintable(line));
    }
    QVERIFY(lines.contains(
        QStringLiteral("pmr446\tPMR446, 16 channels, 12.5 kHz (licence-free in Europe)")));

    QVERIFY(WriteFile(path("one.csv"), "CH,Rx Frequency\r\n1,145\r\n"));
    QCOMPARE(cli({"import", path("radio.dat"), path("one.csv")}).exitCode, 0);
    const CliRun import = cli({"import", path("radio.dat"), "--list", "pmr446"});
    QCOMPARE(import.exitCode, 0);
    QVERIFY2(
        import.err.contains(QStringLiteral("added into channels 2-17")), qPrintable(import.err));
    const QJsonArray rows
        = QJsonDocument::fromJson(cli({"channels", path("radio.dat"), "--json"}).out).array();
    QCOMPARE(rows.at(1).toObject().value("rx").toString(), QStringLiteral("145.00000"));
    QCOMPARE(rows.at(2).toObject().value("name").toString(), QStringLiteral("PMR1"));
    QCOMPARE(rows.at(17).toObject().value("rx").toString(), QStringLiteral("446.19375"));
    QCOMPARE(rows.at(17).toObject().value("bandwidth").toString(), QStringLiteral("Narrow"));

    QCOMPARE(cli({"import", path("radio.dat"), "--list", "nosuch"}).exitCode, 2);
    QCOMPARE(cli({"import", path("radio.dat"), "--list", "frs", "--replace"}).exitCode, 2);
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
