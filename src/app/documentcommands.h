#pragma once

#include <QObject>
#include <functional>

class CBackgroundClient;
class CChildFrame;
class CProgramDoc;
class QMdiSubWindow;
class QWidget;

// The document commands of the main window: New (with its confirmation), Open,
// Close (hides), Save, Save As, Channel Information (shows the active window
// again) and the questions about unsaved edits. The active document window
// stays active while it is hidden, so Channel Information can bring it back;
// the commands that act on a document act only on a shown one.
class DocumentCommands : public QObject
{
    Q_OBJECT

public:
    // Asks for a file name: save true for Save As (proposing a name), false for
    // Open. Returns an empty string when the user cancels.
    using FileNameFunction
        = std::function<QString(QWidget *parent, bool save, const QString &proposed)>;

    DocumentCommands(QWidget *frame, CBackgroundClient *client);

    CChildFrame *activeChild() const { return m_active; }
    // The active document window while it is shown; nullptr while it is hidden.
    CChildFrame *shownChild() const;
    // Every document window, in the order they were opened.
    QList<CChildFrame *> children() const;

    // A new document in a new window, without any question.
    CChildFrame *createNew();
    // Opens path. The shown document's unsaved edits are asked about first (when
    // the file can be read); then that window is hidden. A file that is open
    // already has its window shown instead. On failure or Cancel the reason is
    // shown (failure) and nothing changes.
    bool open(const QString &path);
    // Opens a copy of path (a backup) as a new document without a name of its
    // own: Save asks for one, so the copy itself is never overwritten.
    bool openCopy(const QString &path);
    // Save (asks for a name when the document came from New) and Save As.
    bool save(CChildFrame *child);
    bool saveAs(CChildFrame *child);
    // Save / Discard / Cancel for a document with unsaved edits; true at once
    // without them. Discard with revert drops the edits (the document returns to
    // its saved state). False when the user cancelled or a save failed.
    bool resolveUnsavedEdits(CChildFrame *child, bool revertOnDiscard);
    // The same for every document, as the program ends.
    bool confirmUnsavedEdits();

    // Shows a document window (hidden or not) and makes it the active one.
    void show(CChildFrame *child);
    // The keyboard into the grid at row "Pr", Rx Frequency.
    void focusFirstCell(CChildFrame *child);
    // Makes (row, column) the grid's current cell when the grid has that cell;
    // false when it has not.
    static bool placeCell(CChildFrame *child, int row, int column);
    // The keyboard into the grid's current cell (its editor open).
    void focusGrid(CChildFrame *child);

    void setFileNameFunction(FileNameFunction f) { m_fileName = std::move(f); }

    void fileNew();
    void fileOpen();
    void fileClose();
    void fileSave();
    void fileSaveAs();
    void showActive();

Q_SIGNALS:
    // The active document window changed (nullptr: none is left).
    void activeChanged(CChildFrame *child);
    // A document window was shown or hidden, or a document's unsaved or
    // receiving state changed.
    void documentStatesChanged();
    // A document file was opened or saved under path.
    void fileUsed(const QString &path);

private:
    void setActive(CChildFrame *child);
    CChildFrame *adopt(CChildFrame *child);
    CChildFrame *childOfFile(const QString &path) const;
    void onSubWindowActivated(QMdiSubWindow *window);
    bool writeDocument(CChildFrame *child, const QString &path);
    QString askFileName(bool save, const QString &proposed);

    QWidget *m_frame;
    CBackgroundClient *m_client;
    CChildFrame *m_active = nullptr; // cleared when the window is destroyed
    FileNameFunction m_fileName;
};
