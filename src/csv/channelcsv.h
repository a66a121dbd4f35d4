// The channel table as CSV text. The grid layout has the header
// CH,Rx Frequency,Tx Frequency,Rx Tone,Tx Tone,Power,Cha Lock,Scan Add,Bandwidth,Cha Name
// and one record per non-empty channel with the grid's texts (CH "Pr" or 1-199).
// The community layout is the column set that ham radio tools exchange
// (Location,Name,Frequency,Duplex,Offset,Tone,...), Location 0 standing for "Pr".
#pragma once

#include "channelcodec.h"
#include "memoryimage.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

enum class CsvLayout { Grid, Community };

// A channel list is far smaller than this; a larger input is refused unread.
constexpr qsizetype kLargestCsvSize = 1024 * 1024;

QByteArray ExportChannelsCsv(const MemoryImage &image, CsvLayout layout);

// One channel that an import sets: its record and the nine grid texts it gets
// (all empty: the channel is emptied).
struct ChannelRow
{
    int record = 0;
    int line = 0;
    ChannelTexts texts;
};

struct CsvImportResult
{
    int errorLine = 0;
    QString error; // the reason the whole import was refused; empty on success
    QStringList notes; // "line N: ..." for each value adapted to the radio
    int channels = 0; // rows applied
    bool noChannels = false; // refused: replace with no channel rows would empty every channel
    QList<ChannelRow> rows; // the rows applied, in the order of the file
    CsvLayout layout = CsvLayout::Grid; // the layout the header line shows
    bool ok() const { return error.isEmpty(); }
    // "line N: reason", or the reason alone when it concerns no line.
    QString message() const;
};

// Reads every row first and checks it as the grid's editors would, against the
// band limits that the image holds. Only when all rows are valid are the listed
// channels written into image (EncodeChannelExact: what a row leaves as the channel
// shows it keeps its bytes); with replace every other channel is emptied too, which
// a file without channel rows may do only with allowEmpty. Input beyond
// kLargestCsvSize or with more than 200 channel rows is refused. On any error
// image is left as it was.
CsvImportResult ImportChannelsCsv(
    const QByteArray &csv, MemoryImage &image, bool replace, bool allowEmpty = false);
