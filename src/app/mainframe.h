#pragma once

#include <QMainWindow>
#include <functional>

class CBackgroundClient;
class CChildFrame;
class CTreeControlBar;
class DocumentCommands;
class EditCommands;
class FrameActions;
class ImageFileCommands;
class QLabel;
class QMimeData;
class RecentFiles;
class WindowMenu;

// The main window: menus, toolbar, status bar with the lock-key indicators, the
// control bar with the navigation tree at the left, and the document area with
// its tiled background. It wires every command to its handler; the documents
// are managed by DocumentCommands, the settings dialogs and transfers live in
// the dialogs library.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    explicit CMainFrame(QWidget *parent = nullptr);
    ~CMainFrame() override;

    FrameActions *actions() const { return m_actions; }
    DocumentCommands *documents() const { return m_documents; }
    ImageFileCommands *imageFiles() const { return m_imageFiles; }
    CTreeControlBar *controlBar() const { return m_wndControlBar; }
    CBackgroundClient *client() const { return m_wndClient; }
    CChildFrame *activeChild() const;

    RecentFiles *recentFiles() const { return m_recent; }

    // Runs the command of a tree label of the interface language; other labels
    // do nothing.
    void dispatchTreeLabel(const QString &label);

    // Closes the main window as Exit does, then runs then (the restart after a
    // language change). commit runs once every question has been answered, just
    // before the window closes: false keeps the window (commit said why). When a
    // transfer runs and the user agrees to cancel it, the close goes on once the
    // transfer has stopped.
    void closeThen(std::function<bool()> commit, std::function<void()> then);

Q_SIGNALS:
    // The Language dialog chose another language ("English" or "Chinese"): the
    // program is to restart in it. Nothing is stored yet.
    void languageChangeRequested(const QString &language);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createToolBar();
    void createStatusBar();
    void createControlBar();
    void connectFileCommands();
    void connectDocumentCommands();
    void connectViewCommands();
    // View > Check Channel Plan for the document of child.
    void openPlanCheck(CChildFrame *child);
    // Program > Read (write false) and Write for the document of child.
    void openTransfer(CChildFrame *child, bool write);
    void updateCommandStates();
    void updateLockIndicators();
    void onLanguage();
    void showStatus(const QString &text);
    // Asks whether a running transfer is to be cancelled; on Yes cancels it and
    // closes the window again once the transfer has stopped. False: not now.
    bool transferAllowsClose();
    // The .dat files of a drag (local files only).
    static QStringList documentFiles(const QMimeData *data);

    CBackgroundClient *m_wndClient;
    CTreeControlBar *m_wndControlBar = nullptr;
    QStatusBar *m_wndStatusBar = nullptr;
    QToolBar *m_wndToolBar = nullptr;
    FrameActions *m_actions;
    DocumentCommands *m_documents;
    EditCommands *m_edit;
    RecentFiles *m_recent;
    WindowMenu *m_windowMenu;
    std::function<bool()> m_commitClose;
    std::function<void()> m_afterClose;
    bool m_closeWaitsForTransfer = false;
    ImageFileCommands *m_imageFiles;
    QLabel *m_indicators[3] = {};
};
