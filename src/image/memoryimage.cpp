#include "image/memoryimage.h"

using namespace ImageMap;

void FillNewImageDefaults(MemoryImage &image)
{
    image.fill(0xFF);
    for (int i = 0; i < kVhfSquelchCount; ++i)
        image[kVhfSquelch + i] = 0x1E; // 30
    for (int i = 0; i < kUhfSquelchCount; ++i)
        image[kUhfSquelch + i] = 0x14; // 20

    static const struct
    {
        int address;
        quint8 value;
    } settings[] = {
        {kSquelchLevel, 0x01},
        {kTimeOutTimer, 0x01},
        {kProductType, 0x00},
        {kProductField, 0x00},
        {kStep, 0x04},
        {kDisplayBits, 0xD4},
        {kScanBits, 0x21},
        {kVoiceSensitivity, 0x00},
        {kCallTone, 0x01},
        {kBatterySaver, 0x00},
    };
    for (const auto &s : settings)
        image[s.address] = s.value;

    // VHF 136-174 MHz, UHF 400-480 MHz.
    static const quint8 bands[6] = {0x13, 0x17, 0x63, 0x40, 0x47, 0x09};
    for (int i = 0; i < 6; ++i)
        image[kVhfBand + i] = bands[i];
}

MemoryImage NewImage()
{
    MemoryImage image;
    FillNewImageDefaults(image);
    return image;
}

const QVector<WriteBlock> &WholeImageWriteBlocks()
{
    static const QVector<WriteBlock> blocks = [] {
        QVector<WriteBlock> list;
        for (int a = 0; a <= 0x1FE8; a += 8) {
            if (a >= kSquelchBlock && a < kSquelchBlock + kSquelchBlockSize)
                continue;
            list.append({a, 8});
        }
        list.append({kVhfBand, 6}); // both band triples, 0x1FF0-0x1FF5
        return list;
    }();
    return blocks;
}

QVector<ImageBits> ImageBytes(int address, int count)
{
    QVector<ImageBits> bits;
    for (int i = 0; i < count; ++i)
        bits.append({address + i, 0xFF});
    return bits;
}
