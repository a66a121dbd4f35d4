#include "app/editcommands.h"

#include "app/childframe.h"
#include "app/commandids.h"
#include "app/documentcommands.h"
#include "app/frameactions.h"
#include "channelview/channelgrid.h"
#include "channelview/channelrowcommands.h"
#include "channelview/programview.h"
#include "document/programdoc.h"

#include <QAction>
#include <QMenu>

EditCommands::EditCommands(FrameActions *actions, DocumentCommands *documents, QObject *parent)
    : QObject(parent)
    , m_actions(actions)
    , m_documents(documents)
{
    connect(
        m_actions->action(kCmdEditUndo), &QAction::triggered, this, [this] { undoOrRedo(false); });
    connect(
        m_actions->action(kCmdEditRedo), &QAction::triggered, this, [this] { undoOrRedo(true); });
    for (const FrameActions::RowCommandId &row : FrameActions::rowCommandIds()) {
        connect(m_actions->action(row.id), &QAction::triggered, this,
            [this, command = row.command] { runRowCommand(command); });
    }
    for (QMenu *menu : m_actions->documentMenus())
        connect(menu, &QMenu::aboutToShow, this, &EditCommands::updateRowCommands);
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
    for (const FrameActions::RowCommandId &row : FrameActions::rowCommandIds())
        m_actions->action(row.id)->setEnabled(m_usable);
}

void EditCommands::updateRowCommands()
{
    CChildFrame *child = m_documents->activeChild();
    for (const FrameActions::RowCommandId &row : FrameActions::rowCommandIds()) {
        const auto command = ChannelRowCommands::Command(row.command);
        m_actions->action(row.id)->setEnabled(
            m_usable && child && child->view()->rowCommands()->canRun(command));
    }
}

void EditCommands::runRowCommand(int command)
{
    CChildFrame *child = m_documents->activeChild();
    if (child && m_usable)
        child->view()->rowCommands()->run(ChannelRowCommands::Command(command));
}

void EditCommands::undoOrRedo(bool redo)
{
    CChildFrame *child = m_documents->activeChild();
    if (!child || !m_usable)
        return;
    // An editor or band box still holding typed text: that is the latest edit.
    child->commitPendingEdits();
    if (redo)
        m_group.redo();
    else
        m_group.undo();
    if (child->isVisible())
        child->view()->grid()->openCurrentEditor();
}
