// The community CSV layout that ham radio tools and repeater lists exchange:
// Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,
// DtcsPolarity,Mode,TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL (frequencies in
// MHz with six decimals). Location 0 is the priority channel "Pr", 1-199 the
// channels; Mode FM/NFM is the bandwidth; Skip "S" clears scan add.
#pragma once

#include "bandlimits.h"
#include "channelcsv.h"
#include "csvtable.h"
#include "memoryimage.h"

QByteArray ExportCommunityCsv(const MemoryImage &image);

// True when the header row is a community header (it has a Location column).
bool IsCommunityHeader(const QStringList &header);
// Reads and checks every row into the grid texts it stands for. Names are
// upper-cased and cut to what the radio shows, with a note for each change.
bool ReadCommunityRows(const CsvTable &table, const BandLimitValues &limits,
    QList<ChannelRow> *rows, CsvImportResult *result);
