#include "channelview/channelclipboard.h"

#include "channels/channelcolumns.h"
#include "csv/channelcsv.h"
#include "csv/csvtable.h"
#include "settings/language.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

namespace ChannelClipboard {
namespace {

// The private copy of the rows: the text it came with and 24 bytes per row.
const QString kRowBytesFormat = QStringLiteral("application/x-htprog-channel-rows");
constexpr int kSlotBytes = ImageMap::kChannelSize + ImageMap::kNameSize;

QStringList GridHeader()
{
    QStringList header;
    for (int column = kChHeading; column < kChannelColumns; ++column)
        header << ColumnCsvHeading(column);
    return header;
}

QString ChText(int record)
{
    return RowLabel(record).trimmed();
}

// The private bytes, when the clipboard text is still the one they came with.
QByteArray OwnBytes(const QMimeData *mime, int rows)
{
    if (!mime->hasFormat(kRowBytesFormat))
        return {};
    QDataStream in(mime->data(kRowBytesFormat));
    QString text;
    QByteArray bytes;
    in >> text >> bytes;
    if (in.status() != QDataStream::Ok || text != mime->text() || bytes.size() != rows * kSlotBytes)
        return {};
    return bytes;
}

void PlaceBytes(MemoryImage &image, int record, const char *bytes)
{
    std::copy_n(bytes, ImageMap::kChannelSize,
        image.begin() + ImageMap::kChannelBase + ImageMap::kChannelSize * record);
    std::copy_n(bytes + ImageMap::kChannelSize, ImageMap::kNameSize,
        image.begin() + ImageMap::kNameBase + ImageMap::kNameSize * record);
}

// The rows as the grid CSV import reads them: CH in front, set to the record each
// line goes to whatever the clipboard had there. Cells a row leaves out at its
// end get the values of a new channel, as a column missing from the text does:
// empty, but for the Tx frequency of a new channel, which is its Rx frequency.
CsvTable ImportTable(CsvRecord header, QList<CsvRecord> lines, int first)
{
    QStringList &headings = header.fields;
    qsizetype ch = -1;
    for (qsizetype i = 0; i < headings.size() && ch < 0; ++i)
        ch = GridHeadingColumn(headings.at(i)) == kChHeading ? i : -1;
    if (ch >= 0)
        headings.removeAt(ch);
    qsizetype rx = -1;
    qsizetype tx = headings.size();
    for (qsizetype i = 0; i < headings.size(); ++i) {
        if (GridHeadingColumn(headings.at(i)) == kColRx)
            rx = i;
        else if (GridHeadingColumn(headings.at(i)) == kColTx)
            tx = i;
    }
    for (int i = 0; i < lines.size(); ++i) {
        QStringList &fields = lines[i].fields;
        if (ch >= 0 && ch < fields.size())
            fields.removeAt(ch);
        const qsizetype given = fields.size();
        while (fields.size() < headings.size())
            fields.append(QString());
        if (tx >= given && tx < headings.size() && rx >= 0 && rx < given)
            fields[tx] = fields.at(rx);
        fields.prepend(ChText(first + i));
    }
    headings.prepend(ColumnCsvHeading(kChHeading));
    CsvTable table;
    table.records = QList<CsvRecord> {header} + lines;
    return table;
}

} // namespace

QMimeData *CopyRows(const MemoryImage &image, const QList<int> &records)
{
    QString text = GridHeader().join(QLatin1Char('\t')) + QLatin1Char('\n');
    QByteArray bytes;
    for (int record : records) {
        const ChannelSlot slot = SlotFromImage(image, record, false);
        QStringList fields {ChText(record)};
        fields += QStringList(slot.texts.begin(), slot.texts.end());
        fields.last() = FormulaGuard(fields.last()); // a spreadsheet must not run "-A1"
        text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
        bytes.append(reinterpret_cast<const char *>(slot.record.data()), ImageMap::kChannelSize);
        bytes.append(reinterpret_cast<const char *>(slot.name.data()), ImageMap::kNameSize);
    }
    auto *mime = new QMimeData;
    mime->setText(text);
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out << text << bytes;
    mime->setData(kRowBytesFormat, payload);
    return mime;
}

bool HoldsRows(const QMimeData *mime, int column)
{
    if (!mime)
        return false;
    if (mime->hasFormat(kRowBytesFormat))
        return true;
    const CsvTable table = ParseTable(mime->text(), QLatin1Char('\t'), 1);
    if (table.records.isEmpty())
        return false;
    const QStringList &first = table.records.constFirst().fields;
    return GridHeadingColumn(first.value(0)) != kNoHeading
        || first.size() > kChannelColumns - qMax(0, column);
}

Paste ReadRows(const QMimeData *mime, const MemoryImage &image, int first, bool chinese)
{
    Paste result;
    // A header and more rows than the table has are enough to read.
    CsvTable table = mime ? ParseTable(mime->text(), QLatin1Char('\t'), ImageMap::kChannelCount + 2)
                          : CsvTable();
    if (!table.ok() && !table.tooManyRecords) {
        result.line = table.status.line();
        result.error = table.status.text();
        return result;
    }
    QList<CsvRecord> lines = std::move(table.records);
    CsvRecord header {0, GridHeader()};
    if (!lines.isEmpty() && GridHeadingColumn(lines.constFirst().fields.value(0)) != kNoHeading)
        header = lines.takeFirst();
    else if (!lines.isEmpty() && lines.constFirst().fields.size() <= kChannelColumns)
        header.fields.removeFirst(); // cells copied without their CH column
    if (lines.isEmpty()) {
        result.error
            = PickText(chinese, "The clipboard holds no channel rows.", "剪贴板中没有信道行。");
        return result;
    }
    const int fit = ImageMap::kChannelCount - first;
    if (lines.size() > fit) {
        result.line = lines.at(fit).line;
        result.error = PickText(chinese,
            "The clipboard holds more rows than fit from channel %1 on (%2 rows).",
            "剪贴板中的行数超过从信道%1起能放下的行数（%2行）。")
                           .arg(ChText(first))
                           .arg(fit);
        return result;
    }

    const CsvTable rows = ImportTable(header, lines, first);
    MemoryImage work = image;
    const QByteArray bytes = OwnBytes(mime, int(lines.size()));
    for (int i = 0; i * kSlotBytes < bytes.size(); ++i)
        PlaceBytes(work, first + i, bytes.constData() + i * kSlotBytes);
    // Pasted rows replace the rows whole: what a row leaves unset takes the values
    // of a new channel (rows copied here come with their bytes, which they keep),
    // and a name is stored as the radio can show it, with a note where it changes.
    CsvImportOptions options;
    options.newChannelValues = bytes.isEmpty();
    const CsvImportResult imported = ImportChannelTable(rows, work, options);
    if (!imported.ok()) {
        result.line = imported.status.line();
        result.error = imported.status.text(); // its quotes of the text are cut short
        return result;
    }
    for (int i = 0; i < lines.size(); ++i)
        result.channels.append(SlotFromImage(work, first + i, chinese));
    for (const Wording &note : imported.notes)
        result.notes << note.text();
    return result;
}

} // namespace ChannelClipboard
