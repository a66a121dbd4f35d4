#include "codecs/productcodec.h"

#include "channels/textnumbers.h"
#include "settings/inifile.h"

using namespace ImageMap;

namespace {

constexpr int kMaxTypes = 19;
constexpr int kMaxPackedMhz = 999; // three decimal digits per limit

QString SetupValue(const CIniFile &ini, const char *format, int n)
{
    return ini.GetValue(QStringLiteral("Setup"), QString::asprintf(format, n));
}

// Hundreds digit in the high nibble, tens digit in the low nibble.
quint8 HundredsTens(int mhz)
{
    return quint8((mhz / 100) * 16 + (mhz / 10) % 10);
}

} // namespace

QStringList ProductTypes(const CIniFile &ini)
{
    QStringList types;
    for (int n = 1; n <= kMaxTypes; ++n) {
        const QString type = SetupValue(ini, "Type%d", n);
        if (type.isEmpty())
            break;
        types << type;
    }
    return types;
}

QStringList SplitFieldList(const QString &field)
{
    return field.split(QLatin1Char('|'));
}

QStringList ProductRanges(const CIniFile &ini, int typeIndex)
{
    return SplitFieldList(SetupValue(ini, "Field%d", typeIndex + 1));
}

void ParseRange(const QString &range, int *low, int *high)
{
    *low = 0;
    *high = 0;
    int pos = 0;
    if (!ReadInteger(range, &pos, low))
        return;
    if (pos >= range.size() || range.at(pos) != QLatin1Char('-'))
        return;
    ++pos;
    ReadInteger(range, &pos, high);
}

void PackProductRange(MemoryImage &image, const QString &range)
{
    int low = 0;
    int high = 0;
    ParseRange(range, &low, &high);
    // Each limit has three decimal digits in the packed form; anything outside
    // 0-999 is held at the nearest end so no digit spills into a neighbour.
    const int lower = qBound(0, low, kMaxPackedMhz);
    const int upper = qBound(0, high - 1, kMaxPackedMhz); // high never below -INT_MAX
    image[kProductRange] = HundredsTens(lower);
    image[kProductRange + 1] = HundredsTens(upper);
    image[kProductRange + 2] = quint8((lower % 10) * 16 + upper % 10);
}

QString StoredProductRange(const MemoryImage &image)
{
    const auto limit = [&image](int tensByte, int units) {
        return (image[tensByte] >> 4) * 100 + (image[tensByte] & 0x0F) * 10 + units;
    };
    const quint8 units = image[kProductRange + 2];
    return QStringLiteral("%1-%2MHz")
        .arg(limit(kProductRange, units >> 4))
        .arg(limit(kProductRange + 1, units & 0x0F) + 1);
}

ProductSelection RefreshedProductSelection(
    const MemoryImage &image, bool newImage, const ProductSelection &perUser)
{
    if (newImage)
        return {perUser.type & 0xFF, perUser.field & 0xFF};
    return {image[kProductType], image[kProductField]};
}

QString SelectedRange(const CIniFile &ini, const ProductSelection &selection)
{
    const QStringList ranges = ProductRanges(ini, selection.type);
    return ranges.at(qBound(0, selection.field, int(ranges.size()) - 1));
}

void StoreProductSelection(
    MemoryImage &image, const ProductSelection &selection, const QString &range)
{
    image[kProductType] = quint8(selection.type);
    image[kProductField] = quint8(selection.field);
    PackProductRange(image, range);
}

QString ProductCaption(const QString &appName, const QString &type, const QString &range)
{
    return appName + QStringLiteral("  [ Type:") + type + QStringLiteral("  Fre:") + range
        + QStringLiteral(" ]");
}
