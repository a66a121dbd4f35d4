#include "channelgrid.h"

#include "channelcodec.h"
#include "channeldelegate.h"
#include "channeltablemodel.h"

#include <QApplication>
#include <QKeyEvent>

ChannelGrid::ChannelGrid(QWidget *parent)
    : QTableView(parent)
{
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::AnyKeyPressed
        | QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);
    setTabKeyNavigation(true);
    setAutoScroll(true);
}

void ChannelGrid::setChannelDelegate(ChannelDelegate *delegate)
{
    m_delegate = delegate;
    setItemDelegate(delegate);
    connect(delegate, &ChannelDelegate::enterPressed, this, &ChannelGrid::enterPressed);
    connect(delegate, &ChannelDelegate::tabPressed, this, &ChannelGrid::tabPressed);
    // Typing into an editor whose cell was scrolled away brings the cell back.
    connect(delegate, &ChannelDelegate::typing, this, [this] {
        if (openEditorIndex().isValid())
            scrollTo(openEditorIndex());
    });
}

QWidget *ChannelGrid::openEditor() const
{
    return m_delegate ? m_delegate->openEditor() : nullptr;
}

QModelIndex ChannelGrid::openEditorIndex() const
{
    return m_delegate ? m_delegate->openIndex() : QModelIndex();
}

bool ChannelGrid::commitOpenEditor(CellExit exit)
{
    QWidget *editor = openEditor();
    if (!editor || m_committing)
        return false;
    m_committing = true;
    m_delegate->setCommitOnEnter(exit == CellExit::Enter);
    commitData(editor);
    m_delegate->setCommitOnEnter(false);
    const auto *channels = qobject_cast<ChannelTableModel *>(model());
    const bool stay = exit == CellExit::Enter && channels && channels->lastCommitStays();
    // A message box takes the focus from the editor; when the editor goes the
    // keyboard belongs to the grid again, even before the window is active again.
    const bool editorHadFocus = window()->focusWidget() == openEditor();
    closeOpenEditor();
    if (editorHadFocus)
        setFocus();
    m_committing = false;
    return stay;
}

void ChannelGrid::closeOpenEditor()
{
    if (QWidget *editor = openEditor())
        closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void ChannelGrid::openCurrentEditor()
{
    const QModelIndex current = currentIndex();
    if (!current.isValid() || openEditor())
        return;
    scrollTo(current);
    edit(current, QAbstractItemView::AllEditTriggers, nullptr);
}

void ChannelGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    commitOpenEditor(CellExit::Move);
    QTableView::currentChanged(current, previous);
}

void ChannelGrid::moveTo(int row, int column)
{
    setCurrentIndex(model()->index(row, column));
    openCurrentEditor();
}

void ChannelGrid::enterPressed()
{
    if (commitOpenEditor(CellExit::Enter))
        return;
    const QModelIndex current = currentIndex();
    int row = current.isValid() ? current.row() : 0;
    int column = current.isValid() ? current.column() + 1 : 0;
    if (column >= kChannelColumns) {
        column = 0;
        row = row + 1 < model()->rowCount() ? row + 1 : 0;
    }
    moveTo(row, column);
}

void ChannelGrid::tabPressed(bool backward)
{
    const QModelIndex current = currentIndex();
    const int cells = model()->rowCount() * kChannelColumns;
    int cell = current.isValid() ? current.row() * kChannelColumns + current.column() : -1;
    cell = (cell + (backward ? cells - 1 : 1)) % cells;
    moveTo(cell / kChannelColumns, cell % kChannelColumns);
}

void ChannelGrid::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        enterPressed();
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        tabPressed(
            event->key() == Qt::Key_Backtab || event->modifiers().testFlag(Qt::ShiftModifier));
        return;
    case Qt::Key_F1:
        event->ignore(); // the view answers help requests
        return;
    default:
        break;
    }
    QWidget *editor = openEditor();
    if (editor && !event->text().isEmpty() && event->text().at(0).isPrint()) {
        // Typing while the editor's row is scrolled out of sight: bring it back and
        // let the editor take the key.
        scrollTo(openEditorIndex());
        editor->setFocus();
        QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text());
        QCoreApplication::sendEvent(editor, &copy);
        return;
    }
    QTableView::keyPressEvent(event);
}

void ChannelGrid::mousePressEvent(QMouseEvent *event)
{
    QTableView::mousePressEvent(event);
    // A click on the current cell opens its editor again once it was closed.
    if (indexAt(event->position().toPoint()) == currentIndex())
        openCurrentEditor();
}
