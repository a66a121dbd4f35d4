// Feeds arbitrary text to the CSV reader and the channel import. A refused
// import leaves the image as it was; an accepted one changes only the channel
// tables, and exporting and importing the result again changes nothing.
#include "channelcsv.h"
#include "csvtable.h"
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const bool replace = size % 2 == 1;
    const QByteArray csv(reinterpret_cast<const char *>(data), qsizetype(size));

    const CsvTable table = ParseCsv(csv);
    if (table.ok())
        checkCsvRoundTrip(table);

    const MemoryImage start = NewImage();
    MemoryImage image = start;
    const CsvImportResult result = ImportChannelsCsv(csv, image, replace);
    if (!result.ok()) {
        check(image == start);
        check(!result.message().isEmpty());
        return 0;
    }
    for (int a = kNameBase + kChannelCount * kNameSize; a < kImageSize; ++a)
        check(image[a] == start[a]);

    for (CsvLayout layout : {CsvLayout::Grid, CsvLayout::Community}) {
        MemoryImage again = image;
        const CsvImportResult second
            = ImportChannelsCsv(ExportChannelsCsv(image, layout), again, true);
        check(second.ok());
        if (layout == CsvLayout::Grid)
            check(again == image);
    }
    return 0;
}
