// Band limits: two packed triples at 0x1FF0 (VHF) and 0x1FF3 (UHF). For a band
// lo..hi MHz (hi exclusive) byte 0 = BCD(lo/10), byte 1 = BCD((hi-1)/10),
// byte 2 = (lo%10)<<4 | (hi-1)%10. 136-174 MHz is 13 17 63, 400-480 MHz 40 47 09.
#pragma once

#include "image/memoryimage.h"

#include <QtGlobal>

// The band edges in 10 Hz units that frequency validation reads.
struct BandLimitValues
{
    qint32 vhfLow = 13600000;
    qint32 vhfHigh = 17500000;
    qint32 uhfLow = 40000000;
    qint32 uhfHigh = 52000000;
};

// Process-wide: the view refreshed or edited last decides them for every document.
extern BandLimitValues BandLimits;

// The four boxes above the grid, in whole MHz.
struct BandBoxes
{
    int vhfLow = 0;
    int vhfHigh = 0;
    int uhfLow = 0;
    int uhfHigh = 0;
    bool operator==(const BandBoxes &o) const
    {
        return vhfLow == o.vhfLow && vhfHigh == o.vhfHigh && uhfLow == o.uhfLow
            && uhfHigh == o.uhfHigh;
    }
};

enum class BandBox { VhfLow, VhfHigh, UhfLow, UhfHigh };

// hi exclusive. Edges are stored within 0-1599, the most the nibbles carry, so an
// emptied high box (hi - 1 = -1) is stored as edge 0 rather than as wrapped nibbles.
void PackBandTriple(int lo, int hi, quint8 *bytes3);
void UnpackBandTriple(const quint8 *bytes3, int *lo, int *hi);

// The four boxes of an image. An all-0xFF triple reads as the radio's full band
// (VHF 136-174 MHz, UHF 400-520 MHz), as if it held 13 17 63 or 40 51 09.
BandBoxes DecodeBands(const MemoryImage &image);
// Stores both triples from the boxes; no clamping.
void EncodeBands(MemoryImage &image, const BandBoxes &boxes);
// The clamping applied when a box loses the focus.
BandBoxes ClampBands(const BandBoxes &boxes, BandBox left);
// The edges of the boxes in 10 Hz units (whole MHz × 100000, saturated).
BandLimitValues LimitsOf(const BandBoxes &boxes);
// Assigns the process-wide BandLimits (the channel view is the one caller).
void SetBandLimits(const BandBoxes &boxes);
