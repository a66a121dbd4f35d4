#include "editcommands.h"

#include "channelgrid.h"
#include "childframe.h"
#include "commandids.h"
#include "documentcommands.h"
#include "frameactions.h"
#include "programdoc.h"
#include "programview.h"

#include <QAction>

EditCommands::EditCommands(FrameActions *actions, DocumentCommands *documents, QObject *parent)
    : QObject(parent)
    , m_actions(actions)
    , m_documents(documents)
{
    connect(
        m_actions->action(kCmdEditUndo), &QAction::triggered, this, [this] { undoOrRedo(false); });
    connect(
        m_actions->action(kCmdEditRedo), &QAction::triggered, this, [this] { undoOrRedo(true); });
    connect(documents, &DocumentCommands::activeChanged, this, &EditCommands::activeChanged);
    connect(&m_group, &QUndoGroup::indexChanged, this, &EditCommands::updateTexts);
    connect(&m_group, &QUndoGroup::activeStackChanged, this, &EditCommands::updateTexts);
    activeChanged(documents->activeChild());
}

void EditCommands::activeChanged(CChildFrame *child)
{
    QUndoStack *stack = child ? child->document()->undoStack() : nullptr;
    if (stack && !m_group.stacks().contains(stack))
        m_group.addStack(stack);
    m_group.setActiveStack(stack);
    updateTexts();
}

void EditCommands::updateStates(bool documentUsable)
{
    m_usable = documentUsable;
    updateTexts();
}

void EditCommands::updateTexts()
{
    QAction *undo = m_actions->action(kCmdEditUndo);
    QAction *redo = m_actions->action(kCmdEditRedo);
    undo->setText(
        m_group.canUndo() ? tr("&Undo %1\tCtrl+Z").arg(m_group.undoText()) : tr("&Undo\tCtrl+Z"));
    redo->setText(
        m_group.canRedo() ? tr("&Redo %1\tCtrl+Y").arg(m_group.redoText()) : tr("&Redo\tCtrl+Y"));
    undo->setEnabled(m_usable && m_group.canUndo());
    redo->setEnabled(m_usable && m_group.canRedo());
}

void EditCommands::undoOrRedo(bool redo)
{
    CChildFrame *child = m_documents->activeChild();
    if (!child || !m_usable)
        return;
    // An editor or band box still holding typed text: that is the latest edit.
    child->document()->CommitPendingEdits();
    if (redo)
        m_group.redo();
    else
        m_group.undo();
    if (child->isVisible())
        child->view()->grid()->openCurrentEditor();
}
