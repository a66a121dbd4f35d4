// Feeds arbitrary text to the CSV reader and the channel import, over a new image,
// a random image, or a new image with random channels (tones, flags and names
// that only another program could store). A refused import leaves the image as
// it was; an accepted one changes only the channel records and names, and of
// those only the channels the file lists and, in them, only the fields it sets.
// Then the image's own exports go back in: into the image itself they change no
// byte, also with columns left out, with CR line ends or cut at a line end; cut
// in the middle of a row or with a value more in a row they are refused; and the
// community export read into another image shows the same channels.
#include "channels/channelcolumns.h"
#include "csv/channelcsv.h"
#include "csv/csvtable.h"
#include "image/memoryimage.h"

#include <cstdint>
#include <cstdlib>
#include <random>

using namespace ImageMap;

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckCsvRoundTrip(const CsvTable &table)
{
    QString text;
    for (const CsvRecord &record : table.records)
        text += FormatCsvRecord(record.fields);
    const CsvTable again = ParseCsv(text.toUtf8());
    Check(again.ok());
    Check(again.records.size() == table.records.size());
    for (int i = 0; i < table.records.size(); ++i)
        Check(again.records[i].fields == table.records[i].fields);
}

// A channel in the default bands with random tones, flags, unowned bytes and name.
void AddRandomChannel(MemoryImage &image, std::mt19937 &random)
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

MemoryImage StartImage(const QByteArray &csv, ImageKind kind)
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
            AddRandomChannel(image, random);
        break;
    case kNew:
        break;
    }
    return image;
}

// What an accepted import may change: channel records and name slots only.
void CheckOnlyChannelsChanged(const MemoryImage &before, const MemoryImage &after)
{
    const int recordsEnd = kChannelBase + kChannelCount * kChannelSize; // 0x0C80
    for (int a = recordsEnd; a < kNameBase; ++a)
        Check(after[a] == before[a]);
    for (int a = kNameBase + kChannelCount * kNameSize; a < kImageSize; ++a)
        Check(after[a] == before[a]);
}

// Without replace, a channel the file does not list keeps its record and name
// bytes; in a grid file, a listed channel that stays a channel keeps the bits of
// every column the header does not have and every word or tone column whose
// cell is empty.
void CheckOnlyNamedFieldsChanged(const QByteArray &csv, const MemoryImage &before,
    const MemoryImage &after, const CsvImportResult &result)
{
    QList<bool> listed(kChannelCount, false);
    for (const ChannelRow &row : result.rows)
        listed[row.record] = true;
    for (int record = 0; record < kChannelCount; ++record) {
        if (listed[record])
            continue;
        for (int column = 0; column < kChannelColumns; ++column) {
            for (const ImageBits &bits : ChannelColumnBits(record, column))
                Check((before[bits.address] & bits.mask) == (after[bits.address] & bits.mask));
        }
    }
    if (result.layout != CsvLayout::Grid)
        return;
    const CsvTable table = ParseCsv(csv);
    Check(table.ok() && !table.records.isEmpty());
    const QStringList header = table.records.first().fields;
    QList<int> columnOfField; // grid column of each field, -1 for CH
    for (const QString &name : header) {
        int found = -1;
        for (int c = 0; c < kChannelColumns; ++c) {
            if (name.trimmed().compare(ColumnCsvHeading(c), Qt::CaseInsensitive) == 0
                || name.trimmed() == ColumnHeader(c, true))
                found = c;
        }
        columnOfField.append(found);
    }
    for (const ChannelRow &row : result.rows) {
        if (IsChannelEmpty(before, row.record) || IsChannelEmpty(after, row.record))
            continue;
        QList<bool> unset(kChannelColumns, true);
        for (const CsvRecord &record : table.records) {
            if (record.line != row.line)
                continue;
            for (int i = 0; i < header.size() && i < record.fields.size(); ++i) {
                const int c = columnOfField[i];
                const bool emptyKeeps = c >= kColRxTone && c <= kColBandwidth;
                if (c >= 0 && !(emptyKeeps && record.fields[i].trimmed().isEmpty()))
                    unset[c] = false;
            }
        }
        for (int c = kColTx; c < kChannelColumns; ++c) {
            if (!unset[c])
                continue;
            for (const ImageBits &bits : ChannelColumnBits(row.record, c))
                Check((before[bits.address] & bits.mask) == (after[bits.address] & bits.mask));
        }
    }
}

// The lines of an export: the header, then one per channel (CR LF ended).
QList<QByteArray> ExportLines(const QByteArray &csv)
{
    QList<QByteArray> lines = csv.split('\n');
    lines.removeLast(); // after the last CR LF
    for (QByteArray &line : lines)
        line.chop(1); // the CR
    return lines;
}

QByteArray JoinLines(const QList<QByteArray> &lines, const char *end)
{
    QByteArray csv;
    for (const QByteArray &line : lines)
        csv += line + end;
    return csv;
}

// The image's own export in other shapes. With columns left out (not CH / Rx,
// Location / Frequency) or CR line ends it changes no byte of the image; cut in
// the middle of a row, or with a value more in a row, it is refused.
void CheckExportShapes(const MemoryImage &image, const QByteArray &csv, quint32 choice)
{
    const QList<QByteArray> lines = ExportLines(csv);
    if (lines.size() < 2)
        return;
    const auto unchanged = [&](const QByteArray &shaped) {
        MemoryImage again = image;
        ImportChannelsCsv(shaped, again, false);
        Check(again == image);
    };
    const auto refused = [&](const QByteArray &shaped) {
        MemoryImage again = image;
        const CsvImportResult result = ImportChannelsCsv(shaped, again, false);
        Check(!result.ok() && again == image);
    };
    unchanged(JoinLines(lines, "\r"));

    // Columns left out: every field but the first two (names hold no comma, so
    // a plain split finds the fields of an export).
    QList<QByteArray> fewer;
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.split(',');
        QList<QByteArray> kept;
        for (int i = 0; i < fields.size(); ++i) {
            if (i < 3 || (choice >> (i % 32) & 1))
                kept.append(fields[i]);
        }
        fewer.append(kept.join(','));
    }
    unchanged(JoinLines(fewer, "\r\n"));

    const int row = 1 + int(choice % quint32(lines.size() - 1));
    QList<QByteArray> extra = lines;
    extra[row] += ",X";
    refused(JoinLines(extra, "\r\n"));

    // Cut before the last comma of a row: that row has fewer fields than the header.
    const qsizetype lastComma = lines[row].lastIndexOf(',');
    const qsizetype cut = qsizetype(choice / 7 % quint32(lastComma));
    QList<QByteArray> cutShort = lines.mid(0, row);
    cutShort.append(lines[row].left(cut + 1));
    QByteArray shaped = JoinLines(cutShort, "\r\n");
    shaped.chop(2);
    if (lines[row].left(cut + 1).contains(','))
        refused(shaped);
}

// The community export read into a new image with the same band limits shows the
// same channels; names beyond 6 characters are cut (with a note) and power bits
// 11, which have no text, come back High.
void CheckCommunityIntoAnotherImage(const MemoryImage &image, const QByteArray &community)
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
                Check(now[c] == was[c].left(6));
            else if (c == kColPower && was[c].isEmpty() && !was[kColRx].isEmpty())
                Check(now[c] == QLatin1String("High"));
            else
                Check(now[c] == was[c]);
        }
    }
}

// An image's own exports imported into it again change no byte. Only a random
// image may hold a channel the import refuses (out of its band limits).
void CheckOwnExports(const MemoryImage &image, ImageKind kind)
{
    const QByteArray exports[] = {
        ExportChannelsCsv(image, CsvLayout::Grid), ExportChannelsCsv(image, CsvLayout::Community)};
    for (const QByteArray &csv : exports) {
        MemoryImage again = image;
        const CsvImportResult result = ImportChannelsCsv(csv, again, true, true);
        Check(again == image);
        Check(result.ok() || kind == kRandom);
        if (result.ok())
            CheckExportShapes(image, csv, quint32(qHash(csv)));
    }
    CheckCommunityIntoAnotherImage(image, exports[1]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const bool replace = size % 2 == 1;
    const QByteArray csv(reinterpret_cast<const char *>(data), qsizetype(size));

    const CsvTable table = ParseCsv(csv);
    if (table.ok())
        CheckCsvRoundTrip(table);

    const auto kind = ImageKind(size / 2 % 3);
    const MemoryImage start = StartImage(csv, kind);
    MemoryImage image = start;
    const CsvImportResult result = ImportChannelsCsv(csv, image, replace);
    if (!result.ok()) {
        Check(image == start);
        Check(!result.message().isEmpty());
    } else {
        CheckOnlyChannelsChanged(start, image);
        if (!replace)
            CheckOnlyNamedFieldsChanged(csv, start, image, result);
    }

    // A random image rarely holds a channel the import takes; decoding such
    // images is what fuzz_datdecode covers.
    if (kind != kRandom || result.ok())
        CheckOwnExports(image, kind);
    return 0;
}
