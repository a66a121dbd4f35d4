#pragma once

#include <QHash>
#include <QList>
#include <QObject>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QToolBar;

// The main window's commands: one QAction per command number, the two menus
// (no document open / document window active), the accelerator table and the
// toolbar. Menu texts carry their accelerator after a tab, as the menus show it;
// the accelerators themselves are a separate table of shortcuts on the frame.
class FrameActions : public QObject
{
    Q_OBJECT

public:
    explicit FrameActions(QMainWindow *frame);

    // The action of a command number; nullptr for an unknown number.
    QAction *action(int id) const { return m_actions.value(id); }
    // The About item of the document menu's Help popup (retitled at start-up).
    QAction *documentAboutAction() const { return m_docAbout; }
    QAction *defaultAboutAction() const { return m_appAbout; }
    // File > Recent Files and the Window menu; their items follow the documents.
    QMenu *recentFilesMenu() const { return m_recentMenu; }
    QMenu *windowMenu() const { return m_windowMenu; }

    const QList<QMenu *> &noDocumentMenus() const { return m_noDocMenus; }
    const QList<QMenu *> &documentMenus() const { return m_docMenus; }

    // Puts the document menu or the no-document menu into the menu bar.
    void showMenus(QMenuBar *bar, bool documentMenu);
    bool documentMenuShown() const { return m_documentMenuShown; }

    // Removes the items of a command from every popup of a menu; false if none.
    static bool removeCommand(const QList<QMenu *> &menus, int id);

    void fillToolBar(QToolBar *bar) const;

    // The Edit menu's row commands: command number and the grid's row command.
    struct RowCommandId
    {
        int id;
        int command; // ChannelRowCommands::Command
    };
    static const QList<RowCommandId> &rowCommandIds();

protected:
    // F1 on a highlighted menu item asks for the help topic of its command.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *make(int id, const QString &text, const QString &tip, const QString &prompt,
        const QString &icon = QString());
    QMenu *popup(const QString &title, const QList<QAction *> &items);
    void createActions();
    void createRowActions();
    void createMenus();
    void installAccelerators();

    QMainWindow *m_frame;
    QHash<int, QAction *> m_actions;
    QAction *m_appAbout = nullptr;
    QAction *m_docAbout = nullptr;
    QList<QMenu *> m_noDocMenus;
    QList<QMenu *> m_docMenus;
    QMenu *m_recentMenu = nullptr;
    QMenu *m_windowMenu = nullptr;
    bool m_documentMenuShown = false;
};
