#include "codecs/featurescodec.h"

#include "channels/channelcodec.h"

using namespace ImageMap;

namespace {

constexpr int kBatterySaverItems = 6;
constexpr int kTimeOutTimerItems = 4;
constexpr int kVoiceSensitivityItems = 17;
constexpr int kPriScanTimeItems = 4;
constexpr int kStepItems = 5;
constexpr int kCallToneItems = 10;
constexpr int kSquelchLevelItems = 10;
constexpr int kSqlAdjustItems = 128;

// A list index from a masked field; values past the end of the list select nothing.
int ListIndex(int value, int items)
{
    return value < items ? value : -1;
}

// A list index from a whole byte; values past the end fall back to the first item.
int ListIndexOrFirst(int value, int items)
{
    return value < items ? value : 0;
}

// Scan Mode, LED and Mode: 0 and 1 select themselves, 2 and 3 both select item 2.
int ThreeState(int value)
{
    return value < 2 ? value : 2;
}

bool Bit(quint8 byte, int bit)
{
    return (byte >> bit) & 1;
}

void SetBit(quint8 &byte, int bit, bool on)
{
    if (on)
        byte = quint8(byte | (1 << bit));
    else
        byte = quint8(byte & ~(1 << bit));
}

// Writes a two-bit three-state field; an index the list cannot hold leaves the
// field as it was rather than spilling into the neighbouring bits.
void SetThreeState(quint8 &byte, int shift, int index)
{
    if (index < 0 || index > 2)
        return;
    byte = quint8((byte & ~(0x3 << shift)) | (index << shift));
}

// A whole-byte list index; "no selection" (or anything outside the list) stores 0.
quint8 IndexOrZero(int index, int items)
{
    return quint8(index >= 0 && index < items ? index : 0);
}

quint8 SqlAdjustByte(int level, int fallback)
{
    return quint8(level >= 0 && level < kSqlAdjustItems ? level : fallback);
}

QStringList Numbers(int first, int last)
{
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QString::number(n);
    return items;
}

} // namespace

OptionFeatures DecodeFeatures(const MemoryImage &image)
{
    OptionFeatures f;
    const quint8 display = image[kDisplayBits];
    const quint8 scan = image[kScanBits];

    f.vSqlAdjust = image[kVSqlAdjust] < kSqlAdjustItems ? image[kVSqlAdjust] : 30;
    f.uSqlAdjust = image[kUSqlAdjust] < kSqlAdjustItems ? image[kUSqlAdjust] : 20;
    f.powerOnName = DecodePowerOnName(image);

    f.timeOutTimer = ListIndex(image[kTimeOutTimer] & 0x0F, kTimeOutTimerItems);
    f.squelchLevel = ListIndex(image[kSquelchLevel] & 0x0F, kSquelchLevelItems);
    f.callTone = ListIndex(image[kCallTone] & 0x0F, kCallToneItems);
    f.voiceSensitivity = ListIndex(image[kVoiceSensitivity] & 0x1F, kVoiceSensitivityItems);
    f.step = ListIndex(image[kStep] & 0x07, kStepItems);
    f.priScanTime = ListIndexOrFirst(image[kPriScanTime], kPriScanTimeItems);
    f.batterySaver = ListIndexOrFirst(image[kBatterySaver], kBatterySaverItems);

    f.beep = Bit(image[kBeep], 0);
    f.channelDisplay = Bit(display, 7) ? 0 : 1;
    f.busy = Bit(display, 6) ? 0 : 1;
    f.keypadLock = Bit(display, 1) ? 1 : 0;
    f.priorityScan = Bit(scan, 6) ? 1 : 0;
    f.encoder = Bit(scan, 5) ? 1 : 0;

    f.scanMode = ThreeState((display >> 4) & 0x3);
    f.led = ThreeState((display >> 2) & 0x3);
    f.mode = ThreeState(scan & 0x3);
    return f;
}

void EncodeFeatures(MemoryImage &image, const OptionFeatures &f)
{
    image[kVSqlAdjust] = SqlAdjustByte(f.vSqlAdjust, 30);
    image[kUSqlAdjust] = SqlAdjustByte(f.uSqlAdjust, 20);
    for (int i = 0; i < 6; ++i)
        image[kPowerOnNameFill + i] = 0xFF;
    for (int i = 0; i < kPowerOnNameLength; ++i) {
        image[kPowerOnName + i]
            = i < f.powerOnName.size() ? quint8(CharToRadioCode(f.powerOnName.at(i))) : 0xFF;
    }

    // "No selection" (-1) keeps its low bits here: 0x0F, or 0x1F for the 5-bit field.
    image[kTimeOutTimer] = quint8(f.timeOutTimer & 0x0F);
    image[kSquelchLevel] = quint8(f.squelchLevel & 0x0F);
    SetBit(image[kBeep], 0, f.beep);
    image[kCallTone] = quint8(f.callTone & 0x0F);

    quint8 &display = image[kDisplayBits];
    quint8 &scan = image[kScanBits];
    SetBit(display, 7, f.channelDisplay != 1);
    SetBit(scan, 6, f.priorityScan == 1);
    SetBit(display, 6, f.busy != 1);
    image[kPriScanTime] = IndexOrZero(f.priScanTime, kPriScanTimeItems);
    SetThreeState(display, 4, f.scanMode);
    SetBit(display, 1, f.keypadLock == 1);
    SetThreeState(display, 2, f.led);
    SetThreeState(scan, 0, f.mode);
    SetBit(scan, 5, f.encoder == 1);
    image[kVoiceSensitivity] = quint8(f.voiceSensitivity & 0x1F);
    image[kStep] = IndexOrZero(f.step, kStepItems);
    image[kBatterySaver] = IndexOrZero(f.batterySaver, kBatterySaverItems);
}

QStringList FeatureListItems(FeatureList list, bool chinese)
{
    const QString off = chinese ? QStringLiteral("关") : QStringLiteral("Off");
    const QString on = chinese ? QStringLiteral("开") : QStringLiteral("On");
    const QString autoText = chinese ? QStringLiteral("自动") : QStringLiteral("Auto");
    switch (list) {
    case FeatureList::Led:
        return {off, autoText, on};
    case FeatureList::BatterySaver:
        return {off, QStringLiteral("0.2"), QStringLiteral("0.4"), QStringLiteral("0.6"),
            QStringLiteral("0.8"), QStringLiteral("1.0")};
    case FeatureList::KeypadLock:
        return {chinese ? QStringLiteral("手动") : QStringLiteral("Manual"), autoText};
    case FeatureList::TimeOutTimer:
        return {off, QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("10")};
    case FeatureList::VoiceSensitivity:
        return QStringList {off} + Numbers(1, 16);
    case FeatureList::PriorityScan:
    case FeatureList::ChannelDisplay:
    case FeatureList::Encoder:
    case FeatureList::Busy:
        return {off, on};
    case FeatureList::PriScanTime:
        return {QStringLiteral("3s"), QStringLiteral("5s"), QStringLiteral("8s"),
            QStringLiteral("10s")};
    case FeatureList::Step:
        return {QStringLiteral("5k"), QStringLiteral("10k"), QStringLiteral("6.25k"),
            QStringLiteral("12.5k"), QStringLiteral("25k")};
    case FeatureList::CallTone:
        return QStringList {off} + Numbers(1, 8) + QStringList {QStringLiteral("1750")};
    case FeatureList::SquelchLevel:
        return Numbers(0, 9);
    case FeatureList::Mode:
        if (chinese)
            return {QStringLiteral("信道"), QStringLiteral("频率"), QStringLiteral("存储")};
        return {QStringLiteral("Channel"), QStringLiteral("Frequency"), QStringLiteral("Memory")};
    case FeatureList::ScanMode:
        return {QStringLiteral("SE"), QStringLiteral("CO"), QStringLiteral("TO")};
    case FeatureList::SqlAdjust:
        return Numbers(0, kSqlAdjustItems - 1);
    }
    return {};
}
