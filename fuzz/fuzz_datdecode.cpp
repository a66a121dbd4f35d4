// Decodes every channel and the feature texts of an arbitrary image (input past
// 8192 bytes is ignored, a shorter input is padded with 0xFF), writes the decoded
// channels back and checks that no byte the channel encoding does not own moved.
// Texts are stable: a row read from outside as the channel shows it changes no
// byte (EncodeChannelExact), and every text the grid's encoding does not give
// back as it was is one that an import refuses for another channel.
#include "channels/bandlimits.h"
#include "channels/channelcodec.h"
#include "csv/channelfields.h"
#include "image/memoryimage.h"
#include "print/featuretexts.h"

#include <climits>
#include <cstdint>
#include <cstdlib>

using namespace ImageMap;

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// Bytes a non-empty record's encoding keeps: +13..+15 and flag bits 7, 6, 0.
void CheckRecordKeeps(const MemoryImage &before, const MemoryImage &after, int record)
{
    const int base = kChannelBase + record * kChannelSize;
    for (int i = 13; i < kChannelSize; ++i)
        Check(after[base + i] == before[base + i]);
    Check((after[base + 12] & 0xC1) == (before[base + 12] & 0xC1));
}

// True when a CSV import refuses the text in that column of a channel that does
// not show it now.
bool ImportRefuses(int column, const QString &text)
{
    static const BandLimitValues anyBand {0, INT_MAX, 0, INT_MAX};
    QString normalised;
    switch (column) {
    case kColRx:
    case kColTx:
        return !CheckFrequencyField(column, text, anyBand, &normalised).isEmpty();
    case kColRxTone:
    case kColTxTone:
        return !CheckToneField(column, text, QString(), &normalised).isEmpty();
    default:
        return false;
    }
}

// decode -> encode -> decode, one record: the exact encoding of the shown texts
// is the record itself; the grid's encoding gives every text back but those an
// import refuses (and power bits 11, which have no text and are written as Low).
void CheckTextStability(const MemoryImage &image, int record)
{
    for (bool chinese : {false, true}) {
        const ChannelTexts texts = DecodeChannel(image, record, chinese);
        MemoryImage exact = image;
        EncodeChannelExact(exact, record, texts);
        Check(exact == image);
    }
    const ChannelTexts texts = DecodeChannel(image, record, false);
    MemoryImage encoded = image;
    EncodeChannel(encoded, record, texts);
    const ChannelTexts back = DecodeChannel(encoded, record, false);
    if (back[kColRx].isEmpty()) {
        Check(ImportRefuses(kColRx, texts[kColRx]));
        return;
    }
    for (int c = 0; c < kChannelColumns; ++c) {
        if (back[c] != texts[c])
            Check(ImportRefuses(c, texts[c]) || (c == kColPower && texts[c].isEmpty()));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    MemoryImage image;
    image.fill(0xFF);
    std::copy(data, data + std::min<size_t>(size, kImageSize), image.begin());

    MemoryImage bands = image;
    (void)DecodeBands(bands);
    for (bool chinese : {false, true}) {
        Check(FeatureLines(image, chinese).size() == 16);
        for (int record = 0; record < kChannelCount; ++record)
            (void)DecodeChannel(image, record, chinese);
    }

    MemoryImage encoded = image;
    for (int record = 0; record < kChannelCount; ++record)
        EncodeChannel(encoded, record, DecodeChannel(image, record, record % 2 == 1));

    for (int record = 0; record < kChannelCount; ++record) {
        const int name = kNameBase + record * kNameSize;
        if (!IsChannelEmpty(image, record))
            CheckTextStability(image, record);
        if (IsChannelEmpty(image, record)) {
            // An empty row becomes sixteen 0xFF bytes and leaves its name slot.
            for (int i = 0; i < kChannelSize; ++i)
                Check(encoded[kChannelBase + record * kChannelSize + i] == 0xFF);
            for (int i = 0; i < kNameSize; ++i)
                Check(encoded[name + i] == image[name + i]);
        } else {
            CheckRecordKeeps(image, encoded, record);
        }
    }
    // Outside the record and name tables nothing changes.
    for (int a = kChannelBase + kChannelCount * kChannelSize; a < kNameBase; ++a)
        Check(encoded[a] == image[a]);
    for (int a = kNameBase + kChannelCount * kNameSize; a < kImageSize; ++a)
        Check(encoded[a] == image[a]);
    return 0;
}
