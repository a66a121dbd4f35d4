#include "communitycsv.h"

#include "channelfields.h"
#include "communitytones.h"
#include "textnumbers.h"

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

const char *const kHeader[kFieldCount] = {"Location", "Name", "Frequency", "Duplex", "Offset",
    "Tone", "rToneFreq", "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",
    "TStep", "Skip", "Power", "Comment", "URCALL", "RPT1CALL", "RPT2CALL", "DVCODE", "Cha Lock"};
constexpr int kLockField = kFieldCount - 1;

// MHz with six decimals from 10 Hz units.
QString mhz(qint32 units)
{
    return FormatFrequency(units) + QLatin1Char('0');
}

QString stepFor(qint32 units)
{
    if (units % 500 == 0)
        return QStringLiteral("5.00");
    return units % 625 == 0 ? QStringLiteral("6.25") : QStringLiteral("2.50");
}

void fillDuplex(qint32 rx, const QString &txText, QStringList &f)
{
    if (txText.isEmpty()) {
        f[kDuplex] = QStringLiteral("off");
        f[kOffset] = mhz(0);
        return;
    }
    const qint32 tx = FrequencyUnits(txText);
    const bool crossBand = (rx < 30000000) != (tx < 30000000);
    if (tx == rx) {
        f[kOffset] = mhz(0);
    } else if (crossBand) {
        f[kDuplex] = QStringLiteral("split");
        f[kOffset] = mhz(tx);
    } else {
        f[kDuplex] = tx > rx ? QStringLiteral("+") : QStringLiteral("-");
        f[kOffset] = mhz(qAbs(tx - rx));
    }
}

QString watts(const QString &power)
{
    if (power == QLatin1String("High"))
        return QStringLiteral("5.0W");
    if (power == QLatin1String("Middle"))
        return QStringLiteral("2.0W");
    return power == QLatin1String("Low") ? QStringLiteral("0.5W") : QString();
}

QStringList communityFields(int record, const ChannelTexts &t)
{
    QStringList f(kFieldCount);
    const qint32 rx = FrequencyUnits(t[kColRx]);
    f[kLocation] = QString::number(record);
    f[kName] = t[kColName];
    f[kFrequency] = mhz(rx);
    fillDuplex(rx, t[kColTx], f);
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
    f[kTStep] = stepFor(rx);
    f[kSkip] = t[kColScan] == QLatin1String("No") ? QStringLiteral("S") : QString();
    f[kPower] = watts(t[kColPower]);
    f[kLockField] = t[kColLock];
    return f;
}

} // namespace

QByteArray ExportCommunityCsv(const MemoryImage &image)
{
    QStringList header;
    for (const char *name : kHeader)
        header << QString::fromLatin1(name);
    QString text = FormatCsvRecord(header);
    for (int record = 0; record < ImageMap::kChannelCount; ++record) {
        if (!IsChannelEmpty(image, record))
            text += FormatCsvRecord(communityFields(record, DecodeChannel(image, record, false)));
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

    QString at(const char *name, const QString &fallback = QString()) const
    {
        const int i = columns.value(QString::fromLatin1(name).toLower(), -1);
        return i >= 0 && i < fields.size() ? fields[i].trimmed() : fallback;
    }
};

QString readLocation(const CommunityRow &row, int *record)
{
    bool ok = false;
    *record = row.at("Location").toInt(&ok);
    if (!ok || *record < 0 || *record >= ImageMap::kChannelCount)
        return QStringLiteral("Location \"%1\" is not 0-199 (0 is the priority channel Pr)")
            .arg(row.at("Location"));
    return QString();
}

QString readTx(
    const CommunityRow &row, const QString &rx, const BandLimitValues &limits, QString *tx)
{
    const QString duplex = row.at("Duplex").toLower();
    if (duplex.isEmpty()) {
        *tx = rx; // a simplex channel: any Offset is ignored
        return QString();
    }
    if (duplex == QLatin1String("off")) {
        tx->clear();
        return QString();
    }
    QString typed;
    if (duplex == QLatin1String("split")) {
        typed = row.at("Offset");
    } else if (duplex == QLatin1String("+") || duplex == QLatin1String("-")) {
        const QString offsetText = row.at("Offset");
        if (!offsetText.isEmpty() && !IsPlainDecimal(offsetText))
            return QStringLiteral("Offset \"%1\" is not a number of MHz").arg(offsetText);
        // In 64 bits: an offset of any size gives a Tx that is refused, never a wrapped one.
        const qint64 offset = FrequencyUnits(offsetText);
        const qint64 rxUnits = FrequencyUnits(rx);
        const qint64 txUnits = duplex == QLatin1String("+") ? rxUnits + offset : rxUnits - offset;
        typed = FormatFrequency(qint32(std::clamp<qint64>(
            txUnits, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max())));
    } else {
        return QStringLiteral("Duplex \"%1\" is not one of +, -, split, off or empty")
            .arg(row.at("Duplex"));
    }
    return CheckFrequencyField(kColTx, typed, limits, tx);
}

// current: the texts the channel shows now, so that a tone outside the tone list
// that the row leaves as it is stays.
QString readTones(const CommunityRow &row, const ChannelTexts &current, ChannelTexts *t)
{
    CommunityTones c;
    c.mode = row.at("Tone");
    c.rToneFreq = row.at("rToneFreq", c.rToneFreq);
    c.cToneFreq = row.at("cToneFreq", c.cToneFreq);
    c.dtcsCode = row.at("DtcsCode", c.dtcsCode);
    c.dtcsPolarity = row.at("DtcsPolarity", c.dtcsPolarity);
    c.rxDtcsCode = row.at("RxDtcsCode", c.dtcsCode);
    c.crossMode = row.at("CrossMode", c.crossMode);
    QString rx, tx, error;
    if (!CommunityToTones(c, &rx, &tx, &error))
        return error;
    error = CheckToneField(kColRxTone, rx, current[kColRxTone], &(*t)[kColRxTone]);
    if (error.isEmpty())
        error = CheckToneField(kColTxTone, tx, current[kColTxTone], &(*t)[kColTxTone]);
    return error;
}

// Power columns give watts ("5W", "0.5W", "4.0W") or words; the radio has three
// levels. An empty cell is High, but for a channel that shows no power level now
// (flag bits 11), which keeps it.
QString readPower(const CommunityRow &row, const ChannelTexts &current, QString *power)
{
    const QString text = row.at("Power");
    if (text.isEmpty()) {
        const bool keep = !current[kColRx].isEmpty() && current[kColPower].isEmpty();
        *power = keep ? QString() : QStringLiteral("High");
        return QString();
    }
    if (CheckWordField(kColPower, text, power).isEmpty())
        return QString();
    if (text.compare(QLatin1String("Mid"), Qt::CaseInsensitive) == 0) {
        *power = QStringLiteral("Middle");
        return QString();
    }
    QString number = text;
    if (number.endsWith(QLatin1Char('W'), Qt::CaseInsensitive))
        number.chop(1);
    // Wholly a number: "nan" or "inf" must not pass as a level.
    if (!IsPlainDecimal(number))
        return QStringLiteral("Power \"%1\" is not a number of watts nor High, Middle, Low")
            .arg(text);
    const double watts = LeadingNumber(number);
    *power = watts >= 4 ? QStringLiteral("High")
                        : (watts >= 1.5 ? QStringLiteral("Middle") : QStringLiteral("Low"));
    return QString();
}

QString readLock(const CommunityRow &row, QString *lock)
{
    const QString text = row.at("Cha Lock");
    if (text.isEmpty()) {
        *lock = QStringLiteral("Lock");
        return QString();
    }
    return CheckWordField(kColLock, text, lock);
}

QString readMode(const CommunityRow &row, QString *bandwidth)
{
    const QString mode = row.at("Mode").toUpper();
    if (mode.isEmpty() || mode == QLatin1String("FM")) {
        *bandwidth = QStringLiteral("Wide");
        return QString();
    }
    if (mode == QLatin1String("NFM")) {
        *bandwidth = QStringLiteral("Narrow");
        return QString();
    }
    return QStringLiteral("Mode \"%1\": the radio has FM (Wide) and NFM (Narrow) only")
        .arg(row.at("Mode"));
}

// The name as the radio can show it: upper case, its own characters, at most 6;
// the name the channel shows now when the row gives that one (a radio's name
// may have up to 8 characters).
QString radioName(const QString &text, const QString &current)
{
    if (!current.isEmpty() && UpperAscii(text) == current)
        return current;
    QString name;
    for (QChar c : UpperAscii(text)) {
        if (IsRadioNameChar(c) && name.size() < 6)
            name += c;
    }
    return name;
}

QString readCommunityRow(const CommunityRow &row, const MemoryImage &image,
    const BandLimitValues &limits, ChannelRow *out, QStringList *notes)
{
    QString error = readLocation(row, &out->record);
    if (!error.isEmpty())
        return error;
    const ChannelTexts current = DecodeChannel(image, out->record, false);
    ChannelTexts &t = out->texts;
    error = CheckFrequencyField(kColRx, row.at("Frequency"), limits, &t[kColRx]);
    if (error.isEmpty())
        error = readTx(row, t[kColRx], limits, &t[kColTx]);
    if (error.isEmpty())
        error = readTones(row, current, &t);
    if (error.isEmpty())
        error = readPower(row, current, &t[kColPower]);
    if (error.isEmpty())
        error = readLock(row, &t[kColLock]);
    if (error.isEmpty())
        error = readMode(row, &t[kColBandwidth]);
    if (!error.isEmpty())
        return error;
    t[kColScan] = row.at("Skip").compare(QLatin1String("S"), Qt::CaseInsensitive) == 0
        ? QStringLiteral("No")
        : QStringLiteral("Yes");
    t[kColName] = radioName(row.at("Name"), current[kColName]);
    if (t[kColName] != row.at("Name")) {
        notes->append(QStringLiteral("line %1: name \"%2\" stored as \"%3\"")
                          .arg(out->line)
                          .arg(row.at("Name"), t[kColName]));
    }
    return QString();
}

} // namespace

bool ReadCommunityRows(const CsvTable &table, const MemoryImage &image,
    const BandLimitValues &limits, QList<ChannelRow> *rows, CsvImportResult *result)
{
    QHash<QString, int> columns;
    const QStringList &header = table.records.first().fields;
    for (int i = 0; i < header.size(); ++i)
        columns.insert(header[i].trimmed().toLower(), i);
    if (!columns.contains(QStringLiteral("frequency"))) {
        result->errorLine = table.records.first().line;
        result->error = QStringLiteral("the header has no Frequency column");
        return false;
    }
    for (int i = 1; i < table.records.size(); ++i) {
        const CsvRecord &record = table.records[i];
        ChannelRow row;
        row.line = record.line;
        const QString error = readCommunityRow(
            CommunityRow {columns, record.fields}, image, limits, &row, &result->notes);
        if (!error.isEmpty()) {
            result->errorLine = record.line;
            result->error = error;
            return false;
        }
        rows->append(row);
    }
    return true;
}
