#include "channels/bandlimits.h"

#include <algorithm>
#include <limits>

BandLimitValues BandLimits;

namespace {

// A triple holds each edge as a nibble pair for edge / 10 plus a units nibble.
// Nibble pairs above 0x99 still read back (a nibble above 9 counts as its value),
// so edges from 0 to 1599 survive a pack and an unpack.
constexpr int kLargestPackedEdge = 1599;

quint8 PackTens(int tens) // 0..159
{
    return static_cast<quint8>(((tens / 10) << 4) | (tens % 10));
}

int UnpackTens(quint8 byte)
{
    return (byte >> 4) * 10 + (byte & 0x0F);
}

bool IsUnset(const MemoryImage &image, int address)
{
    return image[address] == 0xFF && image[address + 1] == 0xFF && image[address + 2] == 0xFF;
}

qint32 MhzToUnits(int mhz)
{
    const qint64 units = static_cast<qint64>(mhz) * 100000;
    return static_cast<qint32>(std::clamp<qint64>(
        units, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

} // namespace

void PackBandTriple(int lo, int hi, quint8 *bytes3)
{
    // Edges the triple cannot hold (an emptied high box gives hi - 1 = -1) are
    // stored as the nearest edge it can hold instead of as wrapped nibbles.
    const int low = std::clamp(lo, 0, kLargestPackedEdge);
    const int top = std::clamp(hi - 1, 0, kLargestPackedEdge);
    bytes3[0] = PackTens(low / 10);
    bytes3[1] = PackTens(top / 10);
    bytes3[2] = static_cast<quint8>(((low % 10) << 4) | (top % 10));
}

void UnpackBandTriple(const quint8 *bytes3, int *lo, int *hi)
{
    *lo = UnpackTens(bytes3[0]) * 10 + (bytes3[2] >> 4);
    *hi = UnpackTens(bytes3[1]) * 10 + (bytes3[2] & 0x0F) + 1;
}

BandBoxes DecodeBands(const MemoryImage &image)
{
    static const quint8 kFullVhf[3] = {0x13, 0x17, 0x63}; // 136-174 MHz
    static const quint8 kFullUhf[3] = {0x40, 0x51, 0x09}; // 400-520 MHz
    const quint8 *vhf = IsUnset(image, ImageMap::kVhfBand) ? kFullVhf : &image[ImageMap::kVhfBand];
    const quint8 *uhf = IsUnset(image, ImageMap::kUhfBand) ? kFullUhf : &image[ImageMap::kUhfBand];
    BandBoxes boxes;
    UnpackBandTriple(vhf, &boxes.vhfLow, &boxes.vhfHigh);
    UnpackBandTriple(uhf, &boxes.uhfLow, &boxes.uhfHigh);
    return boxes;
}

void EncodeBands(MemoryImage &image, const BandBoxes &boxes)
{
    PackBandTriple(boxes.vhfLow, boxes.vhfHigh, &image[ImageMap::kVhfBand]);
    PackBandTriple(boxes.uhfLow, boxes.uhfHigh, &image[ImageMap::kUhfBand]);
}

BandBoxes ClampBands(const BandBoxes &boxes, BandBox left)
{
    BandBoxes r = boxes;
    switch (left) {
    case BandBox::VhfLow:
        if (r.vhfLow > r.vhfHigh) {
            r.vhfLow = 136;
            r.vhfHigh = 174;
        } else if (r.vhfLow >= 174 || r.vhfLow < 136) {
            r.vhfLow = 136;
        }
        break;
    case BandBox::VhfHigh:
        if (r.vhfLow > r.vhfHigh) {
            r.vhfLow = 136;
            r.vhfHigh = 174;
        } else if (r.vhfHigh > 174 || r.vhfHigh <= 136) {
            r.vhfHigh = 174;
        }
        break;
    case BandBox::UhfLow:
        if (r.uhfLow >= r.uhfHigh) {
            r.uhfLow = 400;
            r.uhfHigh = 480;
        } else if (r.uhfLow >= 480 || r.uhfLow < 400) {
            r.uhfLow = 400;
        }
        break;
    case BandBox::UhfHigh:
        if (r.uhfLow >= r.uhfHigh) {
            r.uhfLow = 400;
            r.uhfHigh = 480;
        } else if (r.uhfHigh > 480 || r.uhfHigh <= 400) {
            r.uhfHigh = 480;
        }
        break;
    }
    return r;
}

BandLimitValues LimitsOf(const BandBoxes &boxes)
{
    return BandLimitValues {MhzToUnits(boxes.vhfLow), MhzToUnits(boxes.vhfHigh),
        MhzToUnits(boxes.uhfLow), MhzToUnits(boxes.uhfHigh)};
}

void SetBandLimits(const BandBoxes &boxes)
{
    BandLimits = LimitsOf(boxes);
}
