// The rules of leaving an edited grid cell, without widgets: every column, both
// ways of leaving, a row that holds a channel and an empty one.
#include "channels/cellcommit.h"
#include "channels/frequencyedits.h"
#include "settings/messages.h"

#include <QtTest>

Q_DECLARE_METATYPE(CellExit)

namespace {

const ChannelTexts kChannel
    = {"146.52500", "146.52500", "67.0", "D023N", "Low", "Unlock", "No", "Narrow", "HOME"};
const BandLimitValues kLimits {13600000, 17400000, 40000000, 48000000};

ChannelTexts With(ChannelTexts row, int column, const QString &text)
{
    row[column] = text;
    return row;
}

} // namespace

class TestCellCommit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rules_data();
    void rules();
    void valuesFromOutside_data();
    void valuesFromOutside();
    void frequencyOffsets_data();
    void frequencyOffsets();
    void bulkFrequencyEdits_data();
    void bulkFrequencyEdits();
};

void TestCellCommit::rules_data()
{
    QTest::addColumn<ChannelTexts>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<CellExit>("exit");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<ChannelTexts>("after");
    QTest::addColumn<int>("message");

    const ChannelTexts empty;
    const ChannelTexts noTx = With(kChannel, kColTx, QString());
    const auto move = CellExit::Move;
    const auto enter = CellExit::Enter;

    QTest::newRow("Rx into an empty row makes a channel")
        << empty << int(kColRx) << "146.525" << move << false
        << ChannelTexts {"146.52500", "146.52500", "None", "None", "High", "Lock", "Yes", "Wide",
               ""}
        << 0;
    QTest::newRow("Rx into an empty row, Chinese defaults")
        << empty << int(kColRx) << "446.00625" << enter << true
        << ChannelTexts {"446.00625", "446.00625", "无", "无", "高", "锁定", "有", "宽", ""} << 0;
    QTest::newRow("new Rx of a channel changes only that cell")
        << kChannel << int(kColRx) << "440.0125" << enter << false
        << With(kChannel, kColRx, "440.01250") << 0;
    QTest::newRow("erased Rx clears the channel without a message")
        << kChannel << int(kColRx) << "" << enter << false << empty << 0;
    QTest::newRow("out-of-range Rx clears the channel")
        << kChannel << int(kColRx) << "300" << move << false << empty << int(kMsgOutOfRange);
    QTest::newRow("out-of-range Rx with Enter clears the channel too")
        << kChannel << int(kColRx) << "174" << enter << false << empty << int(kMsgOutOfRange);
    QTest::newRow("off-step Rx clears the channel")
        << kChannel << int(kColRx) << "146.5126" << move << false << empty << int(kMsgOffStep);
    QTest::newRow("Rx beyond what a record holds is out of range")
        << kChannel << int(kColRx) << "99999999" << move << false << empty << int(kMsgOutOfRange);
    QTest::newRow("decimal comma in Rx is refused, the row stays")
        << kChannel << int(kColRx) << "146,525" << move << false << kChannel
        << int(kMsgNotAFrequency);
    QTest::newRow("trailing letters in Rx of an empty row are refused")
        << empty << int(kColRx) << "146.52abc" << enter << false << empty << int(kMsgNotAFrequency);
    QTest::newRow("exponent in Tx is refused") << kChannel << int(kColTx) << "1.4e2" << move
                                               << false << kChannel << int(kMsgNotAFrequency);
    QTest::newRow("Tx accepted and reformatted")
        << kChannel << int(kColTx) << "146.4" << move << false
        << With(kChannel, kColTx, "146.40000") << 0;
    QTest::newRow("erased Tx clears only Tx")
        << kChannel << int(kColTx) << "" << move << false << noTx << 0;
    QTest::newRow("off-step Tx left by moving clears the whole channel")
        << kChannel << int(kColTx) << "146.5126" << move << false << empty << int(kMsgOffStep);
    QTest::newRow("off-step Tx with Enter clears only Tx")
        << kChannel << int(kColTx) << "146.5126" << enter << false << noTx << int(kMsgOffStep);
    QTest::newRow("out-of-range Tx left by moving clears only Tx")
        << kChannel << int(kColTx) << "520" << move << false << noTx << int(kMsgOutOfRange);
    QTest::newRow("out-of-range Tx with Enter clears only Tx")
        << kChannel << int(kColTx) << "520" << enter << false << noTx << int(kMsgOutOfRange);
    QTest::newRow("Tx typed into an empty row is discarded")
        << empty << int(kColTx) << "146.525" << enter << false << empty << 0;
    QTest::newRow("tone of a channel") << kChannel << int(kColRxTone) << "D754I" << move << false
                                       << With(kChannel, kColRxTone, "D754I") << 0;
    QTest::newRow("name of a channel") << kChannel << int(kColName) << "NEW" << enter << false
                                       << With(kChannel, kColName, "NEW") << 0;
    QTest::newRow("power typed into an empty row is discarded")
        << empty << int(kColPower) << "High" << move << false << empty << 0;
    QTest::newRow("name kept in a row with only Tx")
        << With(empty, kColTx, "146.52500") << int(kColName) << "AB" << move << false
        << ChannelTexts {"", "146.52500", "", "", "", "", "", "", "AB"} << 0;
}

void TestCellCommit::rules()
{
    QFETCH(ChannelTexts, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(CellExit, exit);
    QFETCH(bool, chinese);
    QFETCH(ChannelTexts, after);
    QFETCH(int, message);

    const CellCommit result = CommitCellText(row, column, text, exit, kLimits, chinese);
    QCOMPARE(result.row, after);
    QCOMPARE(result.message, message);
}

// Cells pasted from a spreadsheet are read as a person means them, and a text
// that no pick list holds is refused with the row unchanged.
void TestCellCommit::valuesFromOutside_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("stored"); // empty: refused
    QTest::addColumn<QString>("note");

    QTest::newRow("tone 100") << int(kColTxTone) << " 100 " << false << "100.0"
                              << "";
    QTest::newRow("tone d754i") << int(kColRxTone) << "d754i" << false << "D754I"
                                << "";
    QTest::newRow("tone none, Chinese") << int(kColRxTone) << "none" << true << "无"
                                        << "";
    QTest::newRow("DCS code not in the list") << int(kColRxTone) << "D024" << false << ""
                                              << "";
    QTest::newRow("tone with a unit") << int(kColRxTone) << "67 Hz" << false << ""
                                      << "";
    QTest::newRow("power in the other language") << int(kColPower) << "低" << false << "Low"
                                                 << "";
    QTest::newRow("bandwidth lower case, Chinese") << int(kColBandwidth) << "narrow" << true << "窄"
                                                   << "";
    QTest::newRow("unknown power") << int(kColPower) << "max" << false << ""
                                   << "";
    QTest::newRow("long name shortened with a note")
        << int(kColName) << "REPEATER1" << false << "REPEAT"
        << "name \"REPEATER1\" stored as \"REPEAT\"";
    QTest::newRow("name upper-cased without a note") << int(kColName) << "rpt" << false << "RPT"
                                                     << "";
}

void TestCellCommit::valuesFromOutside()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(bool, chinese);
    QFETCH(QString, stored);
    QFETCH(QString, note);

    const CellCommit result
        = CommitCellText(kChannel, column, text, CellExit::Move, kLimits, chinese);
    QCOMPARE(result.note.text(), note);
    if (stored.isEmpty()) {
        QVERIFY(!result.ok());
        const QString refusal = result.refusal.text();
        QVERIFY2(refusal.contains(QLatin1Char('"') + text.trimmed()), qPrintable(refusal));
        QCOMPARE(result.row, kChannel);
    } else {
        QVERIFY(result.ok());
        QCOMPARE(result.row, With(kChannel, column, stored));
    }
}

void TestCellCommit::frequencyOffsets_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("units"); // -1: refused
    QTest::newRow("+0.6") << "+0.6" << 60000;
    QTest::newRow("-5") << "-5" << -500000;
    QTest::newRow("typographic minus") << QString::fromUtf8("\u22125") << -500000;
    QTest::newRow("no sign") << " 0.0125 " << 1250;
    QTest::newRow("simplex") << "Simplex" << 0;
    QTest::newRow("decimal comma") << "0,6" << -1;
    QTest::newRow("unit") << "0.6 MHz" << -1;
    QTest::newRow("two signs") << "+-5" << -1;
}

void TestCellCommit::frequencyOffsets()
{
    QFETCH(QString, text);
    QFETCH(int, units);
    qint32 parsed = 12345;
    QCOMPARE(ParseFrequencyOffset(text, &parsed), units != -1);
    if (units != -1)
        QCOMPARE(parsed, units);
}

void TestCellCommit::bulkFrequencyEdits_data()
{
    QTest::addColumn<bool>("shift"); // false: Set Tx from Rx
    QTest::addColumn<int>("amount");
    QTest::addColumn<QString>("changed"); // "record:rx/tx" of each channel that changes
    QTest::addColumn<QString>("refused"); // records refused

    // Records 1 146.52 simplex, 2 empty, 3 145.5 without Tx, 4 174.5 (near the
    // VHF top), 5 440.0125 / 445.0125.
    QTest::newRow("Tx = Rx + 0.6") << false << 60000
                                   << "1:146.52000/147.12000 3:145.50000/146.10000 "
                                      "5:440.01250/440.61250"
                                   << "4";
    QTest::newRow("simplex") << false << 0
                             << "1:146.52000/146.52000 3:145.50000/145.50000 "
                                "4:174.50000/174.50000 5:440.01250/440.01250"
                             << "";
    QTest::newRow("Tx = Rx - 20: what leaves the band is refused")
        << false << -2000000 << "4:174.50000/154.50000 5:440.01250/420.01250"
        << "1,3";
    QTest::newRow("shift by +0.0125; a channel without Tx keeps none")
        << true << 1250
        << "1:146.53250/146.53250 3:145.51250/ 4:174.51250/174.51250 "
           "5:440.02500/445.02500"
        << "";
    QTest::newRow("shift off the step raster") << true << 100 << ""
                                               << "1,3,4,5";
    QTest::newRow("shift below zero") << true << -50000000 << ""
                                      << "1,3,4,5";
}

void TestCellCommit::bulkFrequencyEdits()
{
    QFETCH(bool, shift);
    QFETCH(int, amount);
    QFETCH(QString, changed);
    QFETCH(QString, refused);

    QVector<ChannelTexts> rows(ImageMap::kChannelCount);
    rows[1] = NewChannelTexts(QStringLiteral("146.52000"), false);
    rows[3] = With(NewChannelTexts(QStringLiteral("145.50000"), false), kColTx, QString());
    rows[4] = NewChannelTexts(QStringLiteral("174.50000"), false);
    rows[5] = With(
        NewChannelTexts(QStringLiteral("440.01250"), false), kColTx, QStringLiteral("445.01250"));
    const BandLimitValues limits {13600000, 17500000, 40000000, 48000000};
    const QList<int> selected {1, 2, 3, 4, 5};
    const FrequencyEdits edits = shift ? ShiftFrequencies(rows, selected, amount, limits, false)
                                       : SetTxFromRx(rows, selected, amount, limits, false);
    QStringList after, refusals;
    for (qsizetype i = 0; i < edits.records.size(); ++i) {
        const ChannelTexts &texts = edits.after.at(i);
        after << QStringLiteral("%1:%2/%3")
                     .arg(edits.records.at(i))
                     .arg(texts[kColRx], texts[kColTx]);
        // Only the frequencies change.
        QCOMPARE(With(With(texts, kColRx, {}), kColTx, {}),
            With(With(rows.at(edits.records.at(i)), kColRx, {}), kColTx, {}));
    }
    for (const QString &reason : edits.refused)
        refusals << reason.section(QLatin1Char(':'), 0, 0).section(QLatin1Char(' '), 1);
    QCOMPARE(after.join(QLatin1Char(' ')), changed);
    QCOMPARE(refusals.join(QLatin1Char(',')), refused);
}

QTEST_GUILESS_MAIN(TestCellCommit)
#include "tst_cellcommit.moc"
