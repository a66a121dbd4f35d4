// A new image with a few channels in it, each at its receive frequency (transmit
// the same) with its name: the channel plans the suites start from; and the
// bytes of an image as files and slots hold them.
#pragma once

#include "channels/channelcodec.h"

#include <initializer_list>

struct TestChannel
{
    int record;
    const char *rx;
    const char *name;
};

inline MemoryImage ImageWithChannels(std::initializer_list<TestChannel> channels)
{
    MemoryImage image = NewImage();
    for (const TestChannel &c : channels) {
        ChannelTexts texts = NewChannelTexts(QString::fromLatin1(c.rx), false);
        texts[kColName] = QString::fromLatin1(c.name);
        EncodeChannel(image, c.record, texts);
    }
    return image;
}

// count bytes of the image from address on; the whole image by default.
inline QByteArray ImageBytes(const MemoryImage &image, int address = 0, int count = kImageSize)
{
    return QByteArray(reinterpret_cast<const char *>(&image[address]), count);
}

// A channel's 16-byte record followed by its 8-byte name slot.
inline QByteArray SlotBytes(const MemoryImage &image, int record)
{
    using namespace ImageMap;
    return ImageBytes(image, record * kChannelSize, kChannelSize)
        + ImageBytes(image, kNameBase + record * kNameSize, kNameSize);
}
