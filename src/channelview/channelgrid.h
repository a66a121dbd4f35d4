// The table of the channel grid view: a spreadsheet-like QTableView whose current
// cell always has its editor open. Leaving a cell commits its editor through the
// delegate into the model. The delegate ends an edit with closeEditor and a hint:
// EditNextItem and EditPreviousItem move to the next or previous cell, through
// the rows and from the last cell to the first (Enter and Tab); NoHint keeps the
// current cell (Enter after a refused frequency). The open editor moves with its
// cell when the table scrolls and keeps what was typed.
// Whole rows are selected with the row labels (Shift and Ctrl extend), the "CH"
// corner (all rows), Shift+Up/Down and Shift/Ctrl+click on a cell. While rows are
// selected no editor is open and the keyboard is with the grid, so the clipboard
// keys and Delete act on the rows; a click on a cell, typing, Enter, Tab, an
// arrow or Escape ends the row selection and edits again.
// A block of cells is selected by dragging over the cells, or by Shift+Left/Right
// from a pick list; while a block is selected Shift and an arrow extend it.
#pragma once

#include <QTableView>

class ChannelDelegate;

class ChannelGrid : public QTableView
{
    Q_OBJECT

public:
    explicit ChannelGrid(QWidget *parent = nullptr);

    // Installs the delegate that creates and tracks the editors.
    void setChannelDelegate(ChannelDelegate *delegate);
    QWidget *openEditor() const;
    QModelIndex openEditorIndex() const;
    // Commits the open editor as its cell is left and closes it.
    void commitOpenEditor();
    // Closes the open editor without touching the model.
    void closeOpenEditor();
    // Opens the editor of the current cell (if none is open and no row is selected).
    void openCurrentEditor();

    // Row selection, on once the model is set.
    void enableRowSelection();
    // The selected rows shown, in order; empty when none is selected.
    QList<int> selectedRows() const;
    // Selects rows (none: ends the row selection) and makes current the cell of the
    // first of them in the current column.
    void selectRows(const QList<int> &rows);
    void selectAll() override;
    // Ends the row selection and edits the cell at row, column.
    void moveTo(int row, int column);
    // The selected block of cells (not whole rows); invalid when there is none.
    QItemSelectionRange selectedBlock() const;
    // Selects the cells from anchor to the cell at row, column as a block.
    void selectBlock(const QModelIndex &anchor, int row, int column);

Q_SIGNALS:
    // Delete pressed while rows are selected.
    void deleteRowsPressed();

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex &index, const QEvent *event = nullptr) const override;

private:
    // A row label pressed (or entered while dragging) with these modifiers: a
    // plain press selects the row, Shift extends from the anchor, Ctrl toggles.
    void selectRowsTo(int row, Qt::KeyboardModifiers modifiers);
    void rowSelectionChanged();
    bool extendByKey(QKeyEvent *event);
    bool extendBlockByKey(QKeyEvent *event);
    // Makes current the cell `step` cells on, through the rows, the last cell
    // followed by the first.
    void moveBy(int step);

    ChannelDelegate *m_delegate = nullptr;
    bool m_committing = false;
    bool m_keyToEditor = false; // a key of the grid is on its way to the open editor
    int m_anchorRow = 0;
    QPersistentModelIndex m_blockAnchor; // the cell a block of cells starts from
    QPersistentModelIndex m_pressed; // the cell a drag over the cells started on
};
