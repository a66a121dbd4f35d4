// The community CSV layout that ham radio tools and repeater lists exchange:
// Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,
// DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,
// RPT2CALL,DVCODE (frequencies in MHz with six decimals), and one column of our
// own that other readers ignore: "Cha Lock" (Lock / Unlock), the channel lock the
// layout has no column for (a file without it leaves each channel's lock as it is).
// Location 0 is the priority channel "Pr", 1-199 the channels; Mode FM/NFM is
// the bandwidth; Skip "S" clears scan add. Power is written as watts: High 5.0W,
// Middle 2.0W, Low 0.5W; read back, 4 W and more is High, 1.5 W and more Middle,
// less Low (the words High, Middle, Mid and Low are read too).
#pragma once

#include "channels/bandlimits.h"
#include "csv/channelcsv.h"
#include "csv/csvtable.h"
#include "image/memoryimage.h"

QByteArray ExportCommunityCsv(const MemoryImage &image);

// True when the header row is a community header (it has a Location column).
bool IsCommunityHeader(const QStringList &header);
// Reads and checks every row into the grid texts it stands for. Names are
// upper-cased and cut to what the radio shows, with a note for each change;
// image: what the channels show now (a value a row leaves as it is stays).
bool ReadCommunityRows(const CsvTable &table, const MemoryImage &image,
    const BandLimitValues &limits, const CsvImportOptions &options, QList<ChannelRow> *rows,
    CsvImportResult *result);
