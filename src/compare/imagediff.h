// What differs between two memory images, in the terms the program shows them:
// channel cells as the grid shows them, settings as the print-out and the
// settings dialogs name them (with the product and the band limits), and every
// other differing byte as an address range. Two images compare the same exactly
// when all 8192 bytes are equal: a differing bit whose field text stays the same
// (the record of an empty channel, a bit no control owns) is an "other byte".
#pragma once

#include "image/memoryimage.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

class CIniFile;

struct ChannelDifference
{
    int record = 0; // 0 is the priority channel
    int column = 0; // ChannelColumn
    QString channel; // "Pr", "1" ... "199"
    QString field; // the column heading in the chosen language
    QString a; // the grid's text in image A ("" for an empty channel)
    QString b;
};

struct SettingDifference
{
    QString key; // English name, the same in every language ("Beep", "VHF Band", ...)
    QString name; // in the chosen language
    QString a;
    QString b;
    // A's value was set by the program when A's file was opened (the product
    // bytes that opening fills in from the product choice) and is unchanged since.
    bool setAtOpen = false;
};

struct ByteRangeDifference
{
    int first = 0; // address of the first differing byte
    int last = 0; // inclusive
    QByteArray a; // the bytes first..last of image A
    QByteArray b;
    // What the bytes belong to, in the chosen language, in address order: the
    // settings that read the differing bits (or share the byte), the channel
    // whose record or name slot holds them, "Sql Adjust" for the rest of the
    // calibration block. Empty for bytes nothing owns.
    QStringList owners;
};

struct ImageDiff
{
    QVector<ChannelDifference> channels; // by record, then column
    QVector<SettingDifference> settings; // feature lines first, in print-out order
    QVector<ByteRangeDifference> otherBytes; // by address
    bool same() const { return channels.isEmpty() && settings.isEmpty() && otherBytes.isEmpty(); }
};

// The product's type and frequency names come from catalogue ([Setup] "Type%d",
// "Field%d"); an index outside it shows as its number.
ImageDiff DiffImages(
    const MemoryImage &a, const MemoryImage &b, bool chinese, const CIniFile &catalogue);

// Marks the settings of diff whose value in image A the program set when A was
// opened and that kept that value: file holds the bytes as the file had them,
// opened the image right after opening, a the image diff was made from.
void MarkSetAtOpen(ImageDiff &diff, const MemoryImage &file, const MemoryImage &opened,
    const MemoryImage &a, const CIniFile &catalogue);

enum class DiffGroup { Channels, Settings, OtherBytes };
// "Channels", "Settings", "Other bytes" in the chosen language.
QString DiffGroupTitle(DiffGroup group, bool chinese);
// "0x1FF6" or "0x1FF6-0x1FFF".
QString ByteRangeText(const ByteRangeDifference &range);
// The first bytes of a range in hex ("0A FF 12"), with " ..." when more follow.
QString ByteValuesText(const QByteArray &bytes);
// A value as a list of differences shows it: "(empty)" for an empty text.
QString DiffValueText(const QString &text, bool chinese);
// A range as a list of differences names it: "Bytes 0x0018 (Channel 1)"; at
// most three owners are named, then "...".
QString ByteRangeLine(const ByteRangeDifference &range, bool chinese);
// One line per difference in the chosen language, channels first:
// "Channel 1, Rx Frequency: sent 140.00000, radio 140.00100", with titleA and
// titleB naming the two images. After maxLines lines one more says how many
// are left out.
QStringList DiffLines(const ImageDiff &diff, const QString &titleA, const QString &titleB,
    bool chinese, int maxLines);
