#include "compare/imagediff.h"

#include "channels/bandlimits.h"
#include "channels/channelcodec.h"
#include "channels/channelcolumns.h"
#include "codecs/featurescodec.h"
#include "codecs/productcodec.h"
#include "codecs/squelchcodec.h"
#include "print/featuretexts.h"
#include "settings/inifile.h"
#include "settings/language.h"

#include <array>

using namespace ImageMap;

namespace {

// Per address, the bits that a listed difference already shows.
using ShownBits = std::array<quint8, kImageSize>;

void MarkShown(ShownBits &shown, const QVector<ImageBits> &bits)
{
    for (const ImageBits &b : bits)
        shown[size_t(b.address)] |= b.mask;
}

void DiffChannels(
    const MemoryImage &a, const MemoryImage &b, bool chinese, ImageDiff &diff, ShownBits &shown)
{
    for (int record = 0; record < kChannelCount; ++record) {
        const ChannelTexts textsA = DecodeChannel(a, record, chinese);
        const ChannelTexts textsB = DecodeChannel(b, record, chinese);
        for (int column = 0; column < kChannelColumns; ++column) {
            if (textsA[column] == textsB[column])
                continue;
            diff.channels.append({record, column, RowLabel(record).trimmed(),
                ColumnHeader(column, chinese), textsA[column], textsB[column]});
            MarkShown(shown, ChannelColumnBits(record, column));
        }
    }
}

// One named value of the settings area and the bits it is read from.
struct SettingLine
{
    QString key;
    QString name;
    QString value;
    QVector<ImageBits> bits;
};

QString CatalogueText(const QStringList &names, int index)
{
    return index < names.size() ? names.at(index) : QString::number(index);
}

void AddSquelchLines(QVector<SettingLine> &lines, const MemoryImage &image, bool chinese)
{
    const SquelchTexts levels = LoadSquelchLevels(image);
    const auto add = [&](const char *band, const QStringList &texts, int base) {
        for (int i = 0; i < texts.size(); ++i) {
            const QString suffix = QStringLiteral(" %1 %2").arg(QLatin1String(band)).arg(i + 1);
            lines.append({QStringLiteral("Sql Adjust") + suffix,
                PickText(chinese, "Sql Adjust", "静噪调节") + suffix, texts.at(i),
                {{base + i, 0xFF}}});
        }
    };
    add("VHF", levels.vhf, kVhfSquelch);
    add("UHF", levels.uhf, kUhfSquelch);
}

void AddProductAndBandLines(
    QVector<SettingLine> &lines, const MemoryImage &image, bool chinese, const CIniFile &catalogue)
{
    const int type = image[kProductType];
    const QStringList types = ProductTypes(catalogue);
    const QStringList ranges = type < types.size() ? ProductRanges(catalogue, type) : QStringList();
    lines.append({QStringLiteral("Type"), PickText(chinese, "Type", "类型"),
        CatalogueText(types, type), {{kProductType, 0xFF}}});
    lines.append({QStringLiteral("Frequency"), PickText(chinese, "Frequency", "频率"),
        CatalogueText(ranges, image[kProductField]),
        {{kProductType, 0xFF}, {kProductField, 0xFF}}});
    // Erased range bytes hold no range: decoded they would read "1665-1666MHz".
    const bool rangeSet = image[kProductRange] != 0xFF || image[kProductRange + 1] != 0xFF
        || image[kProductRange + 2] != 0xFF;
    lines.append(
        {QStringLiteral("Stored Frequency"), PickText(chinese, "Stored Frequency", "存储的频率"),
            rangeSet ? StoredProductRange(image) : PickText(chinese, "(not set)", "(未设置)"),
            ImageBytes(kProductRange, 3)});

    const BandBoxes bands = DecodeBands(image);
    lines.append({QStringLiteral("VHF Band"), QStringLiteral("VHF"),
        QStringLiteral("%1-%2").arg(bands.vhfLow).arg(bands.vhfHigh), ImageBytes(kVhfBand, 3)});
    lines.append({QStringLiteral("UHF Band"), QStringLiteral("UHF"),
        QStringLiteral("%1-%2").arg(bands.uhfLow).arg(bands.uhfHigh), ImageBytes(kUhfBand, 3)});
}

// Every named setting of an image, always the same lines in the same order.
QVector<SettingLine> SettingLines(const MemoryImage &image, bool chinese, const CIniFile &catalogue)
{
    QVector<SettingLine> lines;
    for (const FeatureLine &line : FeatureLines(image, chinese)) {
        QString name = line.label;
        if (name.endsWith(QLatin1Char(':')))
            name.chop(1);
        lines.append({line.key, name, line.value, {line.bits}});
    }
    const OptionFeatures features = DecodeFeatures(image);
    lines.append({QStringLiteral("Power-on Name"), PickText(chinese, "Power-on Name", "开机名称"),
        features.powerOnName, ImageBytes(kPowerOnName, kPowerOnNameLength)});
    lines.append({QStringLiteral("V SQL Adjust"), PickText(chinese, "V SQL Adjust", "V静噪调节"),
        QString::number(features.vSqlAdjust), {{kVSqlAdjust, 0xFF}}});
    lines.append({QStringLiteral("U SQL Adjust"), PickText(chinese, "U SQL Adjust", "U静噪调节"),
        QString::number(features.uSqlAdjust), {{kUSqlAdjust, 0xFF}}});
    AddSquelchLines(lines, image, chinese);
    AddProductAndBandLines(lines, image, chinese, catalogue);
    return lines;
}

void DiffSettings(const QVector<SettingLine> &linesA, const MemoryImage &b, bool chinese,
    const CIniFile &catalogue, ImageDiff &diff, ShownBits &shown)
{
    const QVector<SettingLine> linesB = SettingLines(b, chinese, catalogue);
    for (int i = 0; i < linesA.size(); ++i) {
        if (linesA[i].value == linesB[i].value)
            continue;
        diff.settings.append({linesA[i].key, linesA[i].name, linesA[i].value, linesB[i].value});
        MarkShown(shown, linesA[i].bits);
    }
}

QByteArray Slice(const MemoryImage &image, int first, int last)
{
    return QByteArray(reinterpret_cast<const char *>(image.data()) + first, last - first + 1);
}

QString ChannelName(int record, bool chinese)
{
    return PickText(chinese, "Channel %1", "信道%1").arg(RowLabel(record).trimmed());
}

// The owner of one byte that differs in the bits diffBits.
QStringList ByteOwners(
    int address, quint8 diffBits, const QVector<SettingLine> &lines, bool chinese)
{
    QStringList reading, sharing;
    for (const SettingLine &line : lines) {
        for (const ImageBits &bits : line.bits) {
            if (bits.address != address)
                continue;
            (bits.mask & diffBits ? reading : sharing) << line.name;
        }
    }
    if (!reading.isEmpty() || !sharing.isEmpty())
        return reading.isEmpty() ? sharing : reading;
    const int channelEnd = kChannelBase + kChannelCount * kChannelSize;
    if (address >= kChannelBase && address < channelEnd)
        return {ChannelName((address - kChannelBase) / kChannelSize, chinese)};
    const int nameEnd = kNameBase + kChannelCount * kNameSize;
    if (address >= kNameBase && address < nameEnd)
        return {ChannelName((address - kNameBase) / kNameSize, chinese)};
    if (address >= kPowerOnNameFill && address < kPowerOnName + kPowerOnNameLength)
        return {PickText(chinese, "Power-on Name", "开机名称")};
    if (address >= kSquelchBlock && address < kSquelchBlock + kSquelchBlockSize)
        return {PickText(chinese, "Sql Adjust", "静噪调节")};
    return {};
}

void DiffOtherBytes(const MemoryImage &a, const MemoryImage &b, const ShownBits &shown,
    const QVector<SettingLine> &lines, bool chinese, ImageDiff &diff)
{
    const auto addOwners = [&](ByteRangeDifference &range) {
        for (int address = range.first; address <= range.last; ++address) {
            const quint8 bits = a[size_t(address)] ^ b[size_t(address)];
            for (const QString &owner : ByteOwners(address, bits, lines, chinese)) {
                if (!range.owners.contains(owner))
                    range.owners << owner;
            }
        }
    };
    int first = -1;
    for (int address = 0; address <= kImageSize; ++address) {
        const size_t i = size_t(address);
        const bool differs = address < kImageSize && ((a[i] ^ b[i]) & ~shown[i]) != 0;
        if (differs && first < 0)
            first = address;
        if (!differs && first >= 0) {
            const int last = address - 1;
            diff.otherBytes.append({first, last, Slice(a, first, last), Slice(b, first, last), {}});
            addOwners(diff.otherBytes.last());
            first = -1;
        }
    }
}

} // namespace

ImageDiff DiffImages(
    const MemoryImage &a, const MemoryImage &b, bool chinese, const CIniFile &catalogue)
{
    ImageDiff diff;
    if (a == b)
        return diff;
    ShownBits shown {};
    DiffChannels(a, b, chinese, diff, shown);
    const QVector<SettingLine> lines = SettingLines(a, chinese, catalogue);
    DiffSettings(lines, b, chinese, catalogue, diff, shown);
    DiffOtherBytes(a, b, shown, lines, chinese, diff);
    return diff;
}

void MarkSetAtOpen(ImageDiff &diff, const MemoryImage &file, const MemoryImage &opened,
    const MemoryImage &a, const CIniFile &catalogue)
{
    if (diff.settings.isEmpty() || file == opened)
        return;
    const QVector<SettingLine> atFile = SettingLines(file, false, catalogue);
    const QVector<SettingLine> atOpen = SettingLines(opened, false, catalogue);
    const QVector<SettingLine> now = SettingLines(a, false, catalogue);
    for (SettingDifference &difference : diff.settings) {
        for (int i = 0; i < now.size(); ++i) {
            if (now[i].key != difference.key)
                continue;
            difference.setAtOpen
                = atFile[i].value != atOpen[i].value && now[i].value == atOpen[i].value;
            break;
        }
    }
}

QString DiffGroupTitle(DiffGroup group, bool chinese)
{
    switch (group) {
    case DiffGroup::Channels:
        return PickText(chinese, "Channels", "信道");
    case DiffGroup::Settings:
        return PickText(chinese, "Settings", "设置");
    case DiffGroup::OtherBytes:
        break;
    }
    return PickText(chinese, "Other bytes", "其他字节");
}

QString ByteRangeText(const ByteRangeDifference &range)
{
    const auto hex = [](int address) -> QString {
        return QStringLiteral("0x")
            + QString::number(address, 16).toUpper().rightJustified(4, u'0');
    };
    if (range.first == range.last)
        return hex(range.first);
    return hex(range.first) + QLatin1Char('-') + hex(range.last);
}

QString ByteValuesText(const QByteArray &bytes)
{
    constexpr int kShownBytes = 8;
    const QString hex = QString::fromLatin1(bytes.left(kShownBytes).toHex(' ').toUpper());
    return bytes.size() > kShownBytes ? hex + QStringLiteral(" ...") : hex;
}

QString ByteRangeLine(const ByteRangeDifference &range, bool chinese)
{
    constexpr int kNamedOwners = 3;
    const QString bytes = PickText(chinese, "Bytes %1", "字节 %1").arg(ByteRangeText(range));
    if (range.owners.isEmpty())
        return bytes;
    QStringList named = range.owners.mid(0, kNamedOwners);
    if (range.owners.size() > kNamedOwners)
        named << QStringLiteral("...");
    return PickText(chinese, "%1 (%2)", "%1（%2）")
        .arg(bytes, named.join(PickText(chinese, ", ", "、")));
}

QString DiffValueText(const QString &text, bool chinese)
{
    return text.isEmpty() ? PickText(chinese, "(empty)", "(空)") : text;
}

QStringList DiffLines(
    const ImageDiff &diff, const QString &titleA, const QString &titleB, bool chinese, int maxLines)
{
    const auto values = [&](const QString &a, const QString &b) {
        return PickText(chinese, "%1 %2, %3 %4", "%1 %2，%3 %4")
            .arg(titleA, DiffValueText(a, chinese), titleB, DiffValueText(b, chinese));
    };
    QStringList lines;
    for (const ChannelDifference &c : diff.channels) {
        lines << PickText(chinese, "Channel %1, %2: %3", "信道%1，%2：%3")
                     .arg(c.channel, c.field, values(c.a, c.b));
    }
    for (const SettingDifference &s : diff.settings)
        lines << QStringLiteral("%1: %2").arg(s.name, values(s.a, s.b));
    for (const ByteRangeDifference &r : diff.otherBytes)
        lines << ByteRangeLine(r, chinese);
    if (lines.size() > maxLines) {
        const qsizetype left = lines.size() - maxLines;
        lines.resize(maxLines);
        lines << PickText(chinese, "... and %1 more", "……另有 %1 项").arg(left);
    }
    return lines;
}
