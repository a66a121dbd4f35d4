// The rules of leaving an edited grid cell, without widgets: every column, both
// ways of leaving, a row that holds a channel and an empty one.
#include "channels/cellcommit.h"
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

QTEST_GUILESS_MAIN(TestCellCommit)
#include "tst_cellcommit.moc"
