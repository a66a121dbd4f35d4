#include "communitycsv.h"

#include "channelfields.h"
#include "communitytones.h"
#include "language.h"

#include <QHash>
#include <algorithm>
#include <limits>

namespace {

const char *const kHeader[] = {"Location", "Name", "Frequency", "Duplex", "Offset", "Tone",
    "rToneFreq", "cToneFreq", "DtcsCode", "DtcsPolarity", "Mode", "TStep", "Skip", "Comment",
    "URCALL", "RPT1CALL", "RPT2CALL"};

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
        f[3] = QStringLiteral("off");
        f[4] = mhz(0);
        return;
    }
    const qint32 tx = FrequencyUnits(txText);
    const bool crossBand = (rx < 30000000) != (tx < 30000000);
    if (tx == rx) {
        f[4] = mhz(0);
    } else if (crossBand) {
        f[3] = QStringLiteral("split");
        f[4] = mhz(tx);
    } else {
        f[3] = tx > rx ? QStringLiteral("+") : QStringLiteral("-");
        f[4] = mhz(qAbs(tx - rx));
    }
}

QStringList communityFields(int record, const ChannelTexts &t)
{
    QStringList f;
    for (int i = 0; i < 17; ++i)
        f << QString();
    const qint32 rx = FrequencyUnits(t[kColRx]);
    f[0] = QString::number(record);
    f[1] = t[kColName];
    f[2] = mhz(rx);
    fillDuplex(rx, t[kColTx], f);
    const CommunityTones tones = TonesToCommunity(t[kColRxTone], t[kColTxTone]);
    f[5] = tones.mode;
    f[6] = tones.rToneFreq;
    f[7] = tones.cToneFreq;
    f[8] = tones.dtcsCode;
    f[9] = tones.dtcsPolarity;
    f[13] = tones.comment;
    f[10] = t[kColBandwidth] == QLatin1String("Narrow") ? QStringLiteral("NFM")
                                                        : QStringLiteral("FM");
    f[11] = stepFor(rx);
    f[12] = t[kColScan] == QLatin1String("No") ? QStringLiteral("S") : QString();
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
        return LangText("Location \"%1\" is not 0-199 (0 is the priority channel Pr)",
            "Location“%1”不是 0-199（0 表示优先信道 Pr）")
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
        // In 64 bits: an offset of any size gives a Tx that is refused, never a wrapped one.
        const qint64 offset = FrequencyUnits(row.at("Offset"));
        const qint64 rxUnits = FrequencyUnits(rx);
        const qint64 txUnits = duplex == QLatin1String("+") ? rxUnits + offset : rxUnits - offset;
        typed = FormatFrequency(qint32(std::clamp<qint64>(
            txUnits, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max())));
    } else {
        return LangText("Duplex \"%1\" is not one of +, -, split, off or empty",
            "Duplex“%1”不是 +、-、split、off 或空")
            .arg(row.at("Duplex"));
    }
    return CheckFrequencyField(kColTx, typed, limits, tx);
}

QString readTones(const CommunityRow &row, ChannelTexts *t)
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
    error = CheckToneField(kColRxTone, rx, QString(), &(*t)[kColRxTone]);
    if (error.isEmpty())
        error = CheckToneField(kColTxTone, tx, QString(), &(*t)[kColTxTone]);
    return error;
}

// Power columns give watts ("5W", "0.5W", "4.0W") or words; the radio has three levels.
QString readPower(const CommunityRow &row, QString *power)
{
    QString text = row.at("Power");
    if (text.isEmpty()) {
        *power = QStringLiteral("High");
        return QString();
    }
    if (CheckWordField(kColPower, text, power).isEmpty())
        return QString();
    if (text.compare(QLatin1String("Mid"), Qt::CaseInsensitive) == 0) {
        *power = QStringLiteral("Middle");
        return QString();
    }
    bool ok = false;
    const double watts = text.remove(QLatin1Char('W'), Qt::CaseInsensitive).trimmed().toDouble(&ok);
    if (!ok || watts < 0)
        return LangText("Power \"%1\" is not a number of watts nor High, Middle, Low",
            "Power“%1”既不是瓦数，也不是 High、Middle、Low")
            .arg(row.at("Power"));
    *power = watts >= 4 ? QStringLiteral("High")
                        : (watts >= 1.5 ? QStringLiteral("Middle") : QStringLiteral("Low"));
    return QString();
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
    return LangText("Mode \"%1\": the radio has FM (Wide) and NFM (Narrow) only",
        "Mode“%1”：对讲机只有 FM（宽）和 NFM（窄）")
        .arg(row.at("Mode"));
}

// The name as the radio can show it: upper case, its own characters, at most 6.
QString radioName(const QString &text)
{
    QString name;
    for (QChar c : UpperAscii(text)) {
        if (IsRadioNameChar(c) && name.size() < 6)
            name += c;
    }
    return name;
}

QString readCommunityRow(
    const CommunityRow &row, const BandLimitValues &limits, ChannelRow *out, QStringList *notes)
{
    QString error = readLocation(row, &out->record);
    ChannelTexts &t = out->texts;
    if (error.isEmpty())
        error = CheckFrequencyField(kColRx, row.at("Frequency"), limits, &t[kColRx]);
    if (error.isEmpty())
        error = readTx(row, t[kColRx], limits, &t[kColTx]);
    if (error.isEmpty())
        error = readTones(row, &t);
    if (error.isEmpty())
        error = readPower(row, &t[kColPower]);
    if (error.isEmpty())
        error = readMode(row, &t[kColBandwidth]);
    if (!error.isEmpty())
        return error;
    t[kColLock] = QStringLiteral("Lock");
    t[kColScan] = row.at("Skip").compare(QLatin1String("S"), Qt::CaseInsensitive) == 0
        ? QStringLiteral("No")
        : QStringLiteral("Yes");
    t[kColName] = radioName(row.at("Name"));
    if (t[kColName] != row.at("Name")) {
        notes->append(
            LangText("line %1: name \"%2\" stored as \"%3\"", "第 %1 行：名字“%2”存为“%3”")
                .arg(out->line)
                .arg(row.at("Name"), t[kColName]));
    }
    return QString();
}

} // namespace

bool ReadCommunityRows(const CsvTable &table, const BandLimitValues &limits,
    QList<ChannelRow> *rows, CsvImportResult *result)
{
    QHash<QString, int> columns;
    const QStringList &header = table.records.first().fields;
    for (int i = 0; i < header.size(); ++i)
        columns.insert(header[i].trimmed().toLower(), i);
    if (!columns.contains(QStringLiteral("frequency"))) {
        result->errorLine = table.records.first().line;
        result->error = LangText("the header has no Frequency column", "标题行中没有 Frequency 列");
        return false;
    }
    for (int i = 1; i < table.records.size(); ++i) {
        const CsvRecord &record = table.records[i];
        ChannelRow row;
        row.line = record.line;
        const QString error
            = readCommunityRow(CommunityRow {columns, record.fields}, limits, &row, &result->notes);
        if (!error.isEmpty()) {
            result->errorLine = record.line;
            result->error = error;
            return false;
        }
        rows->append(row);
    }
    return true;
}
