// Optional features: the settings bytes 0x1FC0-0x1FE8, the power-on name at
// 0x12E8 (six character codes) and the fill bytes 0x12E0-0x12E5. Decoding gives
// list indexes (-1 = no selection); encoding writes in the dialog's OK order by
// read-modify-write, keeping every bit that no control owns.
#pragma once

#include "image/memoryimage.h"

#include <QString>
#include <QStringList>

struct OptionFeatures
{
    int led = 0; // 0x1FE1 bits 3-2: Off, Auto, On
    int batterySaver = 0; // 0x1FE7: Off, 0.2 ... 1.0
    int keypadLock = 0; // 0x1FE1 bit 1: Manual, Auto
    int timeOutTimer = 0; // 0x1FC3 bits 3-0: Off, 1, 3, 10
    int voiceSensitivity = 0; // 0x1FE4 bits 4-0: Off, 1 ... 16
    int priorityScan = 0; // 0x1FE2 bit 6: Off, On
    int channelDisplay = 0; // 0x1FE1 bit 7 inverted: Off, On
    int priScanTime = 0; // 0x1FE8: 3s, 5s, 8s, 10s
    QString powerOnName; // 0x12E8, up to 6 characters
    int step = 0; // 0x1FE0 bits 2-0: 5k, 10k, 6.25k, 12.5k, 25k
    int callTone = 0; // 0x1FE5 bits 3-0: Off, 1 ... 8, 1750
    int squelchLevel = 0; // 0x1FC1 bits 3-0: 0 ... 9
    int encoder = 0; // 0x1FE2 bit 5: Off, On
    int mode = 0; // 0x1FE2 bits 1-0: Channel, Frequency, Memory
    int busy = 0; // 0x1FE1 bit 6 inverted: Off, On
    int scanMode = 0; // 0x1FE1 bits 5-4: SE, CO, TO
    bool beep = false; // 0x1FC0 bit 0
    int vSqlAdjust = 30; // 0x1FC4, 0-127
    int uSqlAdjust = 20; // 0x1FC5, 0-127
};

OptionFeatures DecodeFeatures(const MemoryImage &image);
void EncodeFeatures(MemoryImage &image, const OptionFeatures &features);

// The dialog's list items, index order (English; the same in Chinese except
// where FeatureListItems is given chinese = true and the item is a word).
enum class FeatureList {
    Led,
    BatterySaver,
    KeypadLock,
    TimeOutTimer,
    VoiceSensitivity,
    PriorityScan,
    ChannelDisplay,
    PriScanTime,
    Step,
    CallTone,
    SquelchLevel,
    Encoder,
    Mode,
    Busy,
    ScanMode,
    SqlAdjust
};
QStringList FeatureListItems(FeatureList list, bool chinese);
