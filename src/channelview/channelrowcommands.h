// The row commands of a channel grid view: cut, copy, paste, delete (clear), insert
// and delete rows, move and sort rows, and set a list column of every selected
// channel. They act on the selected rows, or on the current row when none is
// selected; paste starts at the first of them. Each change is one command on the
// document. The actions carry the keys and make the grid's context menu; the main
// window's Edit menu runs the same commands under the same texts.
// Keys: Ctrl+X, Ctrl+C and Ctrl+V act on the rows, except in a text box (a
// frequency or name editor, a band box), where they cut, copy and paste its text.
// Delete clears the rows while rows are selected; in a text box it deletes
// characters, in a pick list nothing.
// Without selected rows, Copy and Paste work on cells as a spreadsheet does: the
// current cell or the selected block of cells is copied as its texts, and cells
// are pasted into it, each taken as if typed (rows copied from the grid or text
// under its header line still paste as rows). Fill Down (Ctrl+D) copies the top
// cell of each column of the selection into the cells below.
#pragma once

#include "channelview/cellblock.h"

#include <QList>
#include <QObject>
#include <QPointer>

class CProgramDoc;
struct FrequencyEdits;
class CProgramView;
class ChannelGrid;
struct DocumentState;
class QAction;
class QMenu;

class ChannelRowCommands : public QObject
{
    Q_OBJECT

public:
    enum Command {
        Cut,
        Copy,
        Paste,
        Clear,
        InsertRow,
        DeleteRow,
        MoveUp,
        MoveDown,
        SortByFrequency,
        SortByName,
        FillDown,
        SetTxFromRx,
        ShiftFrequencies,
        InsertChannelList,
    };
    static constexpr int kCommandCount = InsertChannelList + 1;

    // The keys of the actions work while the keyboard is inside view. A command
    // first has the view commit what it still holds, as leaving the cell would.
    ChannelRowCommands(CProgramDoc *document, ChannelGrid *grid, CProgramView *view);

    // The menu text with its key after a tab ("Cu&t\tCtrl+X"), in the interface language.
    static QString menuText(Command command);
    QAction *action(Command command) const { return m_actions[command]; }
    bool canRun(Command command) const;
    void run(Command command);
    // Sets a pick-list column of every selected channel (empty rows stay empty).
    void setColumn(int column, const QString &text);
    // The Tx frequency of every selected channel: its Rx plus offset (10 Hz units;
    // 0 is simplex). Rx and Tx of every selected channel moved by amount. Channels
    // whose new frequency would be refused are listed first, and the others
    // change only when the user agrees; one command.
    void setTxFromRx(qint32 offset);
    void shiftFrequencies(qint32 amount);
    // The ready-made channel list of that name into the free channels from the
    // current row on (channel 1 from Pr), each checked against the band limits
    // and step; the ones refused are listed. One command.
    void insertChannelList(const QString &name);
    void showContextMenu(const QPoint &globalPos);
    QMenu *contextMenu();
    // The rows the commands act on: the selected ones, else the current one.
    QList<int> targetRows() const;

    // "channel 5", "channels 3-7", "4 channels" in the interface language.
    static QString rowsText(const QList<int> &rows);
    // The status line after channels were emptied, with the way back.
    static QString clearedText(const QList<int> &rows);

Q_SIGNALS:
    void statusMessage(const QString &text);

private:
    void copy(const QList<int> &rows);
    void paste(int first);
    // The cells that Copy, cell Paste and Fill Down work on: the selected block,
    // the selected rows whole, else the current cell.
    CellBlock::Block targetBlock() const;
    void copyCells();
    void pasteCells();
    void fillDown();
    // Asks for an offset or amount in MHz (presets offered); false when cancelled.
    bool askOffset(
        const QString &title, const QString &label, const QStringList &presets, qint32 *units);
    // what: the command's text, %1 the channels, %2 the amount.
    void applyFrequencyEdits(
        const FrequencyEdits &edits, const QString &what, const QString &amount);
    // Pushes a cell paste or fill as one command; false (with a message) when refused.
    bool applyCells(const CellBlock::Paste &pasted, const QString &what);
    void insertRow(int row);
    void moveRows(const QList<int> &rows, int step);
    void refused(const QString &text);
    void updateStates();
    QMenu *valueMenu(int column);

    QPointer<CProgramDoc> m_document;
    ChannelGrid *m_grid;
    CProgramView *m_view;
    QAction *m_actions[kCommandCount] = {};
    QList<QMenu *> m_valueMenus;
    QMenu *m_menu = nullptr;
};
