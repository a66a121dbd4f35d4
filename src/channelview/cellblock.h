// Cells of the channel grid as a spreadsheet handles them: a block of cells
// copied as tab-separated text (one line per row), and text pasted into a block,
// each cell taken as if it were typed there (CommitCellText: frequencies within
// the band limits and on the step raster, tones and words of the pick lists,
// names as the radio stores them). A paste is checked whole before anything
// changes: one refused cell refuses it, named by its channel and column.
#pragma once

#include "channels/bandlimits.h"
#include "document/documentstate.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace CellBlock {

struct Block
{
    int top = 0;
    int left = 0;
    int bottom = 0; // inclusive
    int right = 0; // inclusive
    int rows() const { return bottom - top + 1; }
    int columns() const { return right - left + 1; }
};

// The cells' texts as the grid shows them, tab-separated, each row ended by "\n".
QString CopyText(const DocumentState &state, const Block &block);

struct Paste
{
    DocumentState after; // the state with the cells pasted
    QList<int> rows; // the records whose texts changed, ascending
    QString error; // why nothing is pasted; empty when every cell was taken
    QStringList notes; // names stored otherwise than written
    bool ok() const { return error.isEmpty(); }
};

// Text (tab-separated cells, a line per row) pasted at the block's top left
// cell: row by row, each cell into the next column. One value (a single cell)
// fills every cell of the block. Cells beyond the last column or row are refused.
Paste PasteText(const DocumentState &state, const Block &block, const QString &text,
    const BandLimitValues &limits, bool chinese);
// The top cell of each column of the block copied into the cells below it.
Paste FillDown(
    const DocumentState &state, const Block &block, const BandLimitValues &limits, bool chinese);

} // namespace CellBlock
