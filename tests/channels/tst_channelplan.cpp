// The check of a channel plan on the grid's texts: each kind of problem where it
// is and where it is not, the band edges, and Pr's place outside the duplicates.
#include "channels/channelplan.h"

#include <QtTest>

namespace {

struct Channel
{
    int record;
    const char *rx;
    const char *tx;
    const char *tone;
    const char *name;
};

QVector<ChannelTexts> Rows(const QList<Channel> &channels)
{
    QVector<ChannelTexts> rows(ImageMap::kChannelCount);
    for (const Channel &c : channels) {
        ChannelTexts texts = NewChannelTexts(QString::fromLatin1(c.rx), false);
        texts[kColTx] = QString::fromLatin1(c.tx);
        texts[kColRxTone] = texts[kColTxTone] = QString::fromLatin1(c.tone);
        texts[kColName] = QString::fromLatin1(c.name);
        rows[c.record] = texts;
    }
    return rows;
}

// "record kind other" of each problem, in the order found.
QStringList Found(const QList<PlanProblem> &problems)
{
    QStringList found;
    for (const PlanProblem &p : problems)
        found << QStringLiteral("%1 %2 %3").arg(p.record).arg(PlanKindKeyword(p.kind)).arg(p.other);
    return found;
}

const BandLimitValues kUsual {13600000, 17400000, 40000000, 48000000};
const BandLimitValues kNarrowVhf {13600000, 14800000, 40000000, 48000000};

} // namespace

using Channels = QList<Channel>;
Q_DECLARE_METATYPE(Channels)
Q_DECLARE_METATYPE(BandLimitValues)

class TestChannelPlan : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void problems_data();
    void problems();
    void texts_data();
    void texts();
};

void TestChannelPlan::problems_data()
{
    QTest::addColumn<Channels>("channels");
    QTest::addColumn<BandLimitValues>("limits");
    QTest::addColumn<QStringList>("found");
    const Channels plan {{1, "146.52000", "146.52000", "None", "CALL"},
        {2, "155.16000", "155.16000", "None", "FIRE"},
        {3, "162.55000", "162.55000", "None", "WX1"}};
    QTest::newRow("a sound plan") << plan << kUsual << QStringList();
    QTest::newRow("a narrowed VHF limit leaves 155.16 and 162.55 outside")
        << plan << kNarrowVhf << QStringList {"2 out-of-band -1", "3 out-of-band -1"};
    QTest::newRow("the upper edge is outside, Tx alone counts")
        << Channels {{1, "147.00000", "148.00000", "None", ""}, {2, "147.99750", "", "None", ""}}
        << kNarrowVhf << QStringList {"1 out-of-band -1"};
    QTest::newRow("between the bands, and in Pr")
        << Channels {{0, "300.00000", "300.00000", "None", ""}} << kUsual
        << QStringList {"0 out-of-band -1"};
    QTest::newRow("off the 2.5 and 6.25 kHz steps")
        << Channels {{1, "146.51260", "146.51250", "None", ""},
               {2, "146.51250", "446.00630", "None", ""}, {3, "146.50625", "146.50625", "None", ""}}
        << kUsual << QStringList {"1 off-step -1", "2 off-step -1"};
    QTest::newRow("outside and off step are two problems")
        << Channels {{4, "170.00001", "170.00001", "None", ""}} << kNarrowVhf
        << QStringList {"4 out-of-band -1", "4 off-step -1"};
    QTest::newRow("an exact repeat is named at each later channel")
        << Channels {{1, "146.52000", "146.52000", "67.0", ""},
               {5, "146.52000", "146.52000", "67.0", ""}, {7, "146.52000", "146.52000", "67.0", ""},
               {8, "146.52000", "146.52000", "71.9", ""}, {9, "146.52000", "147.12000", "67.0", ""}}
        << kUsual << QStringList {"5 duplicate 1", "7 duplicate 1"};
    QTest::newRow("a name used twice; empty names are not names")
        << Channels {{1, "146.52000", "146.52000", "None", "WX1"},
               {2, "146.55000", "146.55000", "None", ""}, {3, "146.58000", "146.58000", "None", ""},
               {4, "162.55000", "162.55000", "None", "WX1"}}
        << kUsual << QStringList {"4 duplicate-name 1"};
    QTest::newRow("Pr may repeat a channel of the list")
        << Channels {{0, "146.52000", "146.52000", "None", "CALL"},
               {1, "146.52000", "146.52000", "None", "CALL"}}
        << kUsual << QStringList();
}

void TestChannelPlan::problems()
{
    QFETCH(Channels, channels);
    QFETCH(BandLimitValues, limits);
    QFETCH(QStringList, found);
    QCOMPARE(Found(CheckChannelPlan(Rows(channels), limits, false)), found);
}

void TestChannelPlan::texts_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("English") << false
                             << QStringList {"Rx 155.16000 MHz, Tx 155.16000 MHz: outside the band "
                                             "limits (VHF 136-148 MHz, UHF 400-480 MHz)",
                                    "Same Rx, Tx and tones as channel 2",
                                    "Name \"FIRE\" is also used by channel 2"};
    QTest::newRow("Chinese") << true
                             << QStringList {
                                    "接收 155.16000 MHz，发射 155.16000 MHz：超出频段范围（"
                                    "VHF 136-148 MHz, UHF 400-480 MHz）",
                                    "与信道2的接收、发射频率和亚音相同", "名称“FIRE”已被信道2使用"};
}

void TestChannelPlan::texts()
{
    QFETCH(bool, chinese);
    QFETCH(QStringList, texts);
    const Channels plan {{2, "146.52000", "146.52000", "None", "FIRE"},
        {3, "155.16000", "155.16000", "None", ""}, {4, "146.52000", "146.52000", "None", "FIRE"}};
    QStringList found;
    for (const PlanProblem &problem : CheckChannelPlan(Rows(plan), kNarrowVhf, chinese))
        found << problem.text;
    QCOMPARE(found, texts);
}

QTEST_GUILESS_MAIN(TestChannelPlan)
#include "tst_channelplan.moc"
