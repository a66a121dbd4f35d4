// The row commands on a document state, checked on the bytes a save writes: every
// channel must arrive whole (record, name slot, the bits no column shows) where
// the command puts it, and nothing else may change.
#include "document/rowoperations.h"
#include "support/channelimages.h"

#include <QtTest>

using namespace ImageMap;

namespace {

constexpr int kShown = 8; // the fixture's channels live in records 0-7

// Records 0-3, 5 and 6 hold channels; 4 and 7 are empty, 4 with a leftover name.
// Bytes 13-15 and flag bits 7, 6, 0 (which no column shows) and full 8-character
// names mark each record, so a channel that arrives in part is seen.
MemoryImage Fixture()
{
    MemoryImage image = ImageWithChannels(
        {{0, "146.52000", "PRIORITY"}, {1, "446.00625", "ZULU"}, {2, "145.50000", ""},
            {3, "430.02500", "ALPHA"}, {5, "145.50000", "BRAVO"}, {6, "438.50000", "ALPHA"}});
    for (int used : {0, 1, 2, 3, 5, 6}) {
        quint8 *record = &image[used * kChannelSize];
        record[12] = quint8((record[12] & 0x3E) | 0xC1);
        for (int i = 13; i < 16; ++i)
            record[i] = quint8(0x10 * used + i);
    }
    TextToName(QStringLiteral("OLD"), &image[kNameBase + 4 * kNameSize]);
    return image;
}

enum Source { kNewEmpty = -1, kCleared = -2 };

} // namespace

using RowChange = std::function<bool(DocumentState &)>;
Q_DECLARE_METATYPE(RowChange)

class TestRowOperations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsArriveWhole_data();
    void rowsArriveWhole();
    void productRangeStays_data();
    void productRangeStays();
};

void TestRowOperations::rowsArriveWhole_data()
{
    QTest::addColumn<RowChange>("change");
    QTest::addColumn<QList<int>>("sources"); // of records 0-7 after the change
    const auto row = [](const char *name, RowChange change, QList<int> sources) {
        QTest::newRow(name) << change << sources;
    };
    const QList<int> same {0, 1, 2, 3, 4, 5, 6, 7};
    row("clear Pr and 3",
        [](DocumentState &s) {
            s = ClearRows(s, {0, 3});
            return true;
        },
        {kCleared, 1, 2, kCleared, 4, 5, 6, 7});
    row("insert at 2 pushes the rest down", [](DocumentState &s) { return InsertEmptyRow(s, 2); },
        {0, 1, kNewEmpty, 2, 3, 4, 5, 6});
    row(
        "insert refused while channel 199 is in use",
        [](DocumentState &s) {
            DocumentState full = s;
            full.rows[kChannelCount - 1] = NewChannelTexts(QStringLiteral("145.00000"), false);
            const DocumentState before = full;
            return !InsertEmptyRow(full, 2) && full.rows == before.rows
                && full.image == before.image;
        },
        same);
    row("delete rows 1 and 3 pulls the rest up",
        [](DocumentState &s) {
            s = DeleteRows(s, {1, 3});
            return true;
        },
        {0, 2, 4, 5, 6, 7, kNewEmpty, kNewEmpty});
    row("move a block up",
        [](DocumentState &s) {
            return MoveRows(s, {2, 3}, -1) == QList {1, 2};
        },
        {0, 2, 3, 1, 4, 5, 6, 7});
    row("move scattered rows down",
        [](DocumentState &s) {
            return MoveRows(s, {0, 3}, 1) == QList {1, 4};
        },
        {1, 0, 2, 4, 3, 5, 6, 7});
    // Pr is the priority channel: only a move of the Pr row itself changes it.
    row(
        "nothing moves up into Pr or out of it",
        [](DocumentState &s) {
            const DocumentState before = s;
            return MoveRows(s, {0, 1}, -1).isEmpty() && MoveRows(s, {1}, -1).isEmpty()
                && MoveRows(s, {1, 2, 3}, -1).isEmpty() && !InsertEmptyRow(s, 0)
                && s.rows == before.rows && s.image == before.image;
        },
        same);
    row("delete Pr empties it and shifts nothing",
        [](DocumentState &s) {
            s = DeleteRows(s, {0});
            return true;
        },
        {kCleared, 1, 2, 3, 4, 5, 6, 7});
    row("delete Pr with channel 2: the list closes up below Pr",
        [](DocumentState &s) {
            s = DeleteRows(s, {0, 2});
            return true;
        },
        {kCleared, 1, 3, 4, 5, 6, 7, kNewEmpty});
    row("sort with Pr selected sorts channels 1-199 only",
        [](DocumentState &s) {
            SortRows(s, {0, 1, 2, 3, 4, 5}, RowSortKey::RxFrequency);
            return true;
        },
        {0, 2, 5, 3, 1, 4, 6, 7});
    row("sort by name with Pr selected",
        [](DocumentState &s) {
            SortRows(s, {0, 1, 3, 6}, RowSortKey::Name);
            return true;
        },
        {0, 3, 2, 6, 4, 5, 1, 7});
    // Each of these would write past the table or outside the selection.
    row(
        "nothing moves, clears or goes beyond the table's ends",
        [](DocumentState &s) {
            DocumentState t = s;
            const bool refused = MoveRows(t, {198, 199}, 1).isEmpty()
                && MoveRows(t, {3, kChannelCount}, -1).isEmpty() && MoveRows(t, {3}, 2).isEmpty()
                && !InsertEmptyRow(t, kChannelCount) && !InsertEmptyRow(t, -1);
            t = ClearRows(t, {-1, 2});
            t = DeleteRows(t, {2, kChannelCount});
            t = DeleteRows(t, {3, 2});
            SortRows(t, {5, 3}, RowSortKey::RxFrequency);
            SetColumnOfRows(t, {1, kChannelCount}, kColName, QStringLiteral("X"));
            PutSlot(t, kChannelCount, ChannelSlot());
            return refused && t.rows == s.rows && t.image == s.image;
        },
        same);
    row("sort by Rx frequency, empty rows last",
        [](DocumentState &s) {
            SortRows(s, {1, 2, 3, 4, 5}, RowSortKey::RxFrequency);
            return true;
        },
        {0, 2, 5, 3, 1, 4, 6, 7});
    row("sort by name, unnamed after named, ties by frequency",
        [](DocumentState &s) {
            SortRows(s, {1, 2, 3, 5, 6, 7}, RowSortKey::Name);
            return true;
        },
        {0, 3, 6, 5, 4, 1, 2, 7});
}

void TestRowOperations::rowsArriveWhole()
{
    QFETCH(RowChange, change);
    QFETCH(QList<int>, sources);
    const MemoryImage before = Fixture();
    DocumentState state = DecodeState(before, false);
    QVERIFY(change(state));
    const MemoryImage after = ComposeImage(state);

    for (int record = 0; record < kShown; ++record) {
        const int source = sources.at(record);
        QByteArray expected = source >= 0 ? SlotBytes(before, source) : QByteArray(24, '\xFF');
        if (source == kCleared)
            expected = QByteArray(16, '\xFF') + SlotBytes(before, record).mid(16);
        QCOMPARE(SlotBytes(after, record).toHex(' '), expected.toHex(' '));
        const ChannelTexts texts
            = source >= 0 ? DecodeChannel(before, source, false) : ChannelTexts();
        QCOMPARE(state.rows.at(record), texts);
    }
    // The rest of the image, the other rows included, is as it was.
    for (int record = kShown; record < kChannelCount; ++record)
        QCOMPARE(SlotBytes(after, record), SlotBytes(before, record));
    const int namesEnd = kNameBase + kChannelCount * kNameSize;
    for (int address = kChannelCount * kChannelSize; address < kNameBase; ++address)
        QCOMPARE(after[address], before[address]);
    for (int address = namesEnd; address < kImageSize; ++address)
        QCOMPARE(after[address], before[address]);
}

void TestRowOperations::productRangeStays_data()
{
    QTest::addColumn<RowChange>("change");
    QTest::addColumn<bool>("channelIn106");
    QTest::newRow("a row inserted above moves the channel of 105 into 106")
        << RowChange([](DocumentState &s) { return InsertEmptyRow(s, 100); }) << true;
    QTest::newRow("a row deleted above moves empty rows through 106") << RowChange(
        [](DocumentState &s) {
            s = DeleteRows(s, {100});
            return true;
        }) << false;
    QTest::newRow("the channel of 105 moved into 106")
        << RowChange([](DocumentState &s) { return !MoveRows(s, {105}, 1).isEmpty(); }) << true;
    QTest::newRow("the channel moved into 106 and on to 107") << RowChange([](DocumentState &s) {
        return !MoveRows(s, {105}, 1).isEmpty() && !MoveRows(s, {106}, 1).isEmpty();
    }) << false;
}

void TestRowOperations::productRangeStays()
{
    QFETCH(RowChange, change);
    QFETCH(bool, channelIn106);
    // Record 105 holds a named channel; record 106 is empty, its first name bytes
    // being the product range.
    MemoryImage image = Fixture();
    ChannelTexts named = NewChannelTexts(QStringLiteral("145.00000"), false);
    named[kColName] = QStringLiteral("NAMED");
    EncodeChannel(image, 105, named);
    const quint8 range[3] = {0x40, 0x47, 0x09};
    std::copy_n(range, 3, &image[kProductRange]);
    DocumentState state = DecodeState(image, false);
    QVERIFY(change(state));

    const MemoryImage after = ComposeImage(state);
    const QByteArray slot106 = ImageBytes(after, kProductRange, 8);
    const QByteArray expected = channelIn106 ? QByteArray::fromHex("170a160e0dffffff")
                                             : QByteArray::fromHex("404709ffffffffff");
    QCOMPARE(slot106.toHex(' '), expected.toHex(' '));
    // Whichever empty row left 106 took nothing of the range with it.
    for (int record = 100; record < 110; ++record) {
        if (record != 106 && state.rows.at(record)[kColRx].isEmpty())
            QVERIFY(!SlotBytes(after, record).contains(QByteArray::fromHex("404709")));
    }
}

QTEST_GUILESS_MAIN(TestRowOperations)
#include "tst_rowoperations.moc"
