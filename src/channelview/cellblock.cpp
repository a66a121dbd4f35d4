#include "channelview/cellblock.h"

#include "channels/cellcommit.h"
#include "channels/channelcolumns.h"
#include "csv/csvtable.h"
#include "settings/language.h"
#include "settings/messages.h"

namespace CellBlock {
namespace {

using Grid = QList<QStringList>; // the cells to paste, by row then column

// Puts each cell of grid into state from (top, left), as typed, left to right
// in each row (an Rx first makes the channel that the cells after it fill).
Paste Apply(const DocumentState &state, int top, int left, const Grid &grid,
    const BandLimitValues &limits, bool chinese)
{
    Paste result;
    result.after = state;
    for (int r = 0; r < grid.size(); ++r) {
        const int record = top + r;
        ChannelTexts texts = state.rows.at(record);
        for (int c = 0; c < grid.at(r).size(); ++c) {
            const int column = left + c;
            const CellCommit commit
                = CommitCellText(texts, column, grid.at(r).at(c), CellExit::Move, limits, chinese);
            if (!commit.ok()) {
                const QString reason = commit.refusal.isEmpty() ? MessageText(commit.message)
                                                                : commit.refusal.text();
                result.error
                    = PickText(chinese, "Channel %1, %2: %3", "信道%1，%2：%3")
                          .arg(RowLabel(record).trimmed(), ColumnHeader(column, chinese), reason);
                return result;
            }
            if (!commit.note.isEmpty()) {
                result.notes << PickText(chinese, "channel %1: %2", "信道%1：%2")
                                    .arg(RowLabel(record).trimmed(), commit.note.text());
            }
            texts = commit.row;
        }
        if (texts != state.rows.at(record)) {
            result.after.rows[record] = texts;
            result.rows << record;
        }
    }
    return result;
}

Paste Refuse(const QString &error)
{
    Paste result;
    result.error = error;
    return result;
}

} // namespace

QString CopyText(const DocumentState &state, const Block &block)
{
    QString text;
    for (int record = block.top; record <= block.bottom; ++record) {
        QStringList cells;
        for (int column = block.left; column <= block.right; ++column)
            cells << state.rows.at(record).at(column);
        // A spreadsheet must not run a name such as "-A1" as a formula.
        if (block.right == kColName)
            cells.last() = FormulaGuard(cells.last());
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

Paste PasteText(const DocumentState &state, const Block &block, const QString &text,
    const BandLimitValues &limits, bool chinese)
{
    const CsvTable table = ParseTable(text, QLatin1Char('\t'), ImageMap::kChannelCount + 1);
    if (!table.ok() && !table.tooManyRecords)
        return Refuse(table.status.text());
    Grid grid;
    for (const CsvRecord &record : table.records) {
        QStringList cells;
        for (const QString &cell : record.fields)
            cells << ReadFormulaGuard(cell.trimmed());
        grid << cells;
    }
    if (grid.isEmpty())
        return Refuse(PickText(chinese, "The clipboard holds no cells.", "剪贴板中没有单元格。"));
    if (grid.size() == 1 && grid.first().size() == 1) {
        // One value fills the block.
        grid = Grid(block.rows(), QStringList(block.columns(), grid.first().first()));
    }
    qsizetype widest = 0;
    for (const QStringList &cells : grid)
        widest = qMax(widest, cells.size());
    if (block.left + widest > kChannelColumns
        || block.top + grid.size() > ImageMap::kChannelCount) {
        return Refuse(PickText(chinese,
            "The clipboard holds %1 rows of %2 cells, more than fit from channel %3, %4 on.",
            "剪贴板中有%1行、每行%2个单元格，超过从信道%3的%4起能放下的范围。")
                          .arg(grid.size())
                          .arg(widest)
                          .arg(RowLabel(block.top).trimmed(), ColumnHeader(block.left, chinese)));
    }
    return Apply(state, block.top, block.left, grid, limits, chinese);
}

Paste FillDown(
    const DocumentState &state, const Block &block, const BandLimitValues &limits, bool chinese)
{
    Grid grid;
    QStringList top;
    for (int column = block.left; column <= block.right; ++column)
        top << state.rows.at(block.top).at(column);
    for (int record = block.top + 1; record <= block.bottom; ++record)
        grid << top;
    return Apply(state, block.top + 1, block.left, grid, limits, chinese);
}

} // namespace CellBlock
