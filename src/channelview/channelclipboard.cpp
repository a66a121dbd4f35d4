#include "channelclipboard.h"

#include "channelcolumns.h"
#include "channelcsv.h"
#include "csvtable.h"
#include "language.h"

#include <QDataStream>
#include <QIODevice>
#include <QMap>
#include <QMimeData>
#include <iterator>

namespace ChannelClipboard {
namespace {

// The private copy of the rows: the text it came with and 24 bytes per row.
const QString kRowBytesFormat = QStringLiteral("application/x-htprog-channel-rows");
constexpr int kSlotBytes = ImageMap::kChannelSize + ImageMap::kNameSize;

struct TextLine
{
    int line = 0; // from 1
    QStringList fields;
};

// Tab-separated lines as spreadsheets copy them: a field in double quotes may hold
// tabs, line breaks and doubled quotes. Blank lines are left out; reading stops
// after `most` lines (a header and more rows than the table has are enough).
QList<TextLine> splitLines(const QString &text, int most)
{
    QList<TextLine> lines;
    TextLine current {1, {}};
    QString field;
    int line = 1;
    bool quoted = false;
    const auto endLine = [&] {
        current.fields << field;
        field.clear();
        if (current.fields.size() > 1 || !current.fields.constFirst().isEmpty())
            lines.append(current);
        current = {line, {}};
    };
    for (int i = 0; i < text.size() && lines.size() < most; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && text.mid(i + 1, 1) == QLatin1String("\"")) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                // CR LF, LF and CR alone each end a line of the clipboard.
                const bool crLf
                    = c == QLatin1Char('\r') && text.mid(i + 1, 1) == QLatin1String("\n");
                line += (c == QLatin1Char('\n') || (c == QLatin1Char('\r') && !crLf)) ? 1 : 0;
                field += c;
            }
        } else if (c == QLatin1Char('"') && field.isEmpty()) {
            quoted = true;
        } else if (c == QLatin1Char('\t')) {
            current.fields << field;
            field.clear();
        } else if (c == QLatin1Char('\r') && text.mid(i + 1, 1) == QLatin1String("\n")) {
            continue; // the LF that follows ends the line
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            ++line;
            endLine();
        } else {
            field += c;
        }
    }
    endLine();
    return lines;
}

QStringList gridHeader()
{
    QStringList header;
    for (int column = -1; column < kChannelColumns; ++column)
        header << ColumnCsvHeading(column);
    return header;
}

// The column of a heading in either language: -1 for CH, -2 for none.
int headingColumn(const QString &text)
{
    const QString name = text.trimmed();
    for (int column = -1; column < kChannelColumns; ++column) {
        if (name.compare(ColumnCsvHeading(column), Qt::CaseInsensitive) == 0
            || name == ColumnHeader(column, true))
            return column;
    }
    return -2;
}

QString chText(int record)
{
    return RowLabel(record).trimmed();
}

// The private bytes, when the clipboard text is still the one they came with.
QByteArray ownBytes(const QMimeData *mime, int rows)
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

void placeBytes(MemoryImage &image, int record, const char *bytes)
{
    std::copy_n(bytes, ImageMap::kChannelSize,
        image.begin() + ImageMap::kChannelBase + ImageMap::kChannelSize * record);
    std::copy_n(bytes + ImageMap::kChannelSize, ImageMap::kNameSize,
        image.begin() + ImageMap::kNameBase + ImageMap::kNameSize * record);
}

} // namespace

QMimeData *copyRows(const MemoryImage &image, const QList<int> &records)
{
    QString text = gridHeader().join(QLatin1Char('\t')) + QLatin1Char('\n');
    QByteArray bytes;
    for (int record : records) {
        const ChannelSlot slot = SlotFromImage(image, record, false);
        QStringList fields {chText(record)};
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

Paste readRows(const QMimeData *mime, const MemoryImage &image, int first, bool chinese)
{
    Paste result;
    QList<TextLine> lines
        = mime ? splitLines(mime->text(), ImageMap::kChannelCount + 2) : QList<TextLine>();
    QStringList header = gridHeader();
    if (!lines.isEmpty() && headingColumn(lines.constFirst().fields.value(0)) != -2)
        header = lines.takeFirst().fields;
    else if (!lines.isEmpty() && lines.constFirst().fields.size() <= kChannelColumns)
        header.removeFirst(); // cells copied without their CH column
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
                           .arg(chText(first))
                           .arg(fit);
        return result;
    }

    // The rows as the CSV import reads them, CH set to the rows they go to; the
    // CSV line where each row starts leads back to its line of the clipboard.
    int ch = -1;
    for (int i = 0; i < header.size() && ch < 0; ++i)
        ch = headingColumn(header.at(i)) == -1 ? i : -1;
    if (ch >= 0)
        header.removeAt(ch);
    qsizetype rx = -1;
    qsizetype tx = header.size();
    for (qsizetype i = 0; i < header.size(); ++i) {
        if (headingColumn(header.at(i)) == kColRx)
            rx = i;
        else if (headingColumn(header.at(i)) == kColTx)
            tx = i;
    }
    QString csv = FormatCsvRecord(QStringList {ColumnCsvHeading(-1)} + header);
    QMap<int, int> clipboardLine {{1, 1}}; // CSV line -> clipboard line
    for (int i = 0; i < lines.size(); ++i) {
        QStringList fields = lines.at(i).fields;
        if (ch >= 0 && ch < fields.size())
            fields.removeAt(ch);
        // Cells a row leaves out at its end get the values of a new channel, as a
        // column missing from the text does: empty, but for the Tx frequency of a
        // new channel, which is its Rx frequency.
        const qsizetype given = fields.size();
        while (fields.size() < header.size())
            fields.append(QString());
        if (tx >= given && tx < header.size() && rx >= 0 && rx < given)
            fields[tx] = fields.at(rx);
        clipboardLine.insert(int(csv.count(QLatin1Char('\n'))) + 1, lines.at(i).line);
        csv += FormatCsvRecord(QStringList {chText(first + i)} + fields);
    }
    MemoryImage work = image;
    const QByteArray bytes = ownBytes(mime, int(lines.size()));
    for (int i = 0; i * kSlotBytes < bytes.size(); ++i)
        placeBytes(work, first + i, bytes.constData() + i * kSlotBytes);
    // Pasted rows replace the rows whole: what a row leaves unset takes the values
    // of a new channel (rows copied here come with their bytes, which they keep),
    // and a name is taken only as the table would take it typed.
    CsvImportOptions options;
    options.newChannelValues = bytes.isEmpty();
    options.strictNames = true;
    const CsvImportResult imported = ImportChannelsCsv(csv.toUtf8(), work, options);
    if (!imported.ok()) {
        const auto at = clipboardLine.upperBound(imported.errorLine);
        result.line = imported.errorLine > 0 ? std::prev(at).value() : 0;
        result.error = imported.error; // its quotes of the text are cut short
        return result;
    }
    for (int i = 0; i < lines.size(); ++i)
        result.channels.append(SlotFromImage(work, first + i, chinese));
    return result;
}

} // namespace ChannelClipboard
