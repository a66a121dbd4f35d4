#include "csv/channelcsv.h"

#include "channels/bandlimits.h"
#include "channels/cellvalues.h"
#include "channels/channelcolumns.h"
#include "csv/channelfields.h"
#include "csv/communitycsv.h"
#include "csv/csvtable.h"

#include <QHash>
#include <algorithm>

namespace {

// "Pr" or 1-199, as the grid's row labels show them.
QString GridCh(int record)
{
    return RowLabel(record).trimmed();
}

QByteArray ExportGrid(const MemoryImage &image)
{
    QStringList header;
    for (int c = kChHeading; c < kChannelColumns; ++c)
        header << ColumnCsvHeading(c);
    QString text = FormatCsvRecord(header);
    for (int record = 0; record < ImageMap::kChannelCount; ++record) {
        if (IsChannelEmpty(image, record))
            continue;
        const ChannelTexts texts = DecodeChannel(image, record, false);
        QStringList fields {GridCh(record)};
        for (const QString &t : texts)
            fields << t;
        fields.last() = FormulaGuard(fields.last()); // the name, the one free text
        text += FormatCsvRecord(fields);
    }
    return text.toUtf8();
}

// Maps each header cell to its grid column (kChHeading for CH).
Status MapGridHeader(const QStringList &header, bool needCh, QList<int> *columns)
{
    for (const QString &cell : header) {
        const QString name = cell.trimmed();
        const int found = GridHeadingColumn(name);
        if (found == kNoHeading) {
            return CsvRefusal(QT_TRANSLATE_NOOP("ChannelCsv", "unknown column %1 in the header"))
                .arg(QuotedInput(name));
        }
        if (columns->contains(found)) {
            return CsvRefusal(
                QT_TRANSLATE_NOOP("ChannelCsv", "column %1 appears twice in the header"))
                .arg(QuotedInput(name));
        }
        columns->append(found);
    }
    if ((needCh && !columns->contains(kChHeading)) || !columns->contains(kColRx)) {
        return CsvRefusal(
            QT_TRANSLATE_NOOP("ChannelCsv", "the header needs at least the columns %1 and %2"))
            .arg(ColumnCsvHeading(kChHeading))
            .arg(ColumnCsvHeading(kColRx));
    }
    return Status();
}

int ParseCh(const QString &text)
{
    const QString ch = text.trimmed();
    if (ch.compare(GridCh(0), Qt::CaseInsensitive) == 0)
        return 0;
    bool ok = false;
    const int n = ch.toInt(&ok);
    return ok && n >= 1 && n < ImageMap::kChannelCount ? n : -1;
}

struct GridCells
{
    int record = -1;
    ChannelTexts cells;
    QList<bool> present = QList<bool>(kChannelColumns, false);
};

// anyCh: the CH cell is not read (the row goes into a free channel).
Status SplitGridRecord(
    const CsvRecord &record, const QList<int> &columns, bool anyCh, GridCells *row)
{
    // A row cut short (a file that ends in the middle of a line) would otherwise
    // give the channel values nobody wrote.
    if (record.fields.size() < columns.size())
        return FieldCountReason(int(record.fields.size()), int(columns.size()));
    for (int i = 0; i < record.fields.size(); ++i) {
        const QString field = ReadFormulaGuard(record.fields[i].trimmed());
        if (i >= columns.size()) {
            if (!field.isEmpty())
                return FieldCountReason(int(record.fields.size()), int(columns.size()));
            continue;
        }
        if (columns[i] == kChHeading) {
            if (anyCh)
                continue;
            row->record = ParseCh(field);
            if (row->record < 0)
                return CsvRefusal(QT_TRANSLATE_NOOP("ChannelCsv", "CH %1 is not Pr or 1-199"))
                    .arg(QuotedInput(field));
        } else {
            row->cells[columns[i]] = field;
            row->present[columns[i]] = true;
        }
    }
    if (row->record < 0 && !anyCh)
        return CsvRefusal(QT_TRANSLATE_NOOP("ChannelCsv", "CH is missing"));
    return Status();
}

// The grid texts of one row, checked and normalised. A column the file does not
// have, or an empty cell, keeps what the channel shows (a new channel: what the
// grid fills in when an Rx frequency is typed), except where an empty cell is
// itself a value the grid shows: no channel (Rx), no transmit frequency (Tx), no
// name (Cha Name).
Status CheckGridCells(const GridCells &row, const ChannelTexts &current,
    const BandLimitValues &limits, const CsvImportOptions &options, ChannelTexts *texts,
    Wording *note)
{
    bool anyOther = false;
    for (int c = kColTx; c < kChannelColumns; ++c)
        anyOther = anyOther || !row.cells[c].isEmpty();
    if (row.cells[kColRx].isEmpty()) {
        if (anyOther)
            return CsvRefusal(QT_TRANSLATE_NOOP("ChannelCsv",
                "Rx Frequency is empty; leave the whole row empty to empty the channel"));
        if (options.intoFree >= 0)
            return CsvRefusal(
                QT_TRANSLATE_NOOP("ChannelCsv", "the row is empty: it has no channel to add"));
        *texts = ChannelTexts();
        return Status();
    }
    Status error = CheckFrequencyField(kColRx, row.cells[kColRx], limits, &(*texts)[kColRx]);
    if (!error.ok())
        return error;
    const ChannelTexts base = UnsetCellTexts(current, (*texts)[kColRx], options.newChannelValues);
    for (int c = kColTx; c < kChannelColumns && error.ok(); ++c) {
        QString &out = (*texts)[c];
        const QString &cell = row.cells[c];
        const bool emptyIsValue = c == kColTx || c == kColName;
        if (!row.present[c] || (cell.isEmpty() && !emptyIsValue))
            out = base[c];
        else if (c == kColTx && cell.isEmpty())
            out.clear(); // a channel without a Tx frequency, as the grid shows it
        else if (c == kColTx)
            error = CheckFrequencyField(c, cell, limits, &out);
        else if (c == kColRxTone || c == kColTxTone)
            error = CheckToneField(c, cell, current[c], &out);
        else if (c == kColName)
            *note = AdaptName(cell, current[c], &out);
        else
            error = CheckWordField(c, cell, &out);
    }
    return error;
}

bool ReadGridRows(const CsvTable &table, const MemoryImage &image, const BandLimitValues &limits,
    const CsvImportOptions &options, QList<ChannelRow> *rows, CsvImportResult *result)
{
    QList<int> columns;
    const bool intoFree = options.intoFree >= 0;
    Status error = MapGridHeader(table.records.first().fields, !intoFree, &columns);
    if (!error.ok()) {
        result->status = error.setLine(table.records.first().line);
        return false;
    }
    for (int i = 1; i < table.records.size(); ++i) {
        const CsvRecord &record = table.records[i];
        GridCells cells;
        ChannelRow row;
        Wording note;
        error = SplitGridRecord(record, columns, intoFree, &cells);
        if (error.ok()) {
            // A row for a free channel is read as a new channel.
            const ChannelTexts current
                = intoFree ? ChannelTexts() : DecodeChannel(image, cells.record, false);
            error = CheckGridCells(cells, current, limits, options, &row.texts, &note);
        }
        if (!error.ok()) {
            if (SkipRefusedLine(options, record.line, error, result))
                continue;
            return false;
        }
        if (!note.isEmpty())
            result->notes.append(LineNote(record.line, note));
        row.record = cells.record;
        row.line = record.line;
        rows->append(row);
    }
    return true;
}

// A channel that two rows set: the later row is refused.
// Whether a and b hold the same bytes for the channel (record and name slot).
bool SameSlot(const MemoryImage &a, const MemoryImage &b, int record)
{
    const int channel = ImageMap::kChannelBase + ImageMap::kChannelSize * record;
    const int name = ImageMap::kNameBase + ImageMap::kNameSize * record;
    return std::equal(a.begin() + channel, a.begin() + channel + ImageMap::kChannelSize,
               b.begin() + channel)
        && std::equal(a.begin() + name, a.begin() + name + ImageMap::kNameSize, b.begin() + name);
}

bool RefuseDuplicates(
    QList<ChannelRow> *rows, const CsvImportOptions &options, CsvImportResult *result)
{
    QHash<int, int> lineOf;
    for (auto row = rows->begin(); row != rows->end();) {
        if (lineOf.contains(row->record)) {
            const Status reason = CsvRefusal(
                QT_TRANSLATE_NOOP("ChannelCsv", "channel %1 is already set on line %2"))
                                      .arg(GridCh(row->record))
                                      .arg(lineOf.value(row->record));
            if (!SkipRefusedLine(options, row->line, reason, result))
                return false;
            row = rows->erase(row);
            continue;
        }
        lineOf.insert(row->record, row->line);
        ++row;
    }
    return true;
}

// Each row into the next empty channel from options.intoFree on, in the order of
// the file; a row for which none is left is refused.
bool PlaceIntoFree(const MemoryImage &image, QList<ChannelRow> *rows,
    const CsvImportOptions &options, CsvImportResult *result)
{
    int next = options.intoFree;
    for (auto row = rows->begin(); row != rows->end();) {
        while (next < ImageMap::kChannelCount && !IsChannelEmpty(image, next))
            ++next;
        if (next >= ImageMap::kChannelCount) {
            const Status reason = CsvRefusal(
                QT_TRANSLATE_NOOP("ChannelCsv", "no empty channel is left from channel %1 on"))
                                      .arg(GridCh(options.intoFree));
            if (!SkipRefusedLine(options, row->line, reason, result))
                return false;
            row = rows->erase(row);
            continue;
        }
        row->record = next++;
        ++row;
    }
    return true;
}

} // namespace

int GridHeadingColumn(const QString &heading)
{
    const QString name = heading.trimmed();
    for (int column = kChHeading; column < kChannelColumns; ++column) {
        if (name.compare(ColumnCsvHeading(column), Qt::CaseInsensitive) == 0
            || name == ColumnHeader(column, true))
            return column;
    }
    return kNoHeading;
}

QString RecordRangesText(const QList<int> &records)
{
    QStringList parts;
    for (qsizetype i = 0; i < records.size();) {
        qsizetype last = i;
        // Pr stands alone: it is not the first of a run of channels.
        while (
            records[i] > 0 && last + 1 < records.size() && records[last + 1] == records[last] + 1)
            ++last;
        parts << (last > i ? GridCh(records[i]) + QLatin1Char('-') + GridCh(records[last])
                           : GridCh(records[i]));
        i = last + 1;
    }
    return parts.join(QStringLiteral(", "));
}

QString LineText(int line, const QString &text)
{
    return CsvWording(QT_TRANSLATE_NOOP("ChannelCsv", "line %1: %2")).arg(line).arg(text).text();
}

Wording LineNote(int line, const Wording &note)
{
    return CsvWording(QT_TRANSLATE_NOOP("ChannelCsv", "line %1: %2")).arg(line).arg(note);
}

QString CsvImportResult::message() const
{
    return status.line() > 0 ? LineText(status.line(), status.text()) : status.text();
}

QByteArray ExportChannelsCsv(const MemoryImage &image, CsvLayout layout)
{
    return layout == CsvLayout::Grid ? ExportGrid(image) : ExportCommunityCsv(image);
}

namespace {

bool ReadRows(const CsvTable &table, const MemoryImage &image, const CsvImportOptions &options,
    QList<ChannelRow> *rows, CsvImportResult *result)
{
    if (table.records.isEmpty()) {
        result->status = CsvRefusal(
            QT_TRANSLATE_NOOP("ChannelCsv", "the file is empty: it needs a header line"));
        return false;
    }

    // The limits come from a copy: decoding replaces unset band bytes, and an
    // import changes channels only.
    MemoryImage bands = image;
    const BandBoxes boxes = DecodeBands(bands);
    const BandLimitValues limits {boxes.vhfLow * 100000, boxes.vhfHigh * 100000,
        boxes.uhfLow * 100000, boxes.uhfHigh * 100000};
    result->layout
        = IsCommunityHeader(table.records.first().fields) ? CsvLayout::Community : CsvLayout::Grid;
    const bool read = result->layout == CsvLayout::Community
        ? ReadCommunityRows(table, image, limits, options, rows, result)
        : ReadGridRows(table, image, limits, options, rows, result);
    if (!read)
        return false;
    return options.intoFree >= 0 ? PlaceIntoFree(image, rows, options, result)
                                 : RefuseDuplicates(rows, options, result);
}

} // namespace

CsvImportResult ImportChannelsCsv(
    const QByteArray &csv, MemoryImage &image, bool replace, bool allowEmpty)
{
    CsvImportOptions options;
    options.replace = replace;
    options.allowEmpty = allowEmpty;
    return ImportChannelsCsv(csv, image, options);
}

CsvImportResult ImportChannelsCsv(
    const QByteArray &csv, MemoryImage &image, const CsvImportOptions &options)
{
    CsvImportResult result;
    if (csv.size() > kLargestCsvSize) {
        result.status = CsvRefusal(
            QT_TRANSLATE_NOOP("ChannelCsv",
                "the file is larger than %1 bytes; a list of 200 channels is far smaller"))
                            .arg(kLargestCsvSize);
        return result;
    }
    // The header and at most 200 channel rows are read; the parser stops at the next.
    const CsvTable table = ParseCsv(csv, ImageMap::kChannelCount + 1);
    if (!table.ok()) {
        result.status = table.tooManyRecords
            ? CsvRefusal(
                QT_TRANSLATE_NOOP("ChannelCsv",
                    "more than 200 channel rows; the radio has 200 channels (Pr and 1-199)"))
                  .setLine(table.status.line())
            : table.status;
        return result;
    }
    return ImportChannelTable(table, image, options);
}

CsvImportResult ImportChannelTable(
    const CsvTable &table, MemoryImage &image, const CsvImportOptions &options)
{
    const bool replace = options.replace;
    CsvImportResult result;
    QList<ChannelRow> rows;
    if (!ReadRows(table, image, options, &rows, &result))
        return result;
    if (replace && rows.isEmpty() && !options.allowEmpty) {
        result.noChannels = true;
        result.status = CsvRefusal(
            QT_TRANSLATE_NOOP("ChannelCsv", "no channels in the file; nothing changed"));
        return result;
    }

    // Listed channels are written over their old record, so the bytes and bits
    // the grid does not own stay; with replace the unlisted ones are emptied (a
    // record that shows no channel already is left as it is).
    MemoryImage work = image;
    QList<bool> listed(ImageMap::kChannelCount, false);
    for (const ChannelRow &row : rows) {
        EncodeChannelExact(work, row.record, row.texts);
        listed[row.record] = true;
        if (!IsChannelEmpty(image, row.record) && !SameSlot(image, work, row.record))
            result.replaced.append(row.record);
    }
    std::sort(result.replaced.begin(), result.replaced.end());
    for (int record = 0; replace && record < ImageMap::kChannelCount; ++record) {
        if (!listed[record] && !IsChannelEmpty(work, record))
            EncodeChannel(work, record, ChannelTexts());
    }
    result.channels = int(rows.size());
    result.rows = rows;
    image = work;
    return result;
}
