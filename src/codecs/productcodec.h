// Product information: type index at 0x1FD6, range index at 0x1FD7 and the chosen
// range packed at 0x0FF0-0x0FF2 (same packing as a band triple; these are bytes
// 0-2 of the name slot of record 106). The catalogue comes from [Setup] "Type%d"
// and "Field%d" of Program.ini.
#pragma once

#include "image/memoryimage.h"

#include <QString>
#include <QStringList>

class CIniFile;

// "Type1" ... up to the first missing or empty one (at most 19).
QStringList ProductTypes(const CIniFile &ini);
// The "Field%d" list of type index i (0-based), split at "|"; an empty text
// gives one empty item.
QStringList ProductRanges(const CIniFile &ini, int typeIndex);
QStringList SplitFieldList(const QString &field);

// Reads "%d-%dMHz"; unread numbers count as 0.
void ParseRange(const QString &range, int *low, int *high);
// Stores the range text into 0x0FF0-0x0FF2 (upper limit minus one packed).
void PackProductRange(MemoryImage &image, const QString &range);

// The product type and range index of an image (0x1FD6, 0x1FD7).
struct ProductSelection
{
    int type = 0;
    int field = 0;
    bool operator==(const ProductSelection &o) const { return type == o.type && field == o.field; }
};

// The selection a refreshed image holds: with newImage the per-user one (low
// bytes), otherwise the image's own.
ProductSelection RefreshedProductSelection(
    const MemoryImage &image, bool newImage, const ProductSelection &perUser);
// The range text of a selection: element `field` of the "Field%d" list of the
// type, or its last element when the list is shorter.
QString SelectedRange(const CIniFile &ini, const ProductSelection &selection);
// Writes the selection and the packed range of its text into the image.
void StoreProductSelection(
    MemoryImage &image, const ProductSelection &selection, const QString &range);
// The range held at 0x0FF0-0x0FF2 as "%d-%dMHz" (upper limit plus one).
QString StoredProductRange(const MemoryImage &image);

// The main window caption after a product choice:
// AppName + "  [ Type:" + type + "  Fre:" + range + " ]".
QString ProductCaption(const QString &appName, const QString &type, const QString &range);
