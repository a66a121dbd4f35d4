#include "document/rowoperations.h"

#include <algorithm>

using namespace ImageMap;

namespace {

constexpr int kPriority = 0; // "Pr": the radio's priority channel, not a list row
constexpr int kLastRecord = kChannelCount - 1;
constexpr int kRangeRecord = (kProductRange - kNameBase) / kNameSize; // 106
constexpr int kRangeLength = 3;

ChannelSlot EmptySlot()
{
    ChannelSlot slot;
    slot.record.fill(0xFF);
    slot.name.fill(0xFF);
    return slot;
}

// The table of every record as the state's composed image holds them: the table's
// texts stay as the document keeps them, the bytes are those a save writes.
QList<ChannelSlot> AllSlots(const DocumentState &state)
{
    const MemoryImage image = ComposeImage(state);
    QList<ChannelSlot> table;
    table.reserve(kChannelCount);
    for (int record = 0; record < kChannelCount; ++record) {
        ChannelSlot slot = SlotFromImage(image, record, false);
        slot.texts = state.rows.at(record);
        table.append(slot);
    }
    return table;
}

DocumentState WithSlots(const DocumentState &state, const QList<ChannelSlot> &table)
{
    DocumentState after = state;
    for (int record = 0; record < kChannelCount; ++record)
        PutSlot(after, record, table.at(record));
    return after;
}

bool IsEmptyRow(const ChannelTexts &texts)
{
    return texts[kColRx].isEmpty();
}

bool IsRecord(int record)
{
    return record >= 0 && record <= kLastRecord;
}

// Records sorted, distinct and inside the table. Anything else changes nothing,
// in every build: a row past the end would be written past the table.
bool AreRecords(const QList<int> &records)
{
    for (int i = 0; i < records.size(); ++i) {
        if (!IsRecord(records.at(i)) || (i > 0 && records.at(i) <= records.at(i - 1)))
            return false;
    }
    return true;
}

// The selected rows of the channel list (1-199): Pr left out.
QList<int> ListRecords(const QList<int> &records)
{
    QList<int> list = records;
    list.removeAll(kPriority);
    return list;
}

} // namespace

ChannelSlot SlotFromImage(const MemoryImage &image, int record, bool chinese)
{
    ChannelSlot slot;
    slot.texts = DecodeChannel(image, record, chinese);
    const auto recordBytes = image.begin() + kChannelBase + kChannelSize * record;
    std::copy(recordBytes, recordBytes + kChannelSize, slot.record.begin());
    const auto nameBytes = image.begin() + kNameBase + kNameSize * record;
    std::copy(nameBytes, nameBytes + kNameSize, slot.name.begin());
    // Without a channel in record 106 its first name bytes are the product range,
    // which belongs to the image, not to the row.
    if (record == kRangeRecord && slot.texts[kColRx].isEmpty())
        std::fill_n(slot.name.begin(), kRangeLength, 0xFF);
    return slot;
}

void PutSlot(DocumentState &state, int record, const ChannelSlot &slot)
{
    if (!IsRecord(record))
        return;
    state.rows[record] = slot.texts;
    std::copy(slot.record.begin(), slot.record.end(),
        state.image.begin() + kChannelBase + kChannelSize * record);
    // The range bytes stay in the image; a channel in record 106 writes its name
    // over them when the image is composed, as typing its name does.
    const int keep = record == kRangeRecord ? kRangeLength : 0;
    std::copy(slot.name.begin() + keep, slot.name.end(),
        state.image.begin() + kNameBase + kNameSize * record + keep);
}

DocumentState ClearRows(const DocumentState &state, const QList<int> &records)
{
    DocumentState after = state;
    if (!AreRecords(records))
        return after;
    for (int record : records) {
        after.rows[record] = ChannelTexts();
        std::fill_n(after.image.begin() + kChannelBase + kChannelSize * record, kChannelSize, 0xFF);
    }
    return after;
}

bool InsertEmptyRow(DocumentState &state, int record)
{
    if (!IsRecord(record) || record == kPriority || !IsEmptyRow(state.rows.at(kLastRecord)))
        return false;
    QList<ChannelSlot> table = AllSlots(state);
    table.removeLast();
    table.insert(record, EmptySlot());
    state = WithSlots(state, table);
    return true;
}

DocumentState DeleteRows(const DocumentState &state, const QList<int> &records)
{
    if (!AreRecords(records))
        return state;
    // Pr is emptied where it is; the list below it closes up on its own.
    DocumentState after = records.contains(kPriority) ? ClearRows(state, {kPriority}) : state;
    const QList<int> list = ListRecords(records);
    if (list.isEmpty())
        return after;
    QList<ChannelSlot> table = AllSlots(after);
    for (auto it = list.crbegin(); it != list.crend(); ++it)
        table.removeAt(*it);
    while (table.size() < kChannelCount)
        table.append(EmptySlot());
    return WithSlots(after, table);
}

QList<int> MoveRows(DocumentState &state, const QList<int> &records, int step)
{
    if (records.isEmpty() || !AreRecords(records) || (step != -1 && step != 1)
        || !IsRecord(records.first() + step) || !IsRecord(records.last() + step))
        return {};
    // Only the Pr row itself, moved down, exchanges places with channel 1.
    if (records.first() + step == kPriority)
        return {};
    QList<ChannelSlot> table = AllSlots(state);
    QList<int> moved;
    // Upwards from the top, downwards from the bottom: a block of selected rows
    // passes its neighbour along to its other end.
    for (int i = 0; i < records.size(); ++i) {
        const int record = records.at(step < 0 ? i : records.size() - 1 - i);
        table.swapItemsAt(record, record + step);
        moved.append(record + step);
    }
    std::sort(moved.begin(), moved.end());
    state = WithSlots(state, table);
    return moved;
}

void SortRows(DocumentState &state, const QList<int> &selected, RowSortKey key)
{
    if (!AreRecords(selected))
        return;
    const QList<int> records = ListRecords(selected);
    const QList<ChannelSlot> table = AllSlots(state);
    QList<ChannelSlot> chosen;
    for (int record : records)
        chosen.append(table.at(record));
    const auto frequency
        = [](const ChannelSlot &slot) { return FrequencyUnits(slot.texts[kColRx]); };
    std::stable_sort(chosen.begin(), chosen.end(), [&](const ChannelSlot &a, const ChannelSlot &b) {
        if (IsEmptyRow(a.texts) != IsEmptyRow(b.texts))
            return IsEmptyRow(b.texts);
        if (key == RowSortKey::Name) {
            const QString &x = a.texts[kColName];
            const QString &y = b.texts[kColName];
            if (x.isEmpty() != y.isEmpty())
                return y.isEmpty();
            if (x != y)
                return x < y;
        }
        return frequency(a) < frequency(b);
    });
    for (int i = 0; i < records.size(); ++i)
        PutSlot(state, records.at(i), chosen.at(i));
}

void SetColumnOfRows(
    DocumentState &state, const QList<int> &records, int column, const QString &text)
{
    if (!AreRecords(records) || column < 0 || column >= kChannelColumns)
        return;
    for (int record : records) {
        if (!IsEmptyRow(state.rows.at(record)))
            state.rows[record][column] = text;
    }
}
