#include "channels/channelcodec.h"

#include "channels/bandlimits.h"
#include "channels/channelcolumns.h"
#include "channels/decimal.h"
#include "channels/textnumbers.h"
#include "channels/tonetable.h"
#include "settings/language.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

constexpr quint8 kUnset = 0xFF;
constexpr int kFlagsOffset = 12;
constexpr quint8 kKeptFlagBits = 0xC1; // bits 7, 6 and 0 are not the grid's
constexpr quint8 kPowerMask = 0x30;
constexpr quint8 kLockBit = 0x08;
constexpr quint8 kScanBit = 0x04;
constexpr quint8 kWideBit = 0x02;
// Eight BCD digits whose top pair is not 00 (a top byte of 0x00 reads as absent):
// 10.00000 to 999.99999 MHz.
constexpr qint32 kSmallestStoredUnits = 1000000;
constexpr qint32 kLargestStoredUnits = 99999999;
constexpr int kLargestCtcss = 7999; // 799.9 Hz: a larger high byte would read as DCS

// A decimal text times scale, truncated toward zero; false when it does not fit
// a 32-bit count.
bool ScaledCount(const QString &text, double scale, qint32 *count)
{
    const double value = std::trunc(DecimalMultiply(LeadingNumber(text), scale));
    if (!(value >= std::numeric_limits<qint32>::min()
            && value <= std::numeric_limits<qint32>::max())) {
        *count
            = value < 0 ? std::numeric_limits<qint32>::min() : std::numeric_limits<qint32>::max();
        return false;
    }
    *count = static_cast<qint32>(value);
    return true;
}

int FromBcd(quint8 byte) // nibbles above 9 count as their value
{
    return (byte >> 4) * 10 + (byte & 0x0F);
}

quint8 ToBcd(int value) // 0..99
{
    return static_cast<quint8>(((value / 10) << 4) | (value % 10));
}

int RecordAddress(int record)
{
    return ImageMap::kChannelBase + ImageMap::kChannelSize * record;
}

int NameAddress(int record)
{
    return ImageMap::kNameBase + ImageMap::kNameSize * record;
}

bool IsRecord(int record)
{
    return record >= 0 && record < ImageMap::kChannelCount;
}

// Up to count codes of the radio's character set, ending at the first other code.
QString CodesToText(const quint8 *codes, int count)
{
    static const char kCharacters[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-";
    QString text;
    for (int i = 0; i < count; ++i) {
        const quint8 code = codes[i];
        if (code <= 36)
            text += QLatin1Char(kCharacters[code]);
        else if (code == 38)
            text += QLatin1Char('_');
        else
            break;
    }
    return text;
}

} // namespace

QString FrequencyToText(const quint8 *bytes4)
{
    if (bytes4[3] == 0xFF || bytes4[3] == 0x00)
        return QString();
    qint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = value * 100 + FromBcd(bytes4[i]);
    return FormatFrequency(value);
}

bool ParseFrequencyUnits(const QString &text, qint32 *units)
{
    return ScaledCount(text, 100000, units);
}

qint32 FrequencyUnits(const QString &text)
{
    qint32 units = 0;
    ParseFrequencyUnits(text, &units);
    return units;
}

QString FormatFrequency(qint32 units)
{
    return QString::asprintf("%3.5f", DecimalMultiply(units, 0.00001));
}

bool IsStorableFrequency(qint32 units)
{
    return units >= kSmallestStoredUnits && units <= kLargestStoredUnits;
}

void TextToFrequency(const QString &text, quint8 *bytes4)
{
    qint32 units = 0;
    // Values the field cannot hold are written as absent rather than with their
    // leading digits cut off (or as a top byte of 0x00, which reads as absent anyway).
    if (!ParseFrequencyUnits(text, &units) || !IsStorableFrequency(units)) {
        for (int i = 0; i < 4; ++i)
            bytes4[i] = kUnset;
        return;
    }
    qint32 divisor = 1000000;
    for (int i = 3; i >= 0; --i) {
        bytes4[i] = ToBcd((units / divisor) % 100);
        units %= divisor;
        divisor /= 100;
    }
}

QString ToneToText(quint8 low, quint8 high, bool chinese)
{
    if (high == 0xFF || high == 0x00)
        return PickText(chinese, "None", "无");
    if (high < 0x80) {
        const int tenths = FromBcd(high) * 100 + FromBcd(low);
        return QString::asprintf("%3.1f", DecimalMultiply(tenths, 0.1));
    }
    const bool normal = high < 0xC0;
    const int hundreds = high - (normal ? 0x80 : 0xC0);
    const int code = hundreds * 100 + FromBcd(low);
    return QString::asprintf("%s%d%c", hundreds == 0 ? "D0" : "D", code, normal ? 'N' : 'I');
}

void TextToTone(const QString &text, quint8 *low, quint8 *high)
{
    if (text.contains(QLatin1Char('D'))) {
        int code = LeadingInteger(text.mid(1));
        if (code < 0)
            code = 0;
        const int base = text.contains(QLatin1Char('N')) ? 0x80 : 0xC0;
        *high = static_cast<quint8>(code / 100 + base);
        *low = ToBcd(code % 100);
        return;
    }
    qint32 tenths = 0;
    // Zero is no tone ("None", "无", ""); so are values that the four digits
    // below the DCS range cannot hold.
    if (!ScaledCount(text, 10, &tenths) || tenths <= 0 || tenths > kLargestCtcss) {
        *low = kUnset;
        *high = kUnset;
        return;
    }
    *high = ToBcd(tenths / 100);
    *low = ToBcd(tenths % 100);
}

namespace {

// Every pair of bytes that shows as text, found from the number the text names:
// a candidate high byte fixes the part of the number the low byte must hold, and
// ToneToText itself decides whether the pair shows exactly as text.
int TonePairsShowing(const QString &text, quint8 *low, quint8 *high)
{
    static const QRegularExpression ctcss(QStringLiteral("^(\\d{1,4})\\.(\\d)$"));
    static const QRegularExpression dcs(QStringLiteral("^D(\\d{1,5})([NI])$"));
    int number = 0; // tenths of a hertz, or the DCS digits as a decimal number
    int firstHigh = 0x01;
    int lastHigh = 0x7F;
    int hundredsBase = 0;
    if (const QRegularExpressionMatch m = ctcss.match(text); m.hasMatch()) {
        number = m.captured(1).toInt() * 10 + m.captured(2).toInt();
    } else if (const QRegularExpressionMatch d = dcs.match(text); d.hasMatch()) {
        number = d.captured(1).toInt();
        const bool normal = d.captured(2) == QLatin1String("N");
        firstHigh = normal ? 0x80 : 0xC0;
        lastHigh = normal ? 0xBF : 0xFE; // 0xFF is no tone
        hundredsBase = firstHigh;
    } else {
        return 0;
    }
    int found = 0;
    for (int h = firstHigh; h <= lastHigh; ++h) {
        // CTCSS: tenths = FromBcd(high) × 100 + FromBcd(low); DCS: code = hundreds × 100 +
        // FromBcd(low).
        const int upper = hundredsBase ? h - hundredsBase : FromBcd(quint8(h));
        const int rest = number - upper * 100;
        for (int tens = 0; tens <= 15 && rest >= 0; ++tens) {
            const int units = rest - tens * 10;
            if (units < 0 || units > 15)
                continue;
            const quint8 l = quint8(tens << 4 | units);
            if (ToneToText(l, quint8(h), false) == text) {
                *low = l;
                *high = quint8(h);
                ++found;
            }
        }
    }
    return found;
}

} // namespace

bool ReadToneText(const QString &text, quint8 *low, quint8 *high, bool *ambiguous)
{
    if (ambiguous)
        *ambiguous = false;
    for (bool chinese : {false, true}) {
        static const ToneTable english(false);
        static const ToneTable chineseTable(true);
        if ((chinese ? chineseTable : english).texts().contains(text)) {
            TextToTone(text, low, high);
            return true;
        }
    }
    quint8 l = 0;
    quint8 h = 0;
    const int pairs = TonePairsShowing(text, &l, &h);
    if (ambiguous)
        *ambiguous = pairs > 1;
    if (pairs != 1)
        return false;
    *low = l;
    *high = h;
    return true;
}

// The choices of the list columns, in the column table's order: power High,
// Middle, Low; lock Lock, Unlock; scan Yes, No; bandwidth Wide, Narrow.
FlagTexts FlagsToTexts(quint8 flags, bool chinese)
{
    const auto choice
        = [chinese](int column, int i) { return ChannelColumnAt(column).choices[i].text(chinese); };
    FlagTexts t;
    const int power = (flags & kPowerMask) >> 4; // 0 Low, 1 Middle, 2 High; 3 has no text
    if (power < 3)
        t.power = choice(kColPower, 2 - power);
    t.lock = choice(kColLock, (flags & kLockBit) ? 0 : 1);
    t.scan = choice(kColScan, (flags & kScanBit) ? 0 : 1);
    t.bandwidth = choice(kColBandwidth, (flags & kWideBit) ? 0 : 1);
    return t;
}

quint8 TextsToFlags(quint8 oldFlags, const FlagTexts &texts)
{
    const auto is = [](const QString &text, int column, int i) {
        const TextPair &pair = ChannelColumnAt(column).choices[i];
        return text == QLatin1String(pair.english) || text == QString::fromUtf8(pair.chinese);
    };
    quint8 flags = oldFlags & kKeptFlagBits;
    if (is(texts.power, kColPower, 0))
        flags |= 0x20;
    else if (is(texts.power, kColPower, 1))
        flags |= 0x10;
    if (!is(texts.lock, kColLock, 1))
        flags |= kLockBit;
    if (!is(texts.scan, kColScan, 1))
        flags |= kScanBit;
    if (!is(texts.bandwidth, kColBandwidth, 1))
        flags |= kWideBit;
    return flags;
}

int CharToRadioCode(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'Z')
        return 10 + (u - u'A');
    if (u == u'-')
        return 36;
    if (u == u'_')
        return 38;
    return 0xFF;
}

bool IsRadioNameChar(QChar c)
{
    return CharToRadioCode(c) != 0xFF;
}

bool FitRadioName(QString &text, int maxLength)
{
    if (text.size() > maxLength)
        return false;
    for (QChar &c : text) {
        // Only ASCII letters: the radio has no other letters to fold to.
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = c.toUpper();
        if (!IsRadioNameChar(c))
            return false;
    }
    return true;
}

QString NameToText(const quint8 *bytes8)
{
    return CodesToText(bytes8, ImageMap::kNameSize);
}

QString DecodePowerOnName(const MemoryImage &image)
{
    return CodesToText(&image[ImageMap::kPowerOnName], ImageMap::kPowerOnNameLength);
}

void TextToName(const QString &text, quint8 *bytes8)
{
    for (int j = 0; j < ImageMap::kNameSize; ++j)
        bytes8[j] = j < text.size() ? static_cast<quint8>(CharToRadioCode(text.at(j))) : kUnset;
}

FrequencyCheck CheckFrequencyEntry(const QString &text, const BandLimitValues &limits)
{
    FrequencyCheck check;
    const bool fits = ParseFrequencyUnits(text, &check.units);
    check.text = FormatFrequency(check.units);
    const qint32 f = check.units;
    const bool inBand
        = (limits.vhfLow <= f && f < limits.vhfHigh) || (limits.uhfLow <= f && f < limits.uhfHigh);
    // A frequency the record cannot store counts as out of range whatever the limits say.
    if (!fits || !IsStorableFrequency(f) || !inBand)
        check.status = FrequencyCheck::OutOfRange;
    else if (f % 250 != 0 && f % 625 != 0)
        check.status = FrequencyCheck::OffStep;
    else
        check.status = FrequencyCheck::Accepted;
    return check;
}

bool IsChannelEmpty(const MemoryImage &image, int record)
{
    if (!IsRecord(record))
        return true;
    const quint8 top = image[RecordAddress(record) + 3];
    return top == 0xFF || top == 0x00;
}

ChannelTexts DecodeChannel(const MemoryImage &image, int record, bool chinese)
{
    ChannelTexts texts;
    if (IsChannelEmpty(image, record))
        return texts;
    const quint8 *r = &image[RecordAddress(record)];
    texts[kColRx] = FrequencyToText(r);
    texts[kColTx] = FrequencyToText(r + 4);
    texts[kColRxTone] = ToneToText(r[8], r[9], chinese);
    texts[kColTxTone] = ToneToText(r[10], r[11], chinese);
    const FlagTexts flags = FlagsToTexts(r[kFlagsOffset], chinese);
    texts[kColPower] = flags.power;
    texts[kColLock] = flags.lock;
    texts[kColScan] = flags.scan;
    texts[kColBandwidth] = flags.bandwidth;
    texts[kColName] = NameToText(&image[NameAddress(record)]);
    return texts;
}

void EncodeChannel(MemoryImage &image, int record, const ChannelTexts &texts)
{
    if (!IsRecord(record))
        return;
    quint8 *r = &image[RecordAddress(record)];
    if (texts[kColRx].isEmpty()) {
        std::fill(r, r + ImageMap::kChannelSize, kUnset);
        return;
    }
    TextToFrequency(texts[kColRx], r);
    TextToFrequency(texts[kColTx], r + 4);
    TextToTone(texts[kColRxTone], &r[8], &r[9]);
    TextToTone(texts[kColTxTone], &r[10], &r[11]);
    r[kFlagsOffset] = TextsToFlags(r[kFlagsOffset],
        {texts[kColPower], texts[kColLock], texts[kColScan], texts[kColBandwidth]});
    TextToName(texts[kColName], &image[NameAddress(record)]);
}

QVector<ImageBits> ChannelColumnBits(int record, int column)
{
    const int base = RecordAddress(record);
    switch (column) {
    case kColRx:
        return ImageBytes(base, 4);
    case kColTx:
        return ImageBytes(base + 4, 4);
    case kColRxTone:
        return ImageBytes(base + 8, 2);
    case kColTxTone:
        return ImageBytes(base + 10, 2);
    case kColPower:
        return {{base + kFlagsOffset, kPowerMask}};
    case kColLock:
        return {{base + kFlagsOffset, kLockBit}};
    case kColScan:
        return {{base + kFlagsOffset, kScanBit}};
    case kColBandwidth:
        return {{base + kFlagsOffset, kWideBit}};
    default:
        return ImageBytes(NameAddress(record), ImageMap::kNameSize);
    }
}

void EncodeChannelExact(MemoryImage &image, int record, const ChannelTexts &texts)
{
    if (!IsRecord(record))
        return;
    const bool wasChannel = !IsChannelEmpty(image, record);
    const ChannelTexts english = DecodeChannel(image, record, false);
    const ChannelTexts chinese = DecodeChannel(image, record, true);
    const auto unchanged = [&](int column) {
        return wasChannel && (texts[column] == english[column] || texts[column] == chinese[column]);
    };
    quint8 *r = &image[RecordAddress(record)];
    quint8 *name = &image[NameAddress(record)];
    quint8 before[ImageMap::kChannelSize];
    quint8 nameBefore[ImageMap::kNameSize];
    std::copy(r, r + ImageMap::kChannelSize, before);
    std::copy(name, name + ImageMap::kNameSize, nameBefore);

    EncodeChannel(image, record, texts);
    if (texts[kColRx].isEmpty())
        return;
    // Byte ranges of the columns within the record: Rx, Tx, Rx tone, Tx tone.
    static const struct
    {
        int column, offset, size;
    } ranges[] = {{kColRx, 0, 4}, {kColTx, 4, 4}, {kColRxTone, 8, 2}, {kColTxTone, 10, 2}};
    for (const auto &range : ranges) {
        if (unchanged(range.column))
            std::copy(before + range.offset, before + range.offset + range.size, r + range.offset);
        else if (range.column == kColRxTone || range.column == kColTxTone)
            ReadToneText(texts[range.column], &r[range.offset], &r[range.offset + 1]);
    }
    static const struct
    {
        int column;
        quint8 mask;
    } bits[] = {{kColPower, kPowerMask}, {kColLock, kLockBit}, {kColScan, kScanBit},
        {kColBandwidth, kWideBit}};
    for (const auto &bit : bits) {
        if (unchanged(bit.column))
            r[kFlagsOffset]
                = quint8((r[kFlagsOffset] & ~bit.mask) | (before[kFlagsOffset] & bit.mask));
    }
    if (unchanged(kColName))
        std::copy(nameBefore, nameBefore + ImageMap::kNameSize, name);
}

ChannelTexts NewChannelTexts(const QString &rxText, bool chinese)
{
    ChannelTexts texts;
    texts[kColRx] = rxText;
    texts[kColTx] = rxText;
    texts[kColRxTone] = ColumnChoices(kColRxTone, chinese).constFirst(); // "None"
    texts[kColTxTone] = texts[kColRxTone];
    // The first choice of each list: High, Lock, Yes, Wide.
    for (int column : {kColPower, kColLock, kColScan, kColBandwidth})
        texts[column] = ChannelColumnAt(column).choices.constFirst().text(chinese);
    return texts;
}

QString RowLabel(int record)
{
    return record == 0 ? QStringLiteral("Pr") : QString::asprintf("%3d", record);
}
