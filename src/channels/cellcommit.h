// What leaving an edited grid cell does to its row: the typed frequency is checked
// against the band limits and the step rule, a new channel gets its defaults, a
// refused frequency clears the cell or the channel (a text that is not wholly a
// number changes nothing), and fields typed into an empty row are discarded. Tones,
// list words and names are read as channels/cellvalues.h reads values from outside,
// so a cell pasted from a spreadsheet is taken as a typed one. Widget-free; the view
// shows the message and applies the row.
#pragma once

#include "channels/bandlimits.h"
#include "channels/channelcodec.h"
#include "status/status.h"

// How the cell is left: by moving the current cell (click, arrows, Tab, a save or
// a transfer), or by the Enter key.
enum class CellExit { Move, Enter };

struct CellCommit
{
    ChannelTexts row; // the row after the commit
    int message = 0; // 0, or the string-table id to show (61448 / 61456 / 61470)
    // A tone or list word the column does not have: the reason, and the row
    // stays as it was. No words when the text was taken.
    Wording refusal;
    Wording note; // a name stored otherwise than written: what was stored
    bool ok() const { return message == 0 && refusal.isEmpty(); }
};

// row: the texts before the commit; column: kColRx ... kColName; text: the editor's.
CellCommit CommitCellText(const ChannelTexts &row, int column, const QString &text, CellExit exit,
    const BandLimitValues &limits, bool chinese);
