#include "document/documentstate.h"

MemoryImage ComposeImage(const DocumentState &state)
{
    MemoryImage image = state.image;
    for (int record = 0; record < ImageMap::kChannelCount; ++record)
        EncodeChannel(image, record, state.rows.at(record));
    EncodeBands(image, state.boxes);
    return image;
}

DocumentState DecodeState(const MemoryImage &image, bool chinese)
{
    DocumentState state;
    state.image = image;
    state.boxes = DecodeBands(image);
    for (int record = 0; record < ImageMap::kChannelCount; ++record)
        state.rows[record] = DecodeChannel(image, record, chinese);
    return state;
}

DocumentState WithChannelsOf(const DocumentState &state, const MemoryImage &image, bool chinese)
{
    const MemoryImage current = ComposeImage(state);
    DocumentState after = state;
    after.image = image;
    for (int record = 0; record < ImageMap::kChannelCount; ++record) {
        ChannelTexts texts = DecodeChannel(image, record, chinese);
        if (texts != DecodeChannel(current, record, chinese))
            after.rows[record] = std::move(texts);
    }
    return after;
}

StateDelta DiffStates(const DocumentState &before, const DocumentState &after)
{
    StateDelta delta;
    for (int record = 0; record < ImageMap::kChannelCount; ++record) {
        if (before.rows.at(record) != after.rows.at(record))
            delta.rows.append({record, before.rows.at(record), after.rows.at(record)});
    }
    for (int address = 0; address < kImageSize;) {
        if (before.image[address] == after.image[address]) {
            ++address;
            continue;
        }
        const int start = address;
        while (address < kImageSize && before.image[address] != after.image[address])
            ++address;
        const auto bytesOf = [start, address](const MemoryImage &image) {
            return QByteArray(reinterpret_cast<const char *>(&image[start]), address - start);
        };
        delta.bytes.append({start, bytesOf(before.image), bytesOf(after.image)});
    }
    if (!(before.boxes == after.boxes)) {
        delta.bandsChanged = true;
        delta.bandsBefore = before.boxes;
        delta.bandsAfter = after.boxes;
    }
    return delta;
}

void ApplyDelta(DocumentState &state, const StateDelta &delta, bool forward)
{
    for (const StateDelta::Row &row : delta.rows)
        state.rows[row.record] = forward ? row.after : row.before;
    for (const StateDelta::Bytes &run : delta.bytes) {
        const QByteArray &bytes = forward ? run.after : run.before;
        std::copy(bytes.begin(), bytes.end(), &state.image[run.address]);
    }
    if (delta.bandsChanged)
        state.boxes = forward ? delta.bandsAfter : delta.bandsBefore;
}
