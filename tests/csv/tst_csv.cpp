#include "channels/tonetable.h"
#include "csv/channelcsv.h"
#include "csv/channellists.h"
#include "csv/csvtable.h"
#include "settings/language.h"

#include <QDir>
#include <QFile>
#include <QTranslator>
#include <QtTest>

namespace {

const QByteArray kHeader
    = "CH,Rx Frequency,Tx Frequency,Rx Tone,Tx Tone,Power,Cha Lock,Scan Add,Bandwidth,Cha Name\r\n";

// Records joined for comparison: fields by "|", records by ";".
QString Flatten(const CsvTable &table)
{
    QStringList records;
    for (const CsvRecord &r : table.records)
        records << QString::number(r.line) + QLatin1Char(':') + r.fields.join(QLatin1Char('|'));
    return records.join(QLatin1Char(';'));
}

// The notes of an import, one a line.
QString Notes(const CsvImportResult &result)
{
    QStringList notes;
    for (const Wording &note : result.notes)
        notes << note.text();
    return notes.join(QLatin1Char('\n'));
}

MemoryImage SampleImage();

// What an import with skipBad shows, one a line: the refusal, the lines left
// out and the notes, in the language loaded.
QString ShownTexts(const QByteArray &csv)
{
    MemoryImage image = SampleImage();
    CsvImportOptions options;
    options.skipBad = true;
    const CsvImportResult result = ImportChannelsCsv(csv, image, options);
    QStringList texts;
    if (!result.ok())
        texts << result.message();
    for (const SkippedLine &line : result.skipped)
        texts << LineText(line.line, line.reason.text());
    if (!result.notes.isEmpty())
        texts << Notes(result);
    return texts.join(QLatin1Char('\n'));
}

// A row's nine grid texts joined by commas.
QString Joined(const ChannelTexts &texts)
{
    return QStringList(texts.begin(), texts.end()).join(QLatin1Char(','));
}

MemoryImage SampleImage()
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

Q_DECLARE_METATYPE(CsvLayout)

class TestCsv : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void formatQuotesWhatNeedsIt();
    void textsInTheInterfaceLanguage_data();
    void textsInTheInterfaceLanguage();
    void refusedImport_data();
    void refusedImport();
    void acceptedRow_data();
    void acceptedRow();
    void messagesQuoteAShortVisiblePart_data();
    void messagesQuoteAShortVisiblePart();
    void replaceEmptiesOnlyUnlistedChannels();
    void replaceWithNoChannelsIsRefused();
    void skipBadAndIntoFree_data();
    void skipBadAndIntoFree();
    void recordRanges();
    void channelListsFitANewImage_data();
    void channelListsFitANewImage();
    void reimportKeepsEveryByte_data();
    void reimportKeepsEveryByte();
    void communityExport_data();
    void communityExport();
    void layoutsAgreeInAnotherImage();
    void communityRoundTripKeepsEveryByte();
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
    QTest::newRow("CR alone ends records, also after a quoted line break")
        << QByteArray("a,b\rc\r\n\"d\re\",f\rg") << "1:a|b;2:c;3:d\re|f;5:g" << 0;
    QTest::newRow("text after a closing quote") << QByteArray("a\nb\n\"c\"d,e\n") << "" << 3;
}

void TestCsv::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QFETCH(int, errorLine);

    const CsvTable table = ParseCsv(bytes);
    QCOMPARE(table.status.line(), errorLine);
    QCOMPARE(table.ok(), errorLine == 0);
    if (table.ok())
        QCOMPARE(Flatten(table), expected);
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

void TestCsv::textsInTheInterfaceLanguage_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("chinese");
    const auto row = [](const char *name, const QByteArray &csv, const char *english,
                         const char *chinese) {
        QTest::newRow(name) << csv << QString::fromUtf8(english) << QString::fromUtf8(chinese);
    };
    row("frequency not a number", kHeader + "2,abc,,,,,,,,\r\n",
        "line 2: Rx Frequency \"abc\" is not a frequency in MHz (digits with a decimal point, as "
        "146.525)",
        "第 2 行：接收频率 \"abc\" 不是以 MHz 为单位的频率（应为带小数点的数字，例如 146.525）");
    row("frequency out of range", kHeader + "2,480,,,,,,,,\r\n",
        "line 2: Out of range,please input again. (Rx Frequency \"480\")",
        "第 2 行：超出范围，请重新输入。（接收频率 \"480\"）");
    row("tone not in the list", kHeader + "2,146.5,,67.05,,,,,,\r\n",
        "line 2: Rx Tone \"67.05\" is not a tone of the list (67.0 ... 254.1, D023N ... D754N, "
        "D023I ... D754I or None)",
        "第 2 行：接收信令 \"67.05\" 不是信令列表中的值（67.0 ... 254.1、D023N ... D754N、D023I "
        "... D754I 或 None）");
    row("word not in the list", kHeader + "2,146.5,,,,Max,,,,\r\n",
        "line 2: Power \"Max\" is not one of High, 高, Middle, 中, Low, 低",
        "第 2 行：功率 \"Max\" 不是以下之一：High, 高, Middle, 中, Low, 低");
    row("Tx that an offset gives", "Location,Frequency,Duplex,Offset\r\n3,146.52,+,30\r\n",
        "line 2: Out of range,please input again. (Offset \"30\" with Duplex \"+\" gives the Tx "
        "frequency \"176.52000\" MHz)",
        "第 2 行：超出范围，请重新输入。（Offset \"30\" 与 Duplex \"+\" 得出的发射频率为 "
        "\"176.52000\" MHz）");
    row("a long name, in a note", kHeader + "2,146.5,,,,,,,,abcdefgh\r\n",
        "line 2: name \"abcdefgh\" stored as \"ABCDEF\"",
        "第 2 行：名字 \"abcdefgh\" 存为 \"ABCDEF\"");
    // A header or a file that cannot be read refuses the whole import.
    row("unknown column", "CH,Rx Freq\r\n1,146.5\r\n",
        "line 1: unknown column \"Rx Freq\" in the header",
        "第 1 行：标题行中有未知的列 \"Rx Freq\"");
    row("unclosed quote", "CH,Rx Frequency\r\n1,146.5\r\n2,\"146.5\r\n",
        "line 3: a quoted field is not closed", "第 3 行：引号中的字段缺少结束引号");
    row("not UTF-8", "CH,Rx Frequency\r\n1,146.5\xFF\r\n", "line 2: the file is not UTF-8 text",
        "第 2 行：文件不是 UTF-8 文本");
}

// The reasons and notes come in the language loaded, column names included;
// without a translation (as in the CLI) they are the English texts, letter for letter.
void TestCsv::textsInTheInterfaceLanguage()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, english);
    QFETCH(QString, chinese);

    QCOMPARE(ShownTexts(csv), english);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(HTPROG_BIN_DIR "/Chinese.qm")));
    QCoreApplication::installTranslator(&translator);
    SetLanguageState(QStringLiteral("Chinese"));
    const QString shown = ShownTexts(csv);
    SetLanguageState(QStringLiteral("English"));
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(shown, chinese);
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
    row("Rx with a decimal comma", "2,\"145,5\",,,,,,,,\r\n", 3,
        "Rx Frequency \"145,5\" is not a frequency in MHz");
    row("Tx with a unit", "2,146.5,146.5 MHz,,,,,,,\r\n", 3, "Tx Frequency \"146.5 MHz\"");
    row("Rx off the step raster", "2,146.5126,,,,,,,,\r\n", 3,
        "Error data Value, please input according the step value(6.25K/5k).");
    row("Tx out of range", "2,146.5,174,,,,,,,\r\n", 3,
        "Out of range,please input again. (Tx Frequency \"174\")");
    row("DCS code without its D", "2,146.5,146.5,023,,,,,,\r\n", 3,
        "Rx Tone \"023\" is not a tone");
    row("DCS code not in the list", "2,146.5,146.5,,D017N,,,,,\r\n", 3, "Tx Tone \"D017N\"");
    row("unknown bandwidth word", "2,146.5,146.5,,,,,,Medium,\r\n", 3, "Bandwidth \"Medium\"");
    row("control characters are shown, not sent",
        QByteArray("2,146.5,146.5,A") + '\0' + "\x1b[2J,,,,,,\r\n", 3,
        "Rx Tone \"A\\x00\\x1B[2J\" is not a tone");
    row("a row cut short", "8,145.50000,145.5\r\n", 3,
        "the line has 3 fields where the header has 10 columns");
    row("CH past 199", "200,146.5,,,,,,,,\r\n", 3, "CH \"200\" is not Pr or 1-199");
    row("CH zero", "0,146.5,,,,,,,,\r\n", 3, "CH \"0\"");
    row("channel listed twice", "1,146.5,,,,,,,,\r\n", 3, "channel 1 is already set on line 2");
    row("values without an Rx", "2,,146.5,,,,,,,\r\n", 3, "Rx Frequency is empty");
    row("extra filled field", "2,146.5,,,,,,,,,X\r\n", 3, "more fields than the header");
    QTest::newRow("no Rx column") << QByteArray("CH,Cha Name\r\n1,A\r\n") << 1
                                  << "needs at least the columns CH and Rx Frequency";
    QTest::newRow("empty file") << QByteArray() << 0 << "the file is empty";
    QTest::newRow("CR line ends: the line is counted")
        << QByteArray("CH,Rx Frequency\r1,146.5\r\r2,abc\r") << 4 << "Rx Frequency \"abc\"";
    QTest::newRow("community offset far beyond a 32-bit count")
        << QByteArray("Location,Frequency,Duplex,Offset\r\n3,146.52,-,99999\r\n") << 2
        << "Out of range,please input again. (Offset \"99999\" with Duplex \"-\")";
    QTest::newRow("community split without a number")
        << QByteArray("Location,Frequency,Duplex,Offset\r\n3,146.52,split,\r\n") << 2
        << "Offset \"\" (the Tx frequency of a split channel) is not a number";
    const QByteArray community = "Location,Frequency,Duplex,Offset,Tone,rToneFreq,Power\r\n";
    QTest::newRow("community offset with a decimal comma") << community
            + "3,146.52,-,\"0,6\",,,\r\n" << 2 << "Offset \"0,6\" is not a number";
    QTest::newRow("community power nan") << community + "3,146.52,,,,,nan\r\n"
                                         << 2 << "Power \"nan\" is not a number of watts";
    QTest::newRow("community power inf") << community + "3,146.52,,,,,inf\r\n" << 2 << "\"inf\"";
    QTest::newRow("community tone with a decimal comma") << community
            + "3,146.52,,,Tone,\"88,5\",\r\n" << 2 << "rToneFreq \"88,5\" is not a tone in Hz";
    QTest::newRow("community tone between two tones") << community + "3,146.52,,,Tone,88.54,\r\n"
                                                      << 2 << "rToneFreq \"88.54\"";
    QTest::newRow("community tone left empty") << community + "3,146.52,,,Tone,,\r\n"
                                               << 2 << "rToneFreq \"\" is not a tone";
    QTest::newRow("community row cut short") << community + "3,146.52,,\r\n"
                                             << 2 << "the line has 4 fields where the header has 7";
    QTest::newRow("community row with a value more (an unquoted comma)") << community
            + "3,146.52,,,,,1,5W\r\n" << 2 << "more fields than the header";
    QTest::newRow("community lock word")
        << QByteArray("Location,Frequency,Cha Lock\r\n3,146.52,maybe\r\n") << 2
        << "Cha Lock \"maybe\" is not one of";

    QByteArray many = kHeader;
    for (int ch = 1; ch <= 199; ++ch)
        many += QByteArray::number(ch) + ",146.5\r\n";
    many += "Pr,146.5\r\n\r\n";
    QTest::newRow("200 channels and one more row") << many + "1,146.5\r\n"
                                                   << 203 << "more than 200 channel rows";
    QTest::newRow("larger than 1 MB")
        << kHeader + QByteArray(1024 * 1024, '\n') << 0 << "larger than 1048576 bytes";
}

void TestCsv::refusedImport()
{
    QFETCH(QByteArray, csv);
    QFETCH(int, line);
    QFETCH(QString, reason);

    MemoryImage image = SampleImage();
    const MemoryImage before = image;
    const CsvImportResult result = ImportChannelsCsv(csv, image, true);
    QVERIFY(!result.ok());
    QCOMPARE(result.status.line(), line);
    QVERIFY2(result.status.text().contains(reason), qPrintable(result.message()));
    QVERIFY(result.message().startsWith(
        line > 0 ? QStringLiteral("line %1: ").arg(line) : result.status.text()));
    QCOMPARE(image, before);
}

void TestCsv::acceptedRow_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("expected"); // the grid texts of the record afterwards
    QTest::addColumn<QString>("note"); // the one note, or empty

    // Channel 7 of the sample: 440.01250,445.01250,None,D754I,Low,Unlock,No,Narrow,R-7_
    const auto row = [](const char *name, const QByteArray &csv, int record, const char *expected,
                         const char *note = "") {
        QTest::newRow(name) << csv << record << QString::fromUtf8(expected)
                            << QString::fromUtf8(note);
    };
    row("Chinese words, lower case, spaces",
        kHeader + " 2 , 146.5 ,146.5,d023n, 无 ,中,未锁定,无,窄, ab-1 \r\n", 2,
        "146.50000,146.50000,D023N,None,Middle,Unlock,No,Narrow,AB-1");
    row("Chinese header", "信道,接收频率,信道名字\n2,150,X\n", 2,
        "150.00000,150.00000,None,None,High,Lock,Yes,Wide,X");
    // A new channel takes what the grid fills in for a typed Rx frequency, for a
    // column left out and for an empty cell alike; an empty Tx is no Tx.
    row("new channel: columns left out", "Rx Frequency,CH\n433.0125,2\n", 2,
        "433.01250,433.01250,None,None,High,Lock,Yes,Wide,");
    row("new channel: empty cells", kHeader + "2,146.5,,,,,,,,\r\n", 2,
        "146.50000,,None,None,High,Lock,Yes,Wide,");
    row("new channel: community without Cha Lock", "Location,Frequency\n2,146.5\n", 2,
        "146.50000,146.50000,None,None,High,Lock,Yes,Wide,");
    // A channel keeps every field the row does not set.
    row("grid: only CH and Rx", "CH,Rx Frequency\n7,445.0125\n", 7,
        "445.01250,445.01250,None,D754I,Low,Unlock,No,Narrow,R-7_");
    row("grid: empty cells keep, empty Tx and name are none", kHeader + "7,440.0125,,,,,,,,\r\n", 7,
        "440.01250,,None,D754I,Low,Unlock,No,Narrow,");
    row("community: only Location and Frequency", "Location,Frequency\n7,440.0125\n", 7,
        "440.01250,445.01250,None,D754I,Low,Unlock,No,Narrow,R-7_");
    row("community: empty Power, Mode and Cha Lock keep",
        "Location,Frequency,Duplex,Offset,Power,Mode,Cha Lock,Skip\n7,440.0125,+,5,,,,\n", 7,
        "440.01250,445.01250,None,D754I,Low,Unlock,Yes,Narrow,R-7_");
    row("community: tone columns left out are the channel's",
        "Location,Frequency,Tone,DtcsCode\n7,440.0125,Cross,754\n", 7,
        "440.01250,445.01250,None,D754I,Low,Unlock,No,Narrow,R-7_");
    row("community: Duplex without Offset keeps the channel's offset",
        "Location,Frequency,Duplex\n7,441.0125,+\n", 7,
        "441.01250,446.01250,None,D754I,Low,Unlock,No,Narrow,R-7_");
    row("an empty row empties the channel", kHeader + "7,,,,,,,,,\r\n", 7, ",,,,,,,,");
    // Names: both layouts keep what the radio can show and say what they changed.
    row("grid: a long name is cut", kHeader + "2,146.5,,,,,,,,abcdefgh\r\n", 2,
        "146.50000,,None,None,High,Lock,Yes,Wide,ABCDEF",
        "line 2: name \"abcdefgh\" stored as \"ABCDEF\"");
    row("community: a long name is cut", "Location,Frequency,Name\n2,146.5,abcdefgh\n", 2,
        "146.50000,146.50000,None,None,High,Lock,Yes,Wide,ABCDEF",
        "line 2: name \"abcdefgh\" stored as \"ABCDEF\"");
    row("grid: a space is left out", kHeader + "2,146.5,,,,,,,,A B\r\n", 2,
        "146.50000,,None,None,High,Lock,Yes,Wide,AB", "line 2: name \"A B\" stored as \"AB\"");
    row("control characters in a note are shown, not sent",
        kHeader + QByteArray("2,146.5,,,,,,,,A\0\x1b[2J\r\n", 23), 2,
        "146.50000,,None,None,High,Lock,Yes,Wide,A2J",
        "line 2: name \"A\\x00\\x1B[2J\" stored as \"A2J\"");
    row("a letter outside ASCII is not upper-cased into the radio's",
        kHeader + "2,146.5,,,,,,,,\xC3\x9F\r\n", 2, "146.50000,,None,None,High,Lock,Yes,Wide,",
        "line 2: name \"\xC3\x9F\" stored as \"\"");
    // Values as spreadsheets write them: trailing zeros dropped or added, DCS
    // codes without their polarity or in lower case.
    row("grid: tones as a spreadsheet writes them", kHeader + "2,146.5,,67,d023,,,,,REPEATER1\r\n",
        2, "146.50000,,67.0,D023N,High,Lock,Yes,Wide,REPEAT",
        "line 2: name \"REPEATER1\" stored as \"REPEAT\"");
    row("grid: 67.00 and D754i", kHeader + "2,146.5,,67.00,D754i,,,,,\r\n", 2,
        "146.50000,,67.0,D754I,High,Lock,Yes,Wide,");
    row("community: rToneFreq 100 is 100.0",
        "Location,Frequency,Tone,rToneFreq,Name\n2,146.5,Tone,100,REPEATER1\n", 2,
        "146.50000,146.50000,None,100.0,High,Lock,Yes,Wide,REPEAT",
        "line 2: name \"REPEATER1\" stored as \"REPEAT\"");
    row("a guarded name comes back", "Location,Frequency,Name\n2,146.5,'-1-1\n", 2,
        "146.50000,146.50000,None,None,High,Lock,Yes,Wide,-1-1");
}

void TestCsv::acceptedRow()
{
    QFETCH(QByteArray, csv);
    QFETCH(int, record);
    QFETCH(QString, expected);
    QFETCH(QString, note);

    MemoryImage image = SampleImage();
    const CsvImportResult result = ImportChannelsCsv(csv, image, false);
    QVERIFY2(result.ok(), qPrintable(result.message()));
    QCOMPARE(Notes(result), note);
    QCOMPARE(Joined(DecodeChannel(image, record, false)), expected);
    // The channels the file does not list keep their texts.
    for (int other : {0, 7, 199}) {
        if (other != record)
            QCOMPARE(
                DecodeChannel(image, other, false), DecodeChannel(SampleImage(), other, false));
    }
}

void TestCsv::messagesQuoteAShortVisiblePart_data()
{
    QTest::addColumn<QByteArray>("csv");

    // Far more than a message may repeat, with bytes that must not reach a terminal.
    const QByteArray huge = QByteArray(300000, '\0') + "\x1b[2J" + QByteArray(300000, 'x');
    const QByteArray grid = "CH,Rx Frequency,Rx Tone,Power,Cha Name\r\n";
    QTest::newRow("header") << "CH," + huge + "\r\n";
    QTest::newRow("CH") << grid + huge + ",146.5,,,\r\n";
    QTest::newRow("Rx Frequency") << grid + "1," + huge + ",,,\r\n";
    QTest::newRow("Rx Tone") << grid + "1,146.5," + huge + ",,\r\n";
    QTest::newRow("Power") << grid + "1,146.5,," + huge + ",\r\n";
    QTest::newRow("Cha Name, in a note") << grid + "1,146.5,,," + huge + "\r\n";
    const QByteArray community
        = "Location,Frequency,Duplex,Offset,Tone,rToneFreq,DtcsCode,Mode\r\n";
    QTest::newRow("Location") << community + huge + ",146.5,,,,,,\r\n";
    QTest::newRow("Duplex") << community + "1,146.5," + huge + ",,,,,\r\n";
    QTest::newRow("Offset") << community + "1,146.5,+," + huge + ",,,,\r\n";
    QTest::newRow("Offset of a split") << community + "1,146.5,split," + huge + ",,,,\r\n";
    QTest::newRow("Tone") << community + "1,146.5,,," + huge + ",,,\r\n";
    QTest::newRow("rToneFreq") << community + "1,146.5,,,Tone," + huge + ",,\r\n";
    QTest::newRow("DtcsCode") << community + "1,146.5,,,DTCS,," + huge + ",\r\n";
    QTest::newRow("Mode") << community + "1,146.5,,,,,," + huge + "\r\n";
}

// Whatever a cell holds, a reason or a note repeats the first 40 characters of
// it, escaped, and marks the cut.
void TestCsv::messagesQuoteAShortVisiblePart()
{
    QFETCH(QByteArray, csv);
    MemoryImage image = SampleImage();
    const CsvImportResult result = ImportChannelsCsv(csv, image, false);
    const QString text = result.message() + Notes(result);
    QVERIFY2(text.size() < 400, qPrintable(text.left(400)));
    QVERIFY2(
        text.contains(QStringLiteral("\"\\x00\\x00")) || text.contains(QStringLiteral("\"xxx")),
        qPrintable(text));
    QVERIFY2(text.contains(QChar(0x2026)), qPrintable(text));
    for (QChar c : text)
        QVERIFY(c.unicode() >= 0x20 || c == QLatin1Char('\n'));
}

void TestCsv::replaceEmptiesOnlyUnlistedChannels()
{
    MemoryImage image = SampleImage();
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

void TestCsv::replaceWithNoChannelsIsRefused()
{
    MemoryImage image = SampleImage();
    const CsvImportResult refused = ImportChannelsCsv(kHeader, image, true);
    QVERIFY(!refused.ok() && refused.noChannels);
    QCOMPARE(image, SampleImage());
    // Without replace nothing would change; with allowEmpty the table is emptied.
    QVERIFY(ImportChannelsCsv(kHeader, image, false).ok());
    QCOMPARE(image, SampleImage());
    const CsvImportResult emptied = ImportChannelsCsv(kHeader, image, true, true);
    QVERIFY(emptied.ok() && emptied.channels == 0);
    QVERIFY(IsChannelEmpty(image, 0) && IsChannelEmpty(image, 7) && IsChannelEmpty(image, 199));
}

void TestCsv::skipBadAndIntoFree_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<bool>("skipBad");
    QTest::addColumn<int>("intoFree");
    QTest::addColumn<QString>("placed"); // "record:Rx" of each row written, in order
    QTest::addColumn<QString>("skipped"); // the lines left out
    QTest::addColumn<QString>("replaced"); // channels in use that change
    QTest::addColumn<int>("errorLine"); // the refused line; -1: the import is done

    // The sample image holds Pr, 7 and 199.
    const QByteArray grid = kHeader + "7,146.5,,,,,,,,\r\n" // changes channel 7
        + "8,480,,,,,,,,\r\n" // out of the band limits
        + "9,146.52,,67.3,,,,,,\r\n" // not a tone of the list
        + "10,147.0,,,,,,,,\r\n";
    const QByteArray community = "Location,Name,Frequency,Duplex,Offset\r\n"
                                 "0,HOME,146.525,,\r\n" // what Pr holds already
                                 "abc,B,146.5,,\r\n" // no channel number
                                 "12,C,146.5,+,99\r\n" // Tx out of the band limits
                                 "13,D,433.5,,\r\n";
    QTest::newRow("grid: refused as today") << grid << false << -1 << ""
                                            << ""
                                            << "" << 3;
    QTest::newRow("grid: skip the refused lines")
        << grid << true << -1 << "7:146.50000;10:147.00000"
        << "3,4"
        << "7" << -1;
    QTest::newRow("grid: into free channels, skipping refused lines")
        << grid << true << 5 << "5:146.50000;6:147.00000"
        << "3,4"
        << "" << -1;
    QTest::newRow("grid: into free channels steps over the channels in use")
        << kHeader + "1,146.5,,,,,,,,\r\n2,147.5,,,,,,,,\r\n"
        << false << 6 << "6:146.50000;8:147.50000"
        << ""
        << "" << -1;
    QTest::newRow("grid: into free channels needs no CH column")
        << QByteArray("Rx Frequency,Cha Name\r\n146.5,A\r\n") << false << 1 << "1:146.50000"
        << ""
        << "" << -1;
    QTest::newRow("grid: no free channel left is refused")
        << kHeader + "1,146.5,,,,,,,,\r\n1,147.5,,,,,,,,\r\n"
        << false << 198 << ""
        << ""
        << "" << 3;
    QTest::newRow("grid: no free channel left is skipped")
        << kHeader + "1,146.5,,,,,,,,\r\n1,147.5,,,,,,,,\r\n"
        << true << 198 << "198:146.50000"
        << "3"
        << "" << -1;
    QTest::newRow("grid: an empty row has nothing to add") << kHeader + "1,,,,,,,,,\r\n"
                                                           << true << 1 << ""
                                                           << "2"
                                                           << "" << -1;
    QTest::newRow("grid: the second row for a channel is skipped")
        << kHeader + "3,146.5,,,,,,,,\r\n3,147.5,,,,,,,,\r\n"
        << true << -1 << "3:146.50000"
        << "3"
        << "" << -1;
    QTest::newRow("grid: a bad header refuses also with skip")
        << QByteArray("CH,Frequency\r\n1,146.5\r\n") << true << -1 << ""
        << ""
        << "" << 1;
    QTest::newRow("community: refused as today") << community << false << -1 << ""
                                                 << ""
                                                 << "" << 3;
    QTest::newRow("community: skip the refused lines")
        << community << true << -1 << "0:146.52500;13:433.50000"
        << "3,4"
        << "" << -1;
    QTest::newRow("community: into free channels ignores Location")
        << community << true << 1 << "1:146.52500;2:146.50000;3:433.50000"
        << "4"
        << "" << -1;
}

void TestCsv::skipBadAndIntoFree()
{
    QFETCH(QByteArray, csv);
    QFETCH(bool, skipBad);
    QFETCH(int, intoFree);
    QFETCH(QString, placed);
    QFETCH(QString, skipped);
    QFETCH(QString, replaced);
    QFETCH(int, errorLine);

    MemoryImage image = SampleImage();
    CsvImportOptions options;
    options.skipBad = skipBad;
    options.intoFree = intoFree;
    const CsvImportResult result = ImportChannelsCsv(csv, image, options);
    if (errorLine >= 0) {
        QVERIFY(!result.ok());
        QCOMPARE(result.status.line(), errorLine);
        QCOMPARE(image, SampleImage());
        return;
    }
    QVERIFY2(result.ok(), qPrintable(result.message()));
    QStringList rows, lines, changed;
    for (const ChannelRow &row : result.rows)
        rows << QStringLiteral("%1:%2").arg(row.record).arg(row.texts[kColRx]);
    for (const SkippedLine &line : result.skipped) {
        QVERIFY(!line.reason.text().isEmpty());
        lines << QString::number(line.line);
    }
    for (int record : result.replaced)
        changed << QString::number(record);
    QCOMPARE(rows.join(QLatin1Char(';')), placed);
    QCOMPARE(lines.join(QLatin1Char(',')), skipped);
    QCOMPARE(changed.join(QLatin1Char(',')), replaced);
    // The rows are in the image; every other channel is as it was, and a channel
    // in use is never filled as a free one.
    const MemoryImage before = SampleImage();
    QList<bool> written(ImageMap::kChannelCount, false);
    for (const ChannelRow &row : result.rows) {
        written[row.record] = true;
        QCOMPARE(DecodeChannel(image, row.record, false), row.texts);
        QVERIFY(intoFree < 0 || IsChannelEmpty(before, row.record));
    }
    for (int record = 0; record < ImageMap::kChannelCount; ++record) {
        if (!written[record])
            QCOMPARE(DecodeChannel(image, record, false), DecodeChannel(before, record, false));
    }
}

void TestCsv::recordRanges()
{
    QCOMPARE(RecordRangesText({0, 1, 2, 3, 5, 7, 8, 199}), QStringLiteral("Pr, 1-3, 5, 7-8, 199"));
    QCOMPARE(RecordRangesText({}), QString());
}

void TestCsv::channelListsFitANewImage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("channels");
    const QList<std::pair<const char *, int>> expected {
        {"2m", 12}, {"70cm", 11}, {"pmr446", 16}, {"frs", 22}, {"noaa", 7}, {"marine", 12}};
    QCOMPARE(ChannelLists().size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QCOMPARE(ChannelLists().at(i).name, QString::fromLatin1(expected.at(i).first));
        QTest::newRow(expected.at(i).first) << ChannelLists().at(i).name << expected.at(i).second;
    }
}

// Every channel of every list is taken by a new image's band limits and step
// raster as it is written: no line refused, no name adapted.
void TestCsv::channelListsFitANewImage()
{
    QFETCH(QString, name);
    QFETCH(int, channels);
    const ChannelList *list = FindChannelList(name.toUpper());
    QVERIFY(list);
    QVERIFY(!list->english.isEmpty() && !list->chinese.isEmpty() && !list->source.isEmpty());
    QCOMPARE(list->channels, channels);
    MemoryImage image = NewImage();
    CsvImportOptions options;
    options.intoFree = 1;
    const CsvImportResult result = ImportChannelsCsv(list->csv, image, options);
    QVERIFY2(result.ok(), qPrintable(result.message()));
    QCOMPARE(result.rows.size(), channels);
    QVERIFY2(result.notes.isEmpty(), qPrintable(Notes(result)));
    QSet<QString> names;
    for (int record = 1; record <= channels; ++record) {
        const ChannelTexts texts = DecodeChannel(image, record, false);
        QVERIFY(!texts[kColRx].isEmpty());
        QVERIFY(!texts[kColName].isEmpty() && texts[kColName].size() <= 6);
        names.insert(texts[kColName]);
    }
    QCOMPARE(names.size(), channels);
    QVERIFY(IsChannelEmpty(image, 0) && IsChannelEmpty(image, channels + 1));
}

void TestCsv::reimportKeepsEveryByte_data()
{
    QTest::addColumn<CsvLayout>("layout");
    QTest::newRow("grid") << CsvLayout::Grid;
    QTest::newRow("community") << CsvLayout::Community;
}

// An image's own export, imported into it again, changes no byte: not for values
// only another program or a radio could store (a tone that is no code, nibbles
// above 9, power bits 11, an 8-character name, a name cut by a stray code).
void TestCsv::reimportKeepsEveryByte()
{
    QFETCH(CsvLayout, layout);
    MemoryImage image = SampleImage();
    const auto setRecord = [&](int record, const char *hex) {
        const QByteArray bytes = QByteArray::fromHex(hex);
        std::copy(bytes.begin(), bytes.end(), &image[record * 16]);
    };
    // 146.50000 with a tone outside the list (100.5 Hz); High, unlocked, scan add, wide,
    // with the flag bits the grid keeps; the name "ABCDEFGH" as a radio may hold it.
    setRecord(5, "00006514ffffffff0510ffffe6ffffff");
    for (int i = 0; i < 8; ++i)
        image[ImageMap::kNameBase + 5 * 8 + i] = quint8(10 + i);
    // 146.50250 written as 4A 02 (0x4A counts as 50); Tx top byte 00 (none); Rx tone
    // AF BF ("D6415N", which two pairs show); Tx tone 05 AA ("D4205N"); power bits 11;
    // the name "A" ended by code 0x25, junk behind it.
    setRecord(6, "4a02651400000000afbf05aa3e123456");
    const QByteArray name6 = QByteArray::fromHex("0a25ff0102030405");
    std::copy(name6.begin(), name6.end(), &image[ImageMap::kNameBase + 6 * 8]);
    // DCS codes below 10 ("D01I", "D05N"), and a name a spreadsheet would take for a
    // formula ("-1-1").
    setRecord(8, "00006514ffffffff01c00580ffffffff");
    const QByteArray name8 = QByteArray::fromHex("24012401ffffffff");
    std::copy(name8.begin(), name8.end(), &image[ImageMap::kNameBase + 8 * 8]);
    QCOMPARE(DecodeChannel(image, 8, false)[kColRxTone], QStringLiteral("D01I"));
    const MemoryImage before = image;

    const QByteArray csv = ExportChannelsCsv(image, layout);
    QVERIFY(
        csv.contains(layout == CsvLayout::Grid ? "\r\n6,146.50250,,D6415N,D4205N,," : ",6415,"));
    QVERIFY(csv.contains(layout == CsvLayout::Grid ? ",'-1-1\r\n" : "\r\n8,'-1-1,"));
    const CsvImportResult result = ImportChannelsCsv(csv, image, true);
    QVERIFY2(result.ok(), qPrintable(result.message()));
    QVERIFY2(result.notes.isEmpty(), qPrintable(Notes(result)));
    QCOMPARE(result.channels, 6);
    QCOMPARE(image, before);

    // Into another image the tone that is no code is refused with its line, never
    // turned into another one.
    MemoryImage other = NewImage();
    const CsvImportResult refused = ImportChannelsCsv(csv, other, true);
    QVERIFY(!refused.ok());
    QVERIFY2(refused.status.text().contains("\"D6415N\" is not a tone of the list")
            || refused.status.text().contains("\"100.5\" is not a tone of the list"),
        qPrintable(refused.message()));
    QCOMPARE(other, NewImage());
}

void TestCsv::communityExport_data()
{
    QTest::addColumn<QString>("texts"); // the grid texts, comma-separated
    // Duplex|Offset|Tone|rTone|cTone|Dtcs|Pol|RxDtcs|CrossMode|Mode|Skip|Power|Cha Lock
    QTest::addColumn<QString>("expected");

    auto row = [](const char *name, const char *texts, const char *expected) {
        QTest::newRow(name) << texts << expected;
    };
    row("simplex without tones", "146.52500,146.52500,None,None,High,Lock,Yes,Wide,A",
        "|0.000000||88.5|88.5|023|NN|023|Tone->Tone|FM||5.0W|Lock");
    row("repeater up with a transmit tone", "440.01250,445.01250,None,100.0,Low,Unlock,No,Narrow,",
        "+|5.000000|Tone|100.0|100.0|023|NN|023|Tone->Tone|NFM|S|0.5W|Unlock");
    row("repeater down with tone squelch", "146.94000,146.34000,131.8,131.8,Middle,Lock,Yes,Wide,",
        "-|0.600000|TSQL|131.8|131.8|023|NN|023|Tone->Tone|FM||2.0W|Lock");
    row("DCS with reversed receive", "146.5,146.5,D754I,D754N,High,Lock,Yes,Wide,",
        "|0.000000|DTCS|88.5|88.5|754|NR|754|Tone->Tone|FM||5.0W|Lock");
    row("receive tone only", "146.5,146.5,88.5,None,High,Lock,Yes,Wide,",
        "|0.000000|Cross|88.5|88.5|023|NN|023|->Tone|FM||5.0W|Lock");
    row("DCS codes that differ", "146.5,146.5,D023I,D754N,High,Lock,Yes,Wide,",
        "|0.000000|Cross|88.5|88.5|754|NR|023|DTCS->DTCS|FM||5.0W|Lock");
    row("CTCSS out, DCS in", "146.5,146.5,D032N,67.0,High,Lock,Yes,Wide,",
        "|0.000000|Cross|67.0|88.5|023|NN|032|Tone->DTCS|FM||5.0W|Lock");
    row("cross band is a split", "146.5,446.5,None,None,High,Lock,Yes,Wide,",
        "split|446.500000||88.5|88.5|023|NN|023|Tone->Tone|FM||5.0W|Lock");
    row("no Tx is duplex off", "146.5,,None,None,High,Lock,Yes,Wide,",
        "off|0.000000||88.5|88.5|023|NN|023|Tone->Tone|FM||5.0W|Lock");
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
    QCOMPARE(table.records[0].fields.last(), QStringLiteral("Cha Lock"));
    const QStringList f = table.records[1].fields;
    QCOMPARE(f.size(), 22);
    QCOMPARE(f[0], QStringLiteral("3"));
    QCOMPARE(QStringList({f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10], f[11], f[12], f[14],
                             f[15], f[21]})
                 .join('|'),
        expected);
}

// What the grid shows of a channel reaches another image the same way through
// either layout; power bits 11, which show no level, give High as a new channel has.
void TestCsv::layoutsAgreeInAnotherImage()
{
    MemoryImage image = SampleImage();
    image[7 * 16 + 12] |= 0x30; // power bits 11
    EncodeChannel(image, 9,
        {"145.00000", "145.60000", "D023N", "D023N", "Middle", "Unlock", "No", "Wide", "-A1"});
    for (CsvLayout layout : {CsvLayout::Grid, CsvLayout::Community}) {
        MemoryImage other = NewImage();
        const CsvImportResult result
            = ImportChannelsCsv(ExportChannelsCsv(image, layout), other, true);
        QVERIFY2(result.ok(), qPrintable(result.message()));
        for (int record = 0; record < ImageMap::kChannelCount; ++record) {
            ChannelTexts expected = DecodeChannel(image, record, false);
            if (record == 7)
                expected[kColPower] = QStringLiteral("High");
            QCOMPARE(Joined(DecodeChannel(other, record, false)), Joined(expected));
        }
    }
}

// The community export carries every tone code of the list in every pairing
// kind, each power level, the lock, scan add and bandwidth: imported into a new
// image it gives the same bytes.
void TestCsv::communityRoundTripKeepsEveryByte()
{
    const QStringList tones = ToneTable(false).texts();
    QList<ChannelTexts> channels;
    const QStringList powers {"High", "Middle", "Low"};
    const QStringList frequencies[] = {{"146.52500", "146.52500"}, {"440.01250", "445.01250"},
        {"146.94000", "146.34000"}, {"146.50000", "446.50000"}, {"433.00000", ""}};
    for (int i = 0; i < tones.size(); ++i) {
        const QString &tone = tones[i];
        const QString other = tones[(i * 37 + 11) % tones.size()];
        for (const auto &[rx, tx] :
            {std::pair(tone, QStringLiteral("None")), std::pair(QStringLiteral("None"), tone),
                std::pair(tone, tone), std::pair(tone, other), std::pair(other, tone)}) {
            const int n = int(channels.size());
            const QStringList &f = frequencies[n % 5];
            channels.append({f[0], f[1], rx, tx, powers[n % 3], n / 3 % 2 ? "Lock" : "Unlock",
                n / 6 % 2 ? "Yes" : "No", n / 12 % 2 ? "Wide" : "Narrow",
                QStringLiteral("C%1").arg(n % 100000)});
        }
    }
    for (qsizetype first = 0; first < channels.size(); first += ImageMap::kChannelCount) {
        MemoryImage image = NewImage();
        for (int record = 0; record < ImageMap::kChannelCount; ++record) {
            if (first + record < channels.size())
                EncodeChannel(image, record, channels[first + record]);
        }
        MemoryImage back = NewImage();
        const CsvImportResult result
            = ImportChannelsCsv(ExportChannelsCsv(image, CsvLayout::Community), back, true);
        QVERIFY2(result.ok(), qPrintable(result.message()));
        for (int record = 0; record < ImageMap::kChannelCount; ++record) {
            const int at = record * 16;
            if (!std::equal(&image[at], &image[at + 16], &back[at])) {
                QFAIL(qPrintable(QStringLiteral("channel %1: %2 came back as %3")
                                     .arg(record)
                                     .arg(Joined(DecodeChannel(image, record, false)),
                                         Joined(DecodeChannel(back, record, false)))));
            }
        }
        QCOMPARE(back, image);
    }
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
