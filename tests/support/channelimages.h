// A new image with a few channels in it, each at its receive frequency (transmit
// the same) with its name: the channel plans the suites start from.
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
