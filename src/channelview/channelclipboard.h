// Channel rows on the clipboard. The text is tab-separated, as spreadsheets copy
// and paste cells: the grid's CSV header line (CH, Rx Frequency ... Cha Name, the
// column names of the CSV export) and one line per row with the texts the export
// writes (every field empty for an empty row). Beside the text goes a private copy
// of each row's bytes (16-byte record, 8-byte name slot): when the text comes back
// unchanged, a pasted row is exactly the channel that was copied. Pasted text is
// checked as the CSV import checks a file, and taken only when every row is valid.
#pragma once

#include "document/rowoperations.h"

#include <QString>
#include <QStringList>

class QMimeData;

namespace ChannelClipboard {

// The rows of records (sorted) as image holds them (the bytes a save writes).
QMimeData *CopyRows(const MemoryImage &image, const QList<int> &records);

struct Paste
{
    QList<ChannelSlot> channels; // for records first, first + 1, ...
    int line = 0; // the line of the clipboard text that was refused; 0: none
    QString error; // why nothing can be pasted; empty when the rows are accepted
    QStringList notes; // "line N: name ... stored as ..." for each name adapted to the radio
    bool ok() const { return error.isEmpty(); }
};

// Whether the clipboard holds whole rows rather than cells for the cell at column:
// rows copied from the grid, text under the grid's header line, or a first line
// with more cells than fit from column on.
bool HoldsRows(const QMimeData *mime, int column);

// The clipboard's rows placed from record first on, checked against image: its
// band limits, and for tones and names the texts the target rows hold now (kept
// as they are, as an import keeps them). Texts come in the interface language.
Paste ReadRows(const QMimeData *mime, const MemoryImage &image, int first, bool chinese);

} // namespace ChannelClipboard
