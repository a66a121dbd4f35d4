// The table of the channel grid view: a spreadsheet-like QTableView whose current
// cell always has its editor open. Leaving a cell asks the view to commit it first
// (cellLeaving), then the new cell's editor opens. The open editor moves with its
// cell when the table scrolls and keeps what was typed.
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
    // Closes the open editor without touching the model.
    void closeOpenEditor();
    // Opens the editor of the current cell (if none is open).
    void openCurrentEditor();

Q_SIGNALS:
    void cellLeaving(); // the current cell is about to move: commit its editor
    void enterPressed(); // Return or Enter on the grid or in an editor
    void tabPressed(bool backward);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    ChannelDelegate *m_delegate = nullptr;
};
