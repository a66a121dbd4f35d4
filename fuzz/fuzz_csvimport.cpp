// Feeds arbitrary text to the CSV reader and the channel import, over a new image,
// a random image, or a new image with random channels (tones, flags and names
// that only another program could store). A refused import leaves the image as
// it was; an accepted one changes only the channel records and names. Then the
// image's own exports go back in: into the image itself they change no byte, and
// the community export read into another image shows the same channels.
#include "channelcsv.h"
#include "csvtable.h"
#include "memoryimage.h"

#include <cstdint>
#include <cstdlib>
#include <random>

using namespace ImageMap;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkCsvRoundTrip(const CsvTable &table)
{
    QString text;
    for (const CsvRecord &record : table.records)
        text += FormatCsvRecord(record.fields);
    const CsvTable again = ParseCsv(text.toUtf8());
    check(again.ok());
    check(again.records.size() == table.records.size());
    for (int i = 0; i < table.records.size(); ++i)
        check(again.records[i].fields == table.records[i].fields);
}

// A channel in the default bands with random tones, flags, unowned bytes and name.
void addRandomChannel(MemoryImage &image, std::mt19937 &random)
{
    static const char *const frequencies[] = {"146.52500", "440.01250", "145.00000", "433.00625"};
    const int record = int(random() % kChannelCount);
    EncodeChannel(
        image, record, NewChannelTexts(QString::fromLatin1(frequencies[random() % 4]), false));
    quint8 *r = &image[kChannelBase + record * kChannelSize];
    static const quint8 tx[][4]
        = {{0xFF, 0xFF, 0xFF, 0xFF}, {0, 0, 0, 0}, {0x00, 0x25, 0x65, 0x14}};
    const quint8 *chosen = tx[random() % 3];
    std::copy(chosen, chosen + 4, r + 4);
    for (int i = 8; i < kChannelSize; ++i)
        r[i] = quint8(random());
    for (int i = 0; i < kNameSize; ++i)
        image[kNameBase + record * kNameSize + i] = quint8(random() % 40);
}

enum ImageKind { kNew, kRandom, kRandomChannels };

MemoryImage startImage(const QByteArray &csv, ImageKind kind)
{
    MemoryImage image = NewImage();
    std::mt19937 random(qHash(csv));
    switch (kind) {
    case kRandom:
        for (quint8 &byte : image)
            byte = quint8(random());
        break;
    case kRandomChannels:
        for (int n = 0; n < 24; ++n)
            addRandomChannel(image, random);
        break;
    case kNew:
        break;
    }
    return image;
}

// What an accepted import may change: channel records and name slots only.
void checkOnlyChannelsChanged(const MemoryImage &before, const MemoryImage &after)
{
    const int recordsEnd = kChannelBase + kChannelCount * kChannelSize; // 0x0C80
    for (int a = recordsEnd; a < kNameBase; ++a)
        check(after[a] == before[a]);
    for (int a = kNameBase + kChannelCount * kNameSize; a < kImageSize; ++a)
        check(after[a] == before[a]);
}

// The community export read into a new image with the same band limits shows the
// same channels; names beyond 6 characters are cut (with a note) and power bits
// 11, which have no text, come back High.
void checkCommunityIntoAnotherImage(const MemoryImage &image, const QByteArray &community)
{
    MemoryImage other = NewImage();
    std::copy(&image[kVhfBand], &image[kVhfBand + 6], &other[kVhfBand]);
    if (!ImportChannelsCsv(community, other, true).ok())
        return; // a value the layout cannot carry (a tone that is no code) is refused
    for (int record = 0; record < kChannelCount; ++record) {
        const ChannelTexts was = DecodeChannel(image, record, false);
        const ChannelTexts now = DecodeChannel(other, record, false);
        for (int c = 0; c < kChannelColumns; ++c) {
            if (c == kColName)
                check(now[c] == was[c].left(6));
            else if (c == kColPower && was[c].isEmpty() && !was[kColRx].isEmpty())
                check(now[c] == QLatin1String("High"));
            else
                check(now[c] == was[c]);
        }
    }
}

// An image's own exports imported into it again change no byte. Only a random
// image may hold a channel the grid refuses (out of its band limits); the
// community layout cannot carry every DCS text ("D05N").
void checkOwnExports(const MemoryImage &image, ImageKind kind)
{
    const QByteArray exports[] = {
        ExportChannelsCsv(image, CsvLayout::Grid), ExportChannelsCsv(image, CsvLayout::Community)};
    for (const QByteArray &csv : exports) {
        MemoryImage again = image;
        const CsvImportResult result = ImportChannelsCsv(csv, again, true, true);
        check(again == image);
        check(result.ok() || &csv == &exports[1] || kind == kRandom);
    }
    checkCommunityIntoAnotherImage(image, exports[1]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const bool replace = size % 2 == 1;
    const QByteArray csv(reinterpret_cast<const char *>(data), qsizetype(size));

    const CsvTable table = ParseCsv(csv);
    if (table.ok())
        checkCsvRoundTrip(table);

    const auto kind = ImageKind(size / 2 % 3);
    const MemoryImage start = startImage(csv, kind);
    MemoryImage image = start;
    const CsvImportResult result = ImportChannelsCsv(csv, image, replace);
    if (!result.ok()) {
        check(image == start);
        check(!result.message().isEmpty());
    } else {
        checkOnlyChannelsChanged(start, image);
    }

    // A random image rarely holds a channel the import takes; decoding such
    // images is what fuzz_datdecode covers.
    if (kind != kRandom || result.ok())
        checkOwnExports(image, kind);
    return 0;
}
