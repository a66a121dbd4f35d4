#include "csv/communitycsv.h"

#include "channels/cellvalues.h"
#include "channels/channelcolumns.h"
#include "channels/textnumbers.h"
#include "csv/channelfields.h"
#include "csv/communitytones.h"
#include "settings/messages.h"
#include "settings/visibletext.h"

#include <QRegularExpression>

#include <QHash>
#include <algorithm>
#include <limits>

namespace {

enum Field {
    kLocation,
    kName,
    kFrequency,
    kDuplex,
    kOffset,
    kTone,
    kRToneFreq,
    kCToneFreq,
    kDtcsCode,
    kDtcsPolarity,
    kRxDtcsCode,
    kCrossMode,
    kMode,
    kTStep,
    kSkip,
    kPower,
    kFieldCount = 22
};

// The layout's own columns; the channel lock follows them under the grid's heading.
constexpr int kLockField = kFieldCount - 1;
const char *const kHeader[kLockField] = {"Location", "Name", "Frequency", "Duplex", "Offset",
    "Tone", "rToneFreq", "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",
    "TStep", "Skip", "Power", "Comment", "URCALL", "RPT1CALL", "RPT2CALL", "DVCODE"};

// MHz with six decimals from 10 Hz units.
QString Mhz(qint32 units)
{
    return FormatFrequency(units) + QLatin1Char('0');
}

QString StepFor(qint32 units)
{
    if (units % 500 == 0)
        return QStringLiteral("5.00");
    return units % 625 == 0 ? QStringLiteral("6.25") : QStringLiteral("2.50");
}

void FillDuplex(qint32 rx, const QString &txText, QStringList &f)
{
    if (txText.isEmpty()) {
        f[kDuplex] = QStringLiteral("off");
        f[kOffset] = Mhz(0);
        return;
    }
    const qint32 tx = FrequencyUnits(txText);
    const bool crossBand = (rx < 30000000) != (tx < 30000000);
    if (tx == rx) {
        f[kOffset] = Mhz(0);
    } else if (crossBand) {
        f[kDuplex] = QStringLiteral("split");
        f[kOffset] = Mhz(tx);
    } else {
        f[kDuplex] = tx > rx ? QStringLiteral("+") : QStringLiteral("-");
        f[kOffset] = Mhz(qAbs(tx - rx));
    }
}

QString Watts(const QString &power)
{
    if (power == QLatin1String("High"))
        return QStringLiteral("5.0W");
    if (power == QLatin1String("Middle"))
        return QStringLiteral("2.0W");
    return power == QLatin1String("Low") ? QStringLiteral("0.5W") : QString();
}

QStringList CommunityFields(int record, const ChannelTexts &t)
{
    QStringList f(kFieldCount);
    const qint32 rx = FrequencyUnits(t[kColRx]);
    f[kLocation] = QString::number(record);
    // The name is the one free text; Duplex "-" and CrossMode "->Tone" are words of
    // the layout that other programs read as they are.
    f[kName] = FormulaGuard(t[kColName]);
    f[kFrequency] = Mhz(rx);
    FillDuplex(rx, t[kColTx], f);
    const CommunityTones tones = TonesToCommunity(t[kColRxTone], t[kColTxTone]);
    f[kTone] = tones.mode;
    f[kRToneFreq] = tones.rToneFreq;
    f[kCToneFreq] = tones.cToneFreq;
    f[kDtcsCode] = tones.dtcsCode;
    f[kDtcsPolarity] = tones.dtcsPolarity;
    f[kRxDtcsCode] = tones.rxDtcsCode;
    f[kCrossMode] = tones.crossMode;
    f[kMode] = t[kColBandwidth] == QLatin1String("Narrow") ? QStringLiteral("NFM")
                                                           : QStringLiteral("FM");
    f[kTStep] = StepFor(rx);
    f[kSkip] = t[kColScan] == QLatin1String("No") ? QStringLiteral("S") : QString();
    f[kPower] = Watts(t[kColPower]);
    f[kLockField] = t[kColLock];
    return f;
}

} // namespace

QByteArray ExportCommunityCsv(const MemoryImage &image)
{
    QStringList header;
    for (const char *name : kHeader)
        header << QString::fromLatin1(name);
    header << ColumnCsvHeading(kColLock);
    QString text = FormatCsvRecord(header);
    for (int record = 0; record < ImageMap::kChannelCount; ++record) {
        if (IsChannelEmpty(image, record))
            continue;
        text += FormatCsvRecord(CommunityFields(record, DecodeChannel(image, record, false)));
    }
    return text.toUtf8();
}

bool IsCommunityHeader(const QStringList &header)
{
    for (const QString &cell : header) {
        if (cell.trimmed().compare(QLatin1String("Location"), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

namespace {

struct CommunityRow
{
    const QHash<QString, int> &columns;
    const QStringList &fields;

    // Whether the header has the column at all.
    bool has(const char *name) const { return has(QString::fromLatin1(name)); }
    bool has(const QString &name) const { return columns.contains(name.toLower()); }
    QString at(const char *name, const QString &fallback = QString()) const
    {
        return at(QString::fromLatin1(name), fallback);
    }
    QString at(const QString &name, const QString &fallback = QString()) const
    {
        const int i = columns.value(name.toLower(), -1);
        return i >= 0 && i < fields.size() ? ReadFormulaGuard(fields[i].trimmed()) : fallback;
    }
};

Status ReadLocation(const CommunityRow &row, int *record)
{
    bool ok = false;
    *record = row.at("Location").toInt(&ok);
    if (!ok || *record < 0 || *record >= ImageMap::kChannelCount)
        return CsvRefusal(QT_TRANSLATE_NOOP("ChannelCsv",
                              "Location %1 is not 0-199 (0 is the priority channel Pr)"))
            .arg(QuotedInput(row.at("Location")));
    return Status();
}

// The Tx frequency that Duplex and Offset give; a refusal names the Offset that
// gave it, since the file holds no Tx frequency of its own. Without a Duplex
// column the channel keeps its Tx; without an Offset column the channel's own
// offset (base: its texts) applies.
Status ReadTx(const CommunityRow &row, const QString &rx, const ChannelTexts &base,
    const BandLimitValues &limits, QString *tx)
{
    if (!row.has("Duplex")) {
        *tx = base[kColTx];
        return Status();
    }
    QStringList was(kFieldCount);
    FillDuplex(FrequencyUnits(base[kColRx]), base[kColTx], was);
    const QString duplex = row.at("Duplex").toLower();
    if (duplex.isEmpty()) {
        *tx = rx; // a simplex channel: any Offset is ignored
        return Status();
    }
    if (duplex == QLatin1String("off")) {
        tx->clear();
        return Status();
    }
    const QString offsetText = row.at("Offset", was[kOffset]);
    QString typed;
    bool fits = true; // the offset is a count of 10 Hz that a Tx frequency could use
    if (duplex == QLatin1String("split")) {
        if (!IsPlainDecimal(offsetText))
            return CsvRefusal(QT_TRANSLATE_NOOP("ChannelCsv",
                                  "Offset %1 (the Tx frequency of a split channel) is not a "
                                  "number of MHz"))
                .arg(QuotedInput(offsetText));
        typed = offsetText;
    } else if (duplex == QLatin1String("+") || duplex == QLatin1String("-")) {
        if (!offsetText.isEmpty() && !IsPlainDecimal(offsetText))
            return CsvRefusal(QT_TRANSLATE_NOOP("ChannelCsv", "Offset %1 is not a number of MHz"))
                .arg(QuotedInput(offsetText));
        // In 64 bits: an offset of any size gives a Tx that is refused, never a wrapped one.
        qint32 offsetUnits = 0;
        fits = ParseFrequencyUnits(offsetText, &offsetUnits);
        const qint64 offset = offsetUnits;
        const qint64 rxUnits = FrequencyUnits(rx);
        const qint64 txUnits = duplex == QLatin1String("+") ? rxUnits + offset : rxUnits - offset;
        typed = FormatFrequency(qint32(std::clamp<qint64>(
            txUnits, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max())));
    } else {
        return CsvRefusal(
            QT_TRANSLATE_NOOP("ChannelCsv", "Duplex %1 is not one of +, -, split, off or empty"))
            .arg(QuotedInput(row.at("Duplex")));
    }
    const FrequencyCheck check = CheckFrequencyEntry(typed, limits);
    if (check.status == FrequencyCheck::Accepted) {
        *tx = check.text;
        return Status();
    }
    const int id = check.status == FrequencyCheck::OutOfRange ? kMsgOutOfRange : kMsgOffStep;
    const Wording offset = CsvWording(QT_TRANSLATE_NOOP("ChannelCsv", "Offset %1 with Duplex %2"))
                               .arg(QuotedInput(offsetText))
                               .arg(QuotedInput(row.at("Duplex")));
    const Status message = MessageStatus(Status::Kind::BadInput, id);
    if (!fits)
        return CsvRefusal(QT_TRANSLATE_NOOP("ChannelCsv", "%1 (%2)")).arg(message).arg(offset);
    return CsvRefusal(QT_TRANSLATE_NOOP("ChannelCsv", "%1 (%2 gives the Tx frequency %3 MHz)"))
        .arg(message)
        .arg(offset)
        .arg(QuotedInput(typed));
}

// "D05N" and "D005N" name the same code: a channel that shows a DCS text outside
// the tone list keeps it when the row gives its code and polarity.
bool SameDcs(const QString &a, const QString &b)
{
    static const QRegularExpression dcs(QStringLiteral("^D(\\d{1,5})([NI])$"));
    const QRegularExpressionMatch ma = dcs.match(a);
    const QRegularExpressionMatch mb = dcs.match(b);
    return ma.hasMatch() && mb.hasMatch() && ma.captured(2) == mb.captured(2)
        && ma.captured(1).toInt() == mb.captured(1).toInt();
}

// current: the texts the channel shows now, so that a tone outside the tone list
// that the row leaves as it is stays. A tone column the file does not have takes
// the channel's own value (base: its texts); without any of them both tones stay.
Status ReadTones(
    const CommunityRow &row, const ChannelTexts &current, const ChannelTexts &base, ChannelTexts *t)
{
    bool any = false;
    for (const char *column :
        {"Tone", "rToneFreq", "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode"})
        any = any || row.has(column);
    if (!any) {
        (*t)[kColRxTone] = base[kColRxTone];
        (*t)[kColTxTone] = base[kColTxTone];
        return Status();
    }
    const CommunityTones was = TonesToCommunity(base[kColRxTone], base[kColTxTone]);
    CommunityTones c;
    c.mode = row.at("Tone", was.mode);
    c.rToneFreq = row.at("rToneFreq", was.rToneFreq);
    c.cToneFreq = row.at("cToneFreq", was.cToneFreq);
    c.dtcsCode = row.at("DtcsCode", was.dtcsCode);
    c.dtcsPolarity = row.at("DtcsPolarity", was.dtcsPolarity);
    // A file of the older column set gives one code for both directions.
    c.rxDtcsCode = row.at("RxDtcsCode", row.has("DtcsCode") ? c.dtcsCode : was.rxDtcsCode);
    c.crossMode = row.at("CrossMode", was.crossMode);
    QString tones[2];
    Status error = CommunityToTones(c, &tones[0], &tones[1]);
    for (int side = 0; side < 2 && error.ok(); ++side) {
        const int column = side == 0 ? kColRxTone : kColTxTone;
        const QString &kept = current[column];
        const QString tone = SameDcs(tones[side], kept) ? kept : tones[side];
        error = CheckToneField(column, tone, kept, &(*t)[column]);
    }
    return error;
}

// Power columns give watts ("5W", "0.5W", "4.0W") or words; the radio has three
// levels.
Status ReadPower(const CommunityRow &row, const QString &kept, QString *power)
{
    const QString text = row.at("Power");
    if (text.isEmpty()) {
        *power = kept;
        return Status();
    }
    if (CheckWordField(kColPower, text, power).ok())
        return Status();
    if (text.compare(QLatin1String("Mid"), Qt::CaseInsensitive) == 0) {
        *power = QStringLiteral("Middle");
        return Status();
    }
    QString number = text;
    if (number.endsWith(QLatin1Char('W'), Qt::CaseInsensitive))
        number.chop(1);
    // Wholly a number: "nan" or "inf" must not pass as a level.
    if (!IsPlainDecimal(number))
        return CsvRefusal(QT_TRANSLATE_NOOP("ChannelCsv",
                              "Power %1 is not a number of watts nor High, Middle, Low"))
            .arg(QuotedInput(text));
    const double watts = LeadingNumber(number);
    *power = watts >= 4 ? QStringLiteral("High")
                        : (watts >= 1.5 ? QStringLiteral("Middle") : QStringLiteral("Low"));
    return Status();
}

Status ReadMode(const CommunityRow &row, const QString &kept, QString *bandwidth)
{
    const QString mode = row.at("Mode").toUpper();
    if (mode.isEmpty()) {
        *bandwidth = kept;
        return Status();
    }
    if (mode == QLatin1String("FM")) {
        *bandwidth = QStringLiteral("Wide");
        return Status();
    }
    if (mode == QLatin1String("NFM")) {
        *bandwidth = QStringLiteral("Narrow");
        return Status();
    }
    return CsvRefusal(
        QT_TRANSLATE_NOOP("ChannelCsv", "Mode %1: the radio has FM (Wide) and NFM (Narrow) only"))
        .arg(QuotedInput(row.at("Mode")));
}

Status ReadCommunityRow(const CommunityRow &row, const MemoryImage &image,
    const BandLimitValues &limits, const CsvImportOptions &options, ChannelRow *out,
    QList<Wording> *notes)
{
    // A row for a free channel ignores its Location and is read as a new channel.
    const bool intoFree = options.intoFree >= 0;
    Status error = intoFree ? Status() : ReadLocation(row, &out->record);
    if (!error.ok())
        return error;
    const ChannelTexts current
        = intoFree ? ChannelTexts() : DecodeChannel(image, out->record, false);
    ChannelTexts &t = out->texts;
    error = CheckFrequencyField(kColRx, row.at("Frequency"), limits, &t[kColRx]);
    if (!error.ok())
        return error;
    // What a column the file does not have, or an empty cell, leaves.
    const ChannelTexts base = UnsetCellTexts(current, t[kColRx], options.newChannelValues);
    error = ReadTx(row, t[kColRx], base, limits, &t[kColTx]);
    if (error.ok())
        error = ReadTones(row, current, base, &t);
    if (error.ok())
        error = ReadPower(row, base[kColPower], &t[kColPower]);
    if (error.ok()) {
        const QString lock = row.at(ColumnCsvHeading(kColLock));
        t[kColLock] = base[kColLock];
        if (!lock.isEmpty())
            error = CheckWordField(kColLock, lock, &t[kColLock]);
    }
    if (error.ok())
        error = ReadMode(row, base[kColBandwidth], &t[kColBandwidth]);
    if (!error.ok())
        return error;
    if (!row.has("Skip"))
        t[kColScan] = base[kColScan];
    else
        t[kColScan] = row.at("Skip").compare(QLatin1String("S"), Qt::CaseInsensitive) == 0
            ? QStringLiteral("No")
            : QStringLiteral("Yes");
    if (!row.has("Name")) {
        t[kColName] = base[kColName];
    } else {
        const Wording note = AdaptName(row.at("Name"), current[kColName], &t[kColName]);
        if (!note.isEmpty())
            notes->append(LineNote(out->line, note));
    }
    return Status();
}

} // namespace

bool ReadCommunityRows(const CsvTable &table, const MemoryImage &image,
    const BandLimitValues &limits, const CsvImportOptions &options, QList<ChannelRow> *rows,
    CsvImportResult *result)
{
    QHash<QString, int> columns;
    const QStringList &header = table.records.first().fields;
    for (int i = 0; i < header.size(); ++i)
        columns.insert(header[i].trimmed().toLower(), i);
    if (!columns.contains(QStringLiteral("frequency"))) {
        result->status
            = CsvRefusal(QT_TRANSLATE_NOOP("ChannelCsv", "the header has no Frequency column"))
                  .setLine(table.records.first().line);
        return false;
    }
    for (int i = 1; i < table.records.size(); ++i) {
        const CsvRecord &record = table.records[i];
        ChannelRow row;
        row.line = record.line;
        Status error;
        // A row cut short, or one with more values than columns (an unquoted "1,5W"),
        // would put values under the wrong columns.
        bool extra = false;
        for (qsizetype f = header.size(); f < record.fields.size(); ++f)
            extra = extra || !record.fields[f].trimmed().isEmpty();
        if (record.fields.size() < header.size() || extra)
            error = FieldCountReason(int(record.fields.size()), int(header.size()));
        if (error.ok()) {
            error = ReadCommunityRow(CommunityRow {columns, record.fields}, image, limits, options,
                &row, &result->notes);
        }
        if (!error.ok()) {
            if (SkipRefusedLine(options, record.line, error, result))
                continue;
            return false;
        }
        rows->append(row);
    }
    return true;
}
