// The table of the channel grid view: a spreadsheet-like QTableView whose current
// cell always has its editor open. Leaving a cell commits its editor through the
// delegate into the model; Enter commits and moves on (or stays after a refused
// frequency), Tab moves through the cells. The open editor moves with its cell
// when the table scrolls and keeps what was typed.
#pragma once

#include "cellcommit.h"

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
    // Commits the open editor as its cell is left and closes it; returns whether
    // the current cell must stay (Enter after a refused frequency).
    bool commitOpenEditor(CellExit exit = CellExit::Move);
    // Closes the open editor without touching the model.
    void closeOpenEditor();
    // Opens the editor of the current cell (if none is open).
    void openCurrentEditor();

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void enterPressed();
    void tabPressed(bool backward);
    void moveTo(int row, int column);

    ChannelDelegate *m_delegate = nullptr;
    bool m_committing = false;
};
