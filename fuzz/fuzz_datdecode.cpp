// Decodes every channel and the feature texts of an arbitrary image (input past
// 8192 bytes is ignored, a shorter input is padded with 0xFF), writes the decoded
// channels back and checks that no byte the channel encoding does not own moved.
#include "bandlimits.h"
#include "channelcodec.h"
#include "featuretexts.h"
#include "memoryimage.h"

#include <cstdint>
#include <cstdlib>

using namespace ImageMap;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Bytes a non-empty record's encoding keeps: +13..+15 and flag bits 7, 6, 0.
void checkRecordKeeps(const MemoryImage &before, const MemoryImage &after, int record)
{
    const int base = kChannelBase + record * kChannelSize;
    for (int i = 13; i < kChannelSize; ++i)
        check(after[base + i] == before[base + i]);
    check((after[base + 12] & 0xC1) == (before[base + 12] & 0xC1));
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
        check(FeatureLines(image, chinese).size() == 16);
        for (int record = 0; record < kChannelCount; ++record)
            (void)DecodeChannel(image, record, chinese);
    }

    MemoryImage encoded = image;
    for (int record = 0; record < kChannelCount; ++record)
        EncodeChannel(encoded, record, DecodeChannel(image, record, record % 2 == 1));

    for (int record = 0; record < kChannelCount; ++record) {
        const int name = kNameBase + record * kNameSize;
        if (IsChannelEmpty(image, record)) {
            // An empty row becomes sixteen 0xFF bytes and leaves its name slot.
            for (int i = 0; i < kChannelSize; ++i)
                check(encoded[kChannelBase + record * kChannelSize + i] == 0xFF);
            for (int i = 0; i < kNameSize; ++i)
                check(encoded[name + i] == image[name + i]);
        } else {
            checkRecordKeeps(image, encoded, record);
        }
    }
    // Outside the record and name tables nothing changes.
    for (int a = kChannelBase + kChannelCount * kChannelSize; a < kNameBase; ++a)
        check(encoded[a] == image[a]);
    for (int a = kNameBase + kChannelCount * kNameSize; a < kImageSize; ++a)
        check(encoded[a] == image[a]);
    return 0;
}
