#include "csv/csvtable.h"

#include <QStringDecoder>

namespace {

Status TableRefusal(const char *source)
{
    return Status(Status::Kind::BadInput, "ChannelCsv", source);
}

class CsvParser
{
public:
    CsvParser(const QString &text, QChar delimiter)
        : m_text(text)
        , m_delimiter(delimiter)
    { }

    CsvTable parse(int maxRecords)
    {
        CsvTable table;
        while (m_pos < m_text.size() && table.ok()) {
            CsvRecord record {m_line, {}};
            if (!readRecord(&record.fields, &table))
                break;
            const bool blank = record.fields.size() == 1 && record.fields.first().isEmpty();
            if (blank)
                continue;
            if (maxRecords >= 0 && table.records.size() >= maxRecords) {
                table.tooManyRecords = true;
                table.status = TableRefusal(QT_TRANSLATE_NOOP("ChannelCsv", "more than %1 records"))
                                   .arg(maxRecords)
                                   .setLine(record.line);
                break;
            }
            table.records.append(record);
        }
        return table;
    }

private:
    // Reads fields up to the end of the record; false on a malformed record.
    bool readRecord(QStringList *fields, CsvTable *table)
    {
        for (;;) {
            QString field;
            const int startLine = m_line;
            if (!readField(&field)) {
                table->status = m_error;
                table->status.setLine(startLine);
                return false;
            }
            fields->append(field);
            if (m_pos >= m_text.size())
                return true;
            const QChar c = m_text[m_pos++];
            if (c == m_delimiter)
                continue;
            skipLineFeedAfter(c);
            ++m_line;
            return true;
        }
    }

    // Reads one field and stops before the separator or line end that follows it.
    bool readField(QString *field)
    {
        if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('"'))
            return readQuoted(field);
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && !isFieldEnd(m_pos))
            ++m_pos;
        *field = m_text.mid(start, m_pos - start);
        return true;
    }

    bool readQuoted(QString *field)
    {
        ++m_pos; // opening quote
        for (;;) {
            if (m_pos >= m_text.size()) {
                m_error
                    = TableRefusal(QT_TRANSLATE_NOOP("ChannelCsv", "a quoted field is not closed"));
                return false;
            }
            const QChar c = m_text[m_pos++];
            if (c == QLatin1Char('"')) {
                if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('"')) {
                    field->append(c);
                    ++m_pos;
                    continue;
                }
                break;
            }
            // A line break inside the field is kept as it is; CR LF counts as one line.
            if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
                field->append(c);
                if (c == QLatin1Char('\r') && m_pos < m_text.size()
                    && m_text[m_pos] == QLatin1Char('\n'))
                    field->append(m_text[m_pos++]);
                ++m_line;
                continue;
            }
            field->append(c);
        }
        if (m_pos < m_text.size() && !isFieldEnd(m_pos)) {
            m_error = TableRefusal(
                QT_TRANSLATE_NOOP("ChannelCsv", "text after the closing quote of a field"));
            return false;
        }
        return true;
    }

    // Records end with CR LF, LF or CR alone (as some spreadsheets of old write them).
    bool isFieldEnd(qsizetype pos) const
    {
        const QChar c = m_text[pos];
        return c == m_delimiter || c == QLatin1Char('\n') || c == QLatin1Char('\r');
    }

    void skipLineFeedAfter(QChar ended)
    {
        if (ended == QLatin1Char('\r') && m_pos < m_text.size()
            && m_text[m_pos] == QLatin1Char('\n'))
            ++m_pos;
    }

    const QString &m_text;
    const QChar m_delimiter;
    qsizetype m_pos = 0;
    int m_line = 1;
    Status m_error;
};

} // namespace

CsvTable ParseCsv(const QByteArray &bytes, int maxRecords)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        CsvTable table;
        table.status = TableRefusal(QT_TRANSLATE_NOOP("ChannelCsv", "the file is not UTF-8 text"));
        const QList<QByteArray> lines = bytes.split('\n');
        for (int i = 0; i < lines.size() && table.status.line() == 0; ++i) {
            QStringDecoder lineDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString decoded = lineDecoder.decode(lines[i]);
            Q_UNUSED(decoded)
            if (lineDecoder.hasError())
                table.status.setLine(i + 1);
        }
        return table;
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return ParseTable(text, QLatin1Char(','), maxRecords);
}

CsvTable ParseTable(const QString &text, QChar delimiter, int maxRecords)
{
    return CsvParser(text, delimiter).parse(maxRecords);
}

QString FormatCsvRecord(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields) {
        const bool needsQuotes = field.contains(QLatin1Char(','))
            || field.contains(QLatin1Char('"')) || field.contains(QLatin1Char('\n'))
            || field.contains(QLatin1Char('\r')) || field != field.trimmed();
        if (!needsQuotes) {
            quoted.append(field);
            continue;
        }
        QString escaped = field;
        escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        quoted.append(QLatin1Char('"') + escaped + QLatin1Char('"'));
    }
    return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

namespace {

bool StartsFormula(QStringView text)
{
    if (text.isEmpty())
        return false;
    const char16_t c = text.front().unicode();
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

} // namespace

QString FormulaGuard(const QString &cell)
{
    return StartsFormula(cell) ? QLatin1Char('\'') + cell : cell;
}

QString ReadFormulaGuard(const QString &cell)
{
    const bool guarded
        = cell.startsWith(QLatin1Char('\'')) && StartsFormula(QStringView(cell).mid(1));
    return guarded ? cell.mid(1) : cell;
}
