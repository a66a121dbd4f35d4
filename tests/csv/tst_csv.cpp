#include "channelcsv.h"
#include "csvtable.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

const QByteArray kHeader
    = "CH,Rx Frequency,Tx Frequency,Rx Tone,Tx Tone,Power,Cha Lock,Scan Add,Bandwidth,Cha Name\r\n";

// Records joined for comparison: fields by "|", records by ";".
QString flatten(const CsvTable &table)
{
    QStringList records;
    for (const CsvRecord &r : table.records)
        records << QString::number(r.line) + QLatin1Char(':') + r.fields.join(QLatin1Char('|'));
    return records.join(QLatin1Char(';'));
}

// A row's nine grid texts joined by commas.
QString Joined(const ChannelTexts &texts)
{
    return QStringList(texts.begin(), texts.end()).join(QLatin1Char(','));
}

MemoryImage sampleImage()
{
    MemoryImage image = NewImage();
    EncodeChannel(image, 0,
        {"146.52500", "146.52500", "88.5", "D023N", "High", "Lock", "Yes", "Wide", "HOME"});
    EncodeChannel(image, 7,
        {"440.01250", "445.01250", "None", "D754I", "Low", "Unlock", "No", "Narrow", "R-7_"});
    EncodeChannel(
        image, 199, {"145.50000", "", "67.0", "None", "Middle", "Lock", "Yes", "Wide", ""});
    return image;
}

} // namespace

class TestCsv : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void formatQuotesWhatNeedsIt();
    void refusedImport_data();
    void refusedImport();
    void acceptedRow_data();
    void acceptedRow();
    void replaceEmptiesOnlyUnlistedChannels();
    void gridRoundTripKeepsEveryByte();
    void communityExport_data();
    void communityExport();
    void communitySamplesImport_data();
    void communitySamplesImport();
};

void TestCsv::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("errorLine");

    QTest::newRow("CR LF and LF end records")
        << QByteArray("a,b\r\nc,d\ne") << "1:a|b;2:c|d;3:e" << 0;
    QTest::newRow("byte order mark dropped") << QByteArray("\xEF\xBB\xBFx,y\n") << "1:x|y" << 0;
    QTest::newRow("quoted comma and doubled quote")
        << QByteArray("\"a,b\",\"say \"\"hi\"\"\"\n") << "1:a,b|say \"hi\"" << 0;
    QTest::newRow("quoted line break keeps the start line")
        << QByteArray("\"a\nb\",c\nd\n") << "1:a\nb|c;3:d" << 0;
    QTest::newRow("blank lines are skipped, numbering goes on")
        << QByteArray("a\n\n\r\nb\n") << "1:a;4:b" << 0;
    QTest::newRow("empty fields kept") << QByteArray(",,\n") << "1:||" << 0;
    QTest::newRow("unclosed quote") << QByteArray("a\n\"b,c\n") << "" << 2;
    QTest::newRow("text after a closing quote") << QByteArray("a\nb\n\"c\"d,e\n") << "" << 3;
    QTest::newRow("not UTF-8") << QByteArray("a\nb\xFF\n") << "" << 2;
}

void TestCsv::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QFETCH(int, errorLine);

    const CsvTable table = ParseCsv(bytes);
    QCOMPARE(table.errorLine, errorLine);
    QCOMPARE(table.ok(), errorLine == 0);
    if (table.ok())
        QCOMPARE(flatten(table), expected);
}

void TestCsv::formatQuotesWhatNeedsIt()
{
    const QStringList fields {"plain", "a,b", "say \"hi\"", "two\nlines", " padded ", "", "无"};
    const QString line = FormatCsvRecord(fields);
    QVERIFY(line.startsWith(QLatin1String("plain,\"a,b\",")));
    QVERIFY(line.endsWith(QString::fromUtf8(",,无\r\n")));
    const CsvTable table = ParseCsv(line.toUtf8());
    QVERIFY(table.ok());
    QCOMPARE(table.records.size(), 1);
    QCOMPARE(table.records.first().fields, fields);
}

void TestCsv::refusedImport_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");

    const QByteArray ok = "1,146.52500,146.52500,None,None,High,Lock,Yes,Wide,A\r\n";
    auto row = [&](const char *name, const QByteArray &bad, int line, const char *reason) {
        QTest::newRow(name) << kHeader + ok + bad << line << QString::fromUtf8(reason);
    };
    row("Rx out of the band limits", "2,480.00000,,,,,,,,\r\n", 3,
        "Out of range,please input again. (Rx Frequency \"480.00000\")");
    row("Rx not a number", "2,abc,,,,,,,,\r\n", 3, "Out of range,please input again.");
    row("Rx off the step raster", "2,146.5126,,,,,,,,\r\n", 3,
        "Error data Value, please input according the step value(6.25K/5k).");
    row("Tx out of range", "2,146.5,174,,,,,,,\r\n", 3,
        "Out of range,please input again. (Tx Frequency \"174\")");
    row("tone not in the list", "2,146.5,146.5,67,,,,,,\r\n", 3, "Rx Tone \"67\" is not a tone");
    row("DCS code not in the list", "2,146.5,146.5,,D017N,,,,,\r\n", 3, "Tx Tone \"D017N\"");
    row("unknown power word", "2,146.5,146.5,,,Max,,,,\r\n", 3, "Power \"Max\" is not one of");
    row("unknown bandwidth word", "2,146.5,146.5,,,,,,Medium,\r\n", 3, "Bandwidth \"Medium\"");
    row("name of 7 characters", "2,146.5,146.5,,,,,,,ABCDEFG\r\n", 3, "more than 6 characters");
    row("name the radio cannot show", "2,146.5,146.5,,,,,,,A B\r\n", 3, "cannot show \" \"");
    row("letter outside ASCII is not upper-cased into the radio's",
        "2,146.5,146.5,,,,,,,\xC3\x9F\r\n", 3, "cannot show \"\xC3\x9F\"");
    row("CH past 199", "200,146.5,,,,,,,,\r\n", 3, "CH \"200\" is not Pr or 1-199");
    row("CH zero", "0,146.5,,,,,,,,\r\n", 3, "CH \"0\"");
    row("channel listed twice", "1,146.5,,,,,,,,\r\n", 3, "channel 1 is already set on line 2");
    row("values without an Rx", "2,,146.5,,,,,,,\r\n", 3, "Rx Frequency is empty");
    row("extra filled field", "2,146.5,,,,,,,,,X\r\n", 3, "more fields than the header");
    row("broken quoting", "2,\"146.5,\r\n", 3, "a quoted field is not closed");
    QTest::newRow("unknown column")
        << QByteArray("CH,Rx Freq\r\n1,146.5\r\n") << 1 << "unknown column \"Rx Freq\"";
    QTest::newRow("no Rx column") << QByteArray("CH,Cha Name\r\n1,A\r\n") << 1
                                  << "needs at least the columns CH and Rx Frequency";
    QTest::newRow("empty file") << QByteArray() << 0 << "the file is empty";
    QTest::newRow("community offset far beyond a 32-bit count")
        << QByteArray("Location,Frequency,Duplex,Offset\r\n3,146.52,+,99999\r\n") << 2
        << "Out of range,please input again. (Tx Frequency";
}

void TestCsv::refusedImport()
{
    QFETCH(QByteArray, csv);
    QFETCH(int, line);
    QFETCH(QString, reason);

    MemoryImage image = sampleImage();
    const MemoryImage before = image;
    const CsvImportResult result = ImportChannelsCsv(csv, image, true);
    QVERIFY(!result.ok());
    QCOMPARE(result.errorLine, line);
    QVERIFY2(result.error.contains(reason), qPrintable(result.error));
    QVERIFY(result.message().startsWith(
        line > 0 ? QStringLiteral("line %1: ").arg(line) : result.error));
    QCOMPARE(image, before);
}

void TestCsv::acceptedRow_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("expected"); // the grid texts of channel 2 afterwards

    QTest::newRow("Chinese words, lower case, spaces")
        << kHeader + " 2 , 146.5 ,146.5,d023n, 无 ,中,未锁定,无,窄, ab-1 \r\n"
        << "146.50000,146.50000,D023N,None,Middle,Unlock,No,Narrow,AB-1";
    QTest::newRow("empty Tx stays empty, as the grid shows it")
        << kHeader + "2,146.5,,,,,,,,\r\n"
        << "146.50000,,None,None,Low,Lock,Yes,Wide,";
    QTest::newRow("columns left out take the grid's new-channel values") << QByteArray(
        "Rx Frequency,CH\n433.0125,2\n") << "433.01250,433.01250,None,None,High,Lock,Yes,Wide,";
    QTest::newRow("Chinese header") << QByteArray("信道,接收频率,信道名字\n2,150,X\n")
                                    << "150.00000,150.00000,None,None,High,Lock,Yes,Wide,X";
    QTest::newRow("an empty row empties the channel")
        << kHeader + "7,,,,,,,,,\r\n2,146.5,,,,,,,,\r\n"
        << "146.50000,,None,None,Low,Lock,Yes,Wide,";
}

void TestCsv::acceptedRow()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, expected);

    MemoryImage image = sampleImage();
    const CsvImportResult result = ImportChannelsCsv(csv, image, false);
    QVERIFY2(result.ok(), qPrintable(result.message()));
    QCOMPARE(Joined(DecodeChannel(image, 2, false)), expected);
    // Channels the file does not list keep their texts unless the file empties them.
    QCOMPARE(DecodeChannel(image, 0, false), DecodeChannel(sampleImage(), 0, false));
    QCOMPARE(IsChannelEmpty(image, 7), csv.contains("\n7,"));
}

void TestCsv::replaceEmptiesOnlyUnlistedChannels()
{
    MemoryImage image = sampleImage();
    image[7 * 16 + 13] = 0x5A; // a byte the grid does not own
    const MemoryImage before = image;
    const QByteArray csv = kHeader + "7,440.0125,445.0125,None,D754I,Low,Unlock,No,Narrow,R-7_\r\n";
    QVERIFY(ImportChannelsCsv(csv, image, true).ok());
    QVERIFY(IsChannelEmpty(image, 0));
    QVERIFY(IsChannelEmpty(image, 199));
    QCOMPARE(image[7 * 16 + 13], quint8(0x5A));
    // Records and names of listed channels, band limits and settings are as before.
    for (int a = 7 * 16; a < 8 * 16; ++a)
        QCOMPARE(image[a], before[a]);
    for (int a = ImageMap::kNameBase; a < kImageSize; ++a)
        QCOMPARE(image[a], before[a]);
}

void TestCsv::gridRoundTripKeepsEveryByte()
{
    MemoryImage image = sampleImage();
    image[5 * 16 + 3] = 0x14; // channel 5: 146.xx with a tone outside the list (100.5 Hz)
    image[5 * 16 + 2] = 0x65;
    image[5 * 16 + 1] = image[5 * 16] = 0x00;
    image[5 * 16 + 8] = 0x05;
    image[5 * 16 + 9] = 0x10;
    image[5 * 16 + 12] = 0xE6; // High, unlocked, scan add, wide, with the bits the grid keeps
    for (int i = 0; i < 8; ++i) // an 8-character name read from a radio: "ABCDEFGH"
        image[ImageMap::kNameBase + 5 * 8 + i] = quint8(10 + i);
    const MemoryImage before = image;
    const QByteArray csv = ExportChannelsCsv(image, CsvLayout::Grid);
    QCOMPARE(csv.count('\n'), 1 + 4);
    QVERIFY(csv.contains("\r\n5,146.50000,,100.5,"));
    const CsvImportResult result = ImportChannelsCsv(csv, image, true);
    QVERIFY2(result.ok(), qPrintable(result.message()));
    QCOMPARE(result.channels, 4);
    QCOMPARE(image, before);
}

void TestCsv::communityExport_data()
{
    QTest::addColumn<QString>("texts"); // the grid texts, comma-separated
    QTest::addColumn<QString>("expected"); // Duplex|Offset|Tone|rTone|cTone|Dtcs|Pol|Mode|Skip

    auto row = [](const char *name, const char *texts, const char *expected) {
        QTest::newRow(name) << texts << expected;
    };
    row("simplex without tones", "146.52500,146.52500,None,None,High,Lock,Yes,Wide,A",
        "|0.000000||88.5|88.5|023|NN|FM|");
    row("repeater up with a transmit tone", "440.01250,445.01250,None,100.0,High,Lock,No,Narrow,",
        "+|5.000000|Tone|100.0|100.0|023|NN|NFM|S");
    row("repeater down with tone squelch", "146.94000,146.34000,131.8,131.8,High,Lock,Yes,Wide,",
        "-|0.600000|TSQL|131.8|131.8|023|NN|FM|");
    row("DCS with reversed receive", "146.5,146.5,D754I,D754N,High,Lock,Yes,Wide,",
        "|0.000000|DTCS|88.5|88.5|754|NR|FM|");
    row("cross band is a split", "146.5,446.5,None,None,High,Lock,Yes,Wide,",
        "split|446.500000||88.5|88.5|023|NN|FM|");
    row("no Tx is duplex off", "146.5,,None,None,High,Lock,Yes,Wide,",
        "off|0.000000||88.5|88.5|023|NN|FM|");
}

void TestCsv::communityExport()
{
    QFETCH(QString, texts);
    QFETCH(QString, expected);

    MemoryImage image = NewImage();
    ChannelTexts channel;
    const QStringList split = texts.split(QLatin1Char(','));
    std::copy(split.begin(), split.end(), channel.begin());
    EncodeChannel(image, 3, channel);
    const CsvTable table = ParseCsv(ExportChannelsCsv(image, CsvLayout::Community));
    QVERIFY(table.ok());
    QCOMPARE(table.records.size(), 2);
    const QStringList f = table.records[1].fields;
    QCOMPARE(f.size(), 17);
    QCOMPARE(f[0], QStringLiteral("3"));
    QCOMPARE(
        QStringList({f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10], f[12]}).join('|'), expected);

    // Read back, the channel is the same.
    MemoryImage back = NewImage();
    QVERIFY(ImportChannelsCsv(ExportChannelsCsv(image, CsvLayout::Community), back, false).ok());
    QCOMPARE(DecodeChannel(back, 3, false)[kColRx], DecodeChannel(image, 3, false)[kColRx]);
    QCOMPARE(DecodeChannel(back, 3, false)[kColTx], DecodeChannel(image, 3, false)[kColTx]);
}

void TestCsv::communitySamplesImport_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("expected");

    QTest::newRow("quoted comment, short decimals, DTCS 23")
        << "au-nz-uhf-cb.csv" << 81 << 1
        << "476.42500,477.17500,None,None,High,Lock,Yes,Narrow,CB01RP";
    QTest::newRow("every tone mode") << "tone-modes-matrix.csv" << 14 << 3
                                     << "146.00000,146.00000,D074I,D074N,High,Lock,Yes,Wide,DCS074";
    QTest::newRow("blank Duplex with an Offset is simplex; 0.5 W is Low")
        << "us-frs-gmrs.csv" << 52 << 8 << "467.56250,467.56250,None,None,Low,Lock,Yes,Narrow,FRS8";
    QTest::newRow("Skip S clears scan add, extra trailing field")
        << "us-marine-vhf.csv" << 60 << 1
        << "160.65000,156.05000,None,None,High,Lock,No,Wide,SEA01";
    QTest::newRow("header spells Tstep")
        << "us-railroad.csv" << 186 << 1
        << "159.81000,159.81000,None,None,High,Lock,Yes,Wide,AAR002";
    QTest::newRow("Location 0 is Pr") << "user-export-21col.csv" << 24 << 0
                                      << "146.94000,146.34000,None,131.8,High,Lock,Yes,Wide,K0USA";
}

void TestCsv::communitySamplesImport()
{
    QFETCH(QString, file);
    QFETCH(int, channels);
    QFETCH(int, record);
    QFETCH(QString, expected);

    QFile csv(QStringLiteral(HTPROG_TEST_DATA "/csv-samples/") + file);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    MemoryImage image = NewImage();
    const CsvImportResult result = ImportChannelsCsv(csv.readAll(), image, true);
    QVERIFY2(result.ok(), qPrintable(result.message()));
    QCOMPARE(result.channels, channels);
    QCOMPARE(Joined(DecodeChannel(image, record, false)), expected);
}

QTEST_GUILESS_MAIN(TestCsv)
#include "tst_csv.moc"
