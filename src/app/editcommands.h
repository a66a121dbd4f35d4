#pragma once

#include <QObject>
#include <QUndoGroup>

class CChildFrame;
class DocumentCommands;
class FrameActions;

// Edit > Undo and Redo: they act on the undo stack of the active document and
// carry the text of the command they would undo or redo. What is still being
// typed into the grid is committed first, so Undo takes back the latest edit.
// The row commands of the Edit menu (Cut ... Sort by Name) run the active document
// window's grid commands; a menu shows them enabled when they can run there.
class EditCommands : public QObject
{
    Q_OBJECT

public:
    EditCommands(FrameActions *actions, DocumentCommands *documents, QObject *parent = nullptr);

    // Enables the actions for the active document (none: disabled).
    void updateStates(bool documentUsable);

private:
    void activeChanged(CChildFrame *child);
    void undoOrRedo(bool redo);
    void updateTexts();
    void runRowCommand(int command);
    void updateRowCommands();

    FrameActions *m_actions;
    DocumentCommands *m_documents;
    QUndoGroup m_group;
    bool m_usable = false;
};
