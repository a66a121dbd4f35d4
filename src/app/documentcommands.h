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
// again) and the question about unsaved edits when the program ends. The active
// document window stays active while it is hidden, so Channel Information can
// bring it back.
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
    QList<CChildFrame *> children() const;

    // A new document in a new window, without any question.
    CChildFrame *createNew();
    // Opens path; on success the previously active window is hidden. On failure
    // the reason is shown and nothing changes.
    bool open(const QString &path);
    // Opens a copy of path (a backup) as a new document without a name of its
    // own: Save asks for one, so the copy itself is never overwritten.
    bool openCopy(const QString &path);
    // Save (asks for a name when the document came from New) and Save As.
    bool save(CChildFrame *child);
    bool saveAs(CChildFrame *child);
    // Save / Discard / Cancel for every document with unsaved edits; false when
    // the user cancelled or a save failed.
    bool confirmUnsavedEdits();

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

private:
    void setActive(CChildFrame *child);
    CChildFrame *adopt(CChildFrame *child);
    void onSubWindowActivated(QMdiSubWindow *window);
    bool writeDocument(CChildFrame *child, const QString &path);
    QString askFileName(bool save, const QString &proposed);

    QWidget *m_frame;
    CBackgroundClient *m_client;
    CChildFrame *m_active = nullptr; // cleared when the window is destroyed
    FileNameFunction m_fileName;
};
