// Row commands of the channel table, worked on a document state: clearing,
// inserting, deleting, moving and sorting rows, setting one list column of many
// rows, placing channels. A row travels whole: its nine texts with its 16-byte
// record (0x0000 + 16·n) and its 8-byte name slot (0x0CA0 + 8·n) as the composed
// image holds them, so bytes and bits that no column shows stay with their channel.
// The three product range bytes in the name slot of record 106 never move.
// Records are given sorted, distinct and inside the table; any other list (or a
// row that would leave the table) changes nothing. The document pushes a result as
// one command.
// Record 0 ("Pr") is the radio's priority channel, not the head of the list of
// channels 1-199: inserting, deleting and sorting rows never carry a channel into
// or out of it, and a move does so only when the Pr row itself is moved.
#pragma once

#include "document/documentstate.h"

#include <QList>
#include <array>

struct ChannelSlot
{
    ChannelTexts texts; // all empty: no channel
    std::array<quint8, ImageMap::kChannelSize> record {};
    std::array<quint8, ImageMap::kNameSize> name {};
};

// The slot of a record in an image (as a save writes it), its texts decoded in the
// interface language given.
ChannelSlot SlotFromImage(const MemoryImage &image, int record, bool chinese);
// Writes a slot into the state at record (its texts and its bytes); nothing
// outside the table.
void PutSlot(DocumentState &state, int record, const ChannelSlot &slot);

// The selected rows become empty channels (sixteen 0xFF bytes; the name slot stays,
// as when the Rx cell is erased).
DocumentState ClearRows(const DocumentState &state, const QList<int> &records);
// A new empty row at record; the rows from there on move down by one. False (state
// unchanged) when the last row holds a channel, which would be pushed out, or at Pr.
bool InsertEmptyRow(DocumentState &state, int record);
// The selected rows go; the rows below move up and empty rows fill the end. A
// selected Pr is emptied as ClearRows does, and nothing moves into it.
DocumentState DeleteRows(const DocumentState &state, const QList<int> &records);
// Each selected row changes place with its neighbour above (step -1) or below
// (step +1), so a block of rows moves as one. Returns the rows' new records; empty
// (state unchanged) when a selected row is already at that end of the table (Pr
// up, channel 199 down) or when channel 1 would move up into Pr.
QList<int> MoveRows(DocumentState &state, const QList<int> &records, int step);

enum class RowSortKey { RxFrequency, Name };
// The channels of the selected rows in order of Rx frequency, or of name (unnamed
// after named, then by Rx frequency), over the same rows; empty rows come last.
// A selected Pr keeps its channel.
void SortRows(DocumentState &state, const QList<int> &records, RowSortKey key);
// text into column of every selected row that holds a channel.
void SetColumnOfRows(
    DocumentState &state, const QList<int> &records, int column, const QString &text);
