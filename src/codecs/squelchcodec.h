// Squelch calibration levels: VHF 1-7 at 0x1F90-0x1F96 (substitute 30) and UHF
// 1-13 at 0x1FA0-0x1FAC (substitute 20), one byte each, 0-127.
#pragma once

#include "image/memoryimage.h"

#include <QStringList>

constexpr int kVhfSquelchSubstitute = 30;
constexpr int kUhfSquelchSubstitute = 20;

struct SquelchTexts
{
    QStringList vhf; // 7 texts
    QStringList uhf; // 13 texts
};

SquelchTexts LoadSquelchLevels(const MemoryImage &image);
// Leading digits of each text (none: 0); outside 0-127 the substitute is stored.
void StoreSquelchLevels(MemoryImage &image, const SquelchTexts &texts);
// The editor's rule on leaving a cell: parse leading integer, clamp to 0-127.
int ClampSquelchEntry(const QString &text);
