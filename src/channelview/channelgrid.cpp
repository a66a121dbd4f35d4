#include "channelgrid.h"

#include "channeldelegate.h"

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
    Q_EMIT cellLeaving();
    QTableView::currentChanged(current, previous);
}

void ChannelGrid::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT enterPressed();
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        Q_EMIT tabPressed(
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
