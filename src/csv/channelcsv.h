// The channel table as CSV text. The grid layout has the header
// CH,Rx Frequency,Tx Frequency,Rx Tone,Tx Tone,Power,Cha Lock,Scan Add,Bandwidth,Cha Name
// and one record per non-empty channel with the grid's texts (CH "Pr" or 1-199).
// The community layout is the column set that ham radio tools exchange
// (Location,Name,Frequency,Duplex,Offset,Tone,...), Location 0 standing for "Pr".
#pragma once

#include "channels/channelcodec.h"
#include "csv/csvtable.h"
#include "image/memoryimage.h"
#include "status/status.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

enum class CsvLayout { Grid, Community };

// A channel list is far smaller than this; a larger input is refused unread.
constexpr qsizetype kLargestCsvSize = 1024 * 1024;

QByteArray ExportChannelsCsv(const MemoryImage &image, CsvLayout layout);

// The column a heading of the grid layout names, in either language (the column
// table's headers, English in any case): kColRx ... kColName, kChHeading for
// CH, kNoHeading for none.
constexpr int kChHeading = -1;
constexpr int kNoHeading = -2;
int GridHeadingColumn(const QString &heading);

// One channel that an import sets: its record and the nine grid texts it gets
// (all empty: the channel is emptied).
struct ChannelRow
{
    int record = 0;
    int line = 0;
    ChannelTexts texts;
};

// A line an import with skipBad left out, and why.
struct SkippedLine
{
    int line = 0;
    Status reason;
};

// The reasons and notes of an import are words made in the loaded language when
// they are shown (English where no translation is loaded, as in the CLI).
struct CsvImportResult
{
    Status status; // why the whole import was refused, with its line (0: none); ok on success
    QList<Wording> notes; // "line N: ..." for each value adapted to the radio
    int channels = 0; // rows applied
    bool noChannels = false; // refused: replace with no channel rows would empty every channel
    QList<ChannelRow> rows; // the rows applied, in the order of the file
    CsvLayout layout = CsvLayout::Grid; // the layout the header line shows
    QList<SkippedLine> skipped; // with skipBad: the lines left out, in the order of the file
    QList<int> replaced; // records that held a channel which the import changes, ascending
    bool ok() const { return status.ok(); }
    // "line N: reason", or the reason alone when it concerns no line.
    QString message() const;
};

struct CsvImportOptions
{
    bool replace = false; // every channel the file does not list is emptied
    bool allowEmpty = false; // replace may empty every channel
    // A field a row leaves unset takes the values of a new channel rather than
    // keeping the channel's (rows pasted over other rows replace them whole).
    bool newChannelValues = false;
    // A line that is refused is left out (and listed) and the others are imported;
    // a header or a file that cannot be read still refuses the whole import.
    bool skipBad = false;
    // From this record on, each row goes into the next empty channel, whatever
    // channel the file names (-1: into the channels the file names).
    int intoFree = -1;
};

// "line N: text" in the loaded language; the same as a note's words.
QString LineText(int line, const QString &text);
Wording LineNote(int line, const Wording &note);

// "Pr, 1-5, 8" for records 0-5 and 8 (ascending), as the grid's row labels name them.
QString RecordRangesText(const QList<int> &records);

// Reads every row first and checks it as the grid's editors would, against the
// band limits that the image holds. Only when all rows are valid are the listed
// channels written into image (EncodeChannelExact: what a row leaves as the channel
// shows it keeps its bytes); with replace every other channel is emptied too, which
// a file without channel rows may do only with allowEmpty. Input beyond
// kLargestCsvSize or with more than 200 channel rows is refused. On any error
// image is left as it was.
//
// A row sets the fields it names. A column the file does not have, or an empty
// cell, leaves the field as the channel has it (a new channel gets the grid's
// new-channel values), except where an empty cell is the way the layout writes a
// value: in the grid layout an empty Rx Frequency empties the channel (the row
// must then be empty), an empty Tx Frequency is no transmit frequency and an empty
// Cha Name no name; in the community layout an empty Duplex is simplex, an empty
// Tone no tone, an empty Skip scan add and an empty Name no name. Names are
// upper-cased; one the radio cannot show as written is adapted with a note.
CsvImportResult ImportChannelsCsv(
    const QByteArray &csv, MemoryImage &image, bool replace, bool allowEmpty = false);
CsvImportResult ImportChannelsCsv(
    const QByteArray &csv, MemoryImage &image, const CsvImportOptions &options);
// The same for a table already read (the clipboard's cells): its first record is
// the header, and reasons and notes name the records' own lines.
CsvImportResult ImportChannelTable(
    const CsvTable &table, MemoryImage &image, const CsvImportOptions &options);
