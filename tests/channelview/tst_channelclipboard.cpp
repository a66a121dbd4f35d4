// Channel rows through the clipboard: what a spreadsheet gives back is checked as
// the CSV import checks a file, and rows copied here come back to the byte.
#include "channels/channelcolumns.h"
#include "channelview/cellblock.h"
#include "channelview/channelclipboard.h"
#include "document/documentstate.h"

#include <QMimeData>
#include <QtTest>
#include <memory>

using namespace ImageMap;

namespace {

const char *const kHeader
    = "CH\tRx Frequency\tTx Frequency\tRx Tone\tTx Tone\tPower\tCha Lock\tScan Add\tBandwidth\t"
      "Cha Name\n";

// A channel with what no column shows: a tone outside the list, an 8-character
// name, flag bits 7, 6 and 0 and bytes 13-15.
MemoryImage OddImage()
{
    MemoryImage image = NewImage();
    ChannelTexts texts = NewChannelTexts(QStringLiteral("146.52000"), false);
    texts[kColName] = QStringLiteral("LONGNAME");
    EncodeChannel(image, 9, texts);
    quint8 *record = &image[9 * kChannelSize];
    record[8] = 0x05; // Rx tone 100.5 Hz
    record[9] = 0x10;
    record[12] |= 0xC1;
    record[13] = 0x13;
    record[14] = 0x14;
    record[15] = 0x15;
    return image;
}

QByteArray SlotBytes(const ChannelSlot &slot)
{
    return QByteArray(reinterpret_cast<const char *>(slot.record.data()), kChannelSize)
        + QByteArray(reinterpret_cast<const char *>(slot.name.data()), kNameSize);
}

QStringList Texts(const ChannelTexts &texts)
{
    return QStringList(texts.begin(), texts.end());
}

} // namespace

class TestChannelClipboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pastedText_data();
    void pastedText();
    void pastedRowsReplaceRowsWhole();
    void cellPaste_data();
    void cellPaste();
    void copiedNameIsNoFormula();
    void copiedRowsComeBackWhole_data();
    void copiedRowsComeBackWhole();
};

void TestChannelClipboard::pastedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("first");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<int>("errorLine"); // -1: accepted
    QTest::addColumn<QString>("error"); // a part of the reason
    QTest::addColumn<QStringList>("firstRow");

    const QString header = QString::fromUtf8(kHeader);
    const QStringList channel {
        "145.50000", "145.50000", "88.5", "None", "Low", "Unlock", "No", "Narrow", "ABC"};
    const QString cells = QStringLiteral("145.5\t145.5\t88.5\tnone\tlow\tUnlock\tNo\tNarrow\tabc");
    const auto accepted = [&](const char *name, const QString &text, int first = 1) {
        QTest::newRow(name) << text << first << false << -1 << QString() << channel;
    };
    const auto refused
        = [](const char *name, const QString &text, int first, int line, const char *error) {
              QTest::newRow(name) << text << first << false << line << QString::fromUtf8(error)
                                  << QStringList();
          };
    accepted("rows under the header, CH ignored", header + QStringLiteral("77\t") + cells + '\n');
    accepted("Pr takes part", header + QStringLiteral("5\t") + cells, 0);
    accepted("no header, CH first", QStringLiteral("5\t") + cells + QStringLiteral("\r\n\r\n"));
    accepted("no header, no CH", cells + '\n');
    accepted("Chinese header without CH",
        QString::fromUtf8("接收频率\t发射频率\t接收信令\t发射信令\t功率\t信道锁定\t扫描添加\t"
                          "带宽\t信道名字\n")
            + cells);
    accepted("quoted fields",
        QStringLiteral("5\t\"145.5\"\t145.5\t88.5\tNone\tLow\tUnlock\tNo\t"
                       "Narrow\t\"ABC\""));
    QTest::newRow("Chinese words in the Chinese interface")
        << header + QStringLiteral("1\t") + cells << 3 << true << -1 << QString()
        << QStringList {"145.50000", "145.50000", "88.5", "无", "低", "未锁定", "无", "窄", "ABC"};
    refused("a frequency outside the bands on line 3",
        header + QStringLiteral("1\t") + cells + QStringLiteral("\n2\t300\t300\n"), 1, 3,
        "Rx Frequency \"300\"");
    refused("a tone that is not in the list",
        header + QStringLiteral("1\t145.5\t145.5\t88.6\tNone\tLow\tUnlock\tNo\tNarrow\t\n"), 1, 2,
        "is not a tone");
    refused("an unknown column", QStringLiteral("CH\tRx Frequency\tColour\n1\t145.5\tred\n"), 1, 1,
        "unknown column");
    refused("more rows than fit below the first",
        header + QStringLiteral("1\t") + cells + QStringLiteral("\n2\t") + cells
            + QStringLiteral("\n3\t") + cells,
        198, 4, "more rows than fit from channel 198 on (2 rows)");
    refused("nothing on the clipboard", QStringLiteral("\n\n"), 1, 0, "no channel rows");
    refused("a quote left open", header + QStringLiteral("1\t\"145.5\t145.5\n2\t146.5\n"), 1, 2,
        "a quoted field is not closed");
    refused("a huge field is quoted in part",
        header + QStringLiteral("1\t") + QString(100000, QLatin1Char('9')), 1, 2, "999…\"");
    QTest::newRow("spreadsheet values: 67, d023, a long name shortened")
        << header + QStringLiteral("1\t145.5\t145.5\t67\td023\tLow\tUnlock\tNo\tNarrow\tRepeater 1")
        << 1 << false << -1 << QString()
        << QStringList {"145.50000", "145.50000", "67.0", "D023N", "Low", "Unlock", "No", "Narrow",
               "REPEAT"};
    accepted("lines ended by CR alone, the first a header",
        header.chopped(1) + QStringLiteral("\r7\t") + cells + '\r');
    QTest::newRow("cells left out at the end are those of a new channel")
        << QStringLiteral("145.5\t145.5\t88.5") << 1 << false << -1 << QString()
        << QStringList {
               "145.50000", "145.50000", "88.5", "None", "High", "Lock", "Yes", "Wide", ""};
    QTest::newRow("a name guarded against formulas")
        << QStringLiteral("5\t145.5\t145.5\t88.5\tNone\tLow\tUnlock\tNo\tNarrow\t'-A1") << 1
        << false << -1 << QString()
        << QStringList {
               "145.50000", "145.50000", "88.5", "None", "Low", "Unlock", "No", "Narrow", "-A1"};
}

void TestChannelClipboard::pastedText()
{
    QFETCH(QString, text);
    QFETCH(int, first);
    QFETCH(bool, chinese);
    QFETCH(int, errorLine);
    QFETCH(QString, error);
    QFETCH(QStringList, firstRow);
    QMimeData mime;
    mime.setText(text);
    const ChannelClipboard::Paste paste
        = ChannelClipboard::ReadRows(&mime, NewImage(), first, chinese);
    if (errorLine >= 0) {
        QVERIFY2(paste.error.contains(error), qPrintable(paste.error.left(400)));
        QVERIFY(paste.error.size() < 400);
        QCOMPARE(paste.line, errorLine);
        QVERIFY(paste.channels.isEmpty());
        return;
    }
    QVERIFY2(paste.ok(), qPrintable(paste.error));
    QCOMPARE(Texts(paste.channels.value(0).texts), firstRow);
}

// Pasted over a channel, a row's missing and empty cells are those of a new
// channel, not what the channel showed (as a CSV import keeps them).
void TestChannelClipboard::pastedRowsReplaceRowsWhole()
{
    QMimeData mime;
    mime.setText(QStringLiteral("146.5\t\t\t\t\n147.5\n"));
    const ChannelClipboard::Paste paste = ChannelClipboard::ReadRows(&mime, OddImage(), 8, false);
    QVERIFY2(paste.ok(), qPrintable(paste.error));
    QCOMPARE(Texts(paste.channels.value(0).texts),
        QStringList({"146.50000", "", "None", "None", "High", "Lock", "Yes", "Wide", ""}));
    QCOMPARE(Texts(paste.channels.value(1).texts),
        QStringList({"147.50000", "147.50000", "None", "None", "High", "Lock", "Yes", "Wide", ""}));
}

// A spreadsheet given the copied rows must not run the name "-A1" as a formula;
// pasted back, with or without the row bytes, it is the name again.
void TestChannelClipboard::copiedNameIsNoFormula()
{
    MemoryImage image = NewImage();
    ChannelTexts texts = NewChannelTexts(QStringLiteral("146.52000"), false);
    texts[kColName] = QStringLiteral("-A1");
    EncodeChannel(image, 3, texts);
    const std::unique_ptr<QMimeData> mime(ChannelClipboard::CopyRows(image, {3}));
    QVERIFY2(mime->text().endsWith(QStringLiteral("\t'-A1\n")), qPrintable(mime->text()));
    QMimeData textOnly;
    textOnly.setText(mime->text());
    const QMimeData *both[] = {mime.get(), &textOnly};
    for (const QMimeData *pasted : both) {
        const ChannelClipboard::Paste paste = ChannelClipboard::ReadRows(pasted, image, 5, false);
        QVERIFY2(paste.ok(), qPrintable(paste.error));
        QCOMPARE(paste.channels.value(0).texts[kColName], QStringLiteral("-A1"));
    }
}

void TestChannelClipboard::copiedRowsComeBackWhole_data()
{
    QTest::addColumn<bool>("edited");
    QTest::newRow("the clipboard as it was copied") << false;
    // Text changed elsewhere: only the text counts, and the tone outside the list
    // is more than the target row can take.
    QTest::newRow("text edited after the copy") << true;
}

void TestChannelClipboard::copiedRowsComeBackWhole()
{
    QFETCH(bool, edited);
    const MemoryImage image = OddImage();
    const std::unique_ptr<QMimeData> mime(ChannelClipboard::CopyRows(image, {8, 9}));
    QCOMPARE(mime->text(),
        QString::fromUtf8(kHeader) + QStringLiteral("8\t\t\t\t\t\t\t\t\t\n")
            + QStringLiteral("9\t146.52000\t146.52000\t100.5\tNone\tHigh\tLock\tYes\tWide\t"
                             "LONGNAME\n"));
    if (edited)
        mime->setText(mime->text() + QStringLiteral("\n"));

    const ChannelClipboard::Paste paste = ChannelClipboard::ReadRows(mime.get(), image, 20, false);
    if (edited) {
        QCOMPARE(paste.line, 3);
        QVERIFY2(paste.error.contains(QStringLiteral("100.5")), qPrintable(paste.error));
        return;
    }
    QVERIFY2(paste.ok(), qPrintable(paste.error));
    QCOMPARE(paste.channels.size(), 2);
    QVERIFY(paste.channels.at(0).texts[kColRx].isEmpty());
    QCOMPARE(SlotBytes(paste.channels.at(1)), SlotBytes(SlotFromImage(image, 9, false)));
    QCOMPARE(paste.channels.at(1).texts, DecodeChannel(image, 9, false));
}

Q_DECLARE_METATYPE(CellBlock::Block)

void TestChannelClipboard::cellPaste_data()
{
    QTest::addColumn<QString>("text"); // "fill": Fill Down instead of a paste
    QTest::addColumn<CellBlock::Block>("block");
    QTest::addColumn<QString>("expected"); // "record:column=text ..." afterwards, or the refusal
    QTest::addColumn<QString>("notes");

    // Channel 9 is the odd channel (146.52000, tone 100.5 not in the list); the rest is empty.
    const int power = kColPower;
    QTest::newRow("one value fills every cell of a column")
        << "low" << CellBlock::Block {9, power, 12, power} << "9:4=Low 10:4= 12:4="
        << "";
    QTest::newRow("a block, cell by cell, an Rx making a channel")
        << "146.5\t147\t67\n440.0125\t445.0125\td023\n"
        << CellBlock::Block {10, 0, 10, 0}
        << "10:0=146.50000 10:1=147.00000 10:2=67.0 10:4=High 11:0=440.01250 11:2=D023N"
        << "";
    // The odd channel's name has 8 characters, which the radio may hold.
    QTest::newRow("a long name is shortened with a note")
        << "Repeater1" << CellBlock::Block {9, kColName, 9, kColName} << "9:8=REPEATER"
        << "channel 9: name \"Repeater1\" stored as \"REPEATER\"";
    QTest::newRow("the tone no list holds stays when pasted back")
        << "100.5" << CellBlock::Block {9, kColRxTone, 9, kColRxTone} << "9:2=100.5"
        << "";
    QTest::newRow("a refused cell names its channel and column")
        << "146.5\t146.5\n147\t999\n"
        << CellBlock::Block {10, 0, 10, 0} << "Channel 11, Tx Frequency: Out of range"
        << "";
    QTest::newRow("a word no list has")
        << "max" << CellBlock::Block {9, power, 9, power} << "Channel 9, Power: Power \"max\""
        << "";
    QTest::newRow("cells beyond the last column")
        << "a\tb" << CellBlock::Block {9, kColName, 9, kColName} << "more than fit from channel 9"
        << "";
    QTest::newRow("fill down the Rx frequency")
        << "fill" << CellBlock::Block {9, 0, 11, 0}
        << "10:0=146.52000 10:1=146.52000 11:0=146.52000 11:4=High"
        << "";
}

void TestChannelClipboard::cellPaste()
{
    QFETCH(QString, text);
    QFETCH(CellBlock::Block, block);
    QFETCH(QString, expected);
    QFETCH(QString, notes);

    const DocumentState state = DecodeState(OddImage(), false);
    const BandLimitValues limits {13600000, 17400000, 40000000, 48000000};
    const CellBlock::Paste paste = text == QLatin1String("fill")
        ? CellBlock::FillDown(state, block, limits, false)
        : CellBlock::PasteText(state, block, text, limits, false);
    QCOMPARE(paste.notes.join(QLatin1Char('\n')), notes);
    if (!expected.contains(QLatin1Char('='))) {
        QVERIFY2(paste.error.contains(expected), qPrintable(paste.error));
        return;
    }
    QVERIFY2(paste.ok(), qPrintable(paste.error));
    for (const QString &check : expected.split(QLatin1Char(' '))) {
        const int record = check.section(QLatin1Char(':'), 0, 0).toInt();
        const int column
            = check.section(QLatin1Char(':'), 1).section(QLatin1Char('='), 0, 0).toInt();
        QCOMPARE(paste.after.rows.at(record).at(column), check.section(QLatin1Char('='), 1));
    }
    // Rows the paste does not reach are as they were.
    for (int record = 0; record < kChannelCount; ++record) {
        if (!paste.rows.contains(record))
            QCOMPARE(paste.after.rows.at(record), state.rows.at(record));
    }
}

QTEST_GUILESS_MAIN(TestChannelClipboard)
#include "tst_channelclipboard.moc"
