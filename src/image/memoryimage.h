// The radio's 8192-byte memory as the program holds it: addresses 0x0000-0x1FFF
// equal the radio's addresses and the offsets in a .dat file. 0xFF marks unset
// bytes. The constants below name every region that some editor owns.
#pragma once

#include <QVector>
#include <QtGlobal>
#include <array>

constexpr int kImageSize = 0x2000;
using MemoryImage = std::array<quint8, kImageSize>;

namespace ImageMap {
constexpr int kChannelBase = 0x0000; // 200 × 16-byte channel records, record 0 = priority
constexpr int kChannelSize = 16;
constexpr int kChannelCount = 200;
constexpr int kNameBase = 0x0CA0; // 200 × 8-byte name slots, name of record n at +8·n
constexpr int kNameSize = 8;
constexpr int kProductRange = 0x0FF0; // 3 bytes; bytes 0-2 of the name slot of record 106
constexpr int kPowerOnNameFill = 0x12E0; // 6 bytes set to 0xFF whenever the features are stored
constexpr int kPowerOnName = 0x12E8; // 6 character codes
constexpr int kPowerOnNameLength = 6;
constexpr int kSquelchBlock = 0x1F80; // 32-byte calibration block, moved only by its own transfer
constexpr int kSquelchBlockSize = 32;
constexpr int kVhfSquelch = 0x1F90; // VHF levels 1-7
constexpr int kVhfSquelchCount = 7;
constexpr int kUhfSquelch = 0x1FA0; // UHF levels 1-13
constexpr int kUhfSquelchCount = 13;
constexpr int kBeep = 0x1FC0;
constexpr int kSquelchLevel = 0x1FC1;
constexpr int kTimeOutTimer = 0x1FC3;
constexpr int kVSqlAdjust = 0x1FC4;
constexpr int kUSqlAdjust = 0x1FC5;
constexpr int kProductType = 0x1FD6; // type index in the configured catalogue
constexpr int kProductField = 0x1FD7; // range index within that type
constexpr int kStep = 0x1FE0;
constexpr int kDisplayBits = 0x1FE1; // channel display, busy, scan mode, LED, keypad lock
constexpr int kScanBits = 0x1FE2; // priority scan, encoder, mode
constexpr int kVoiceSensitivity = 0x1FE4;
constexpr int kCallTone = 0x1FE5;
constexpr int kBatterySaver = 0x1FE7;
constexpr int kPriScanTime = 0x1FE8;
constexpr int kVhfBand = 0x1FF0; // packed band triple
constexpr int kUhfBand = 0x1FF3; // packed band triple
} // namespace ImageMap

// A fresh image: all 0xFF, then the squelch, settings, product and band defaults.
MemoryImage NewImage();
void FillNewImageDefaults(MemoryImage &image);

// One block of a whole-image write: address and length (8, or 6 for the last).
struct WriteBlock
{
    int address;
    int length;
};

// The blocks a whole-image write sends, in order: 0x0000-0x1F78 and 0x1FA0-0x1FE8
// in 8-byte blocks (the squelch block is left out), then 6 bytes at 0x1FF0.
const QVector<WriteBlock> &WholeImageWriteBlocks();

// Bits of one image byte that a field reads (a grid column, a feature line).
struct ImageBits
{
    int address;
    quint8 mask;
};
// All bits of count bytes from address on.
QVector<ImageBits> ImageBytes(int address, int count);

constexpr int kReadBlockCount = kImageSize / 8; // a whole-image read fetches all 1024 blocks
