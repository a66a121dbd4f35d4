// Checks of one channel text read from outside (a CSV cell) by the rules of the
// grid's editors: frequencies in the band limits and on the step raster, tones of
// the tone list (as channels/cellvalues.h reads them), the power / lock / scan /
// bandwidth words in either language. Each check returns success and the grid's
// form of the text, or the reason the text was refused (words of the
// "ChannelCsv" context, as every reason and note of a CSV import is).
#pragma once

#include "channels/bandlimits.h"
#include "channels/channelcodec.h"
#include "csv/channelcsv.h"
#include "status/status.h"

#include <QString>

// Wording of the CSV reader: source is marked QT_TRANSLATE_NOOP("ChannelCsv", ...).
inline Wording CsvWording(const char *source)
{
    return Wording("ChannelCsv", source);
}
// A refusal said by CSV words.
inline Status CsvRefusal(const char *source)
{
    return Status(Status::Kind::BadInput, "ChannelCsv", source);
}

// The column heading in the interface language; the reasons below name columns so.
QString LocalColumnName(int column);

// Refuses a text that is not wholly a number ("145,5"), then checks as the grid does.
Status CheckFrequencyField(
    int column, const QString &text, const BandLimitValues &limits, QString *normalised);
// kept: the text the channel shows now, accepted as it is even when it is not in
// the tone list (a tone set by another program survives an export and import,
// its bytes kept by EncodeChannelExact); other texts outside the list are refused.
Status CheckToneField(int column, const QString &text, const QString &kept, QString *normalised);
// Power, lock, scan add and bandwidth; the result is the English word. Names are
// read by AdaptName (channels/cellvalues.h), with a note where they change.
Status CheckWordField(int column, const QString &text, QString *normalised);
// What a channel takes where a row leaves a field unset (a column the file does
// not have, an empty cell): the texts the channel shows now, or, for a new channel
// or with newChannelValues, what the grid fills in when an Rx frequency is typed
// (Tx = rx, no tones, High, Lock, Yes, Wide, no name).
ChannelTexts UnsetCellTexts(const ChannelTexts &current, const QString &rx, bool newChannelValues);
// The reason for a row with another number of fields than the header has columns.
Status FieldCountReason(int fields, int columns);
// A refused line: with skipBad it is listed as skipped and true says reading goes
// on; otherwise it refuses the whole import (false).
bool SkipRefusedLine(
    const CsvImportOptions &options, int line, const Status &reason, CsvImportResult *result);
