#include "app/frameactions.h"

#include "app/commandids.h"
#include "channelview/channelrowcommands.h"
#include "theme/theme.h"
#include "uiservices/uiservices.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>

FrameActions::FrameActions(QMainWindow *frame)
    : QObject(frame)
    , m_frame(frame)
{
    createActions();
    createMenus();
    installAccelerators();
}

QAction *FrameActions::make(
    int id, const QString &text, const QString &tip, const QString &prompt, const QString &icon)
{
    auto *action = new QAction(text, m_frame);
    action->setProperty(kCommandIdProperty, id);
    if (!tip.isEmpty())
        action->setToolTip(tip);
    action->setStatusTip(prompt);
    if (!icon.isEmpty()) {
        // The arrows are lines of one colour: a dark theme draws them light.
        const QString file = QStringLiteral(":/icons/%1.svg").arg(icon);
        const bool glyph = icon == QLatin1String("undo") || icon == QLatin1String("redo");
        action->setIcon(glyph ? Theme::GlyphIcon(file) : QIcon(file));
    }
    m_actions.insert(id, action);
    return action;
}

void FrameActions::createActions()
{
    make(kCmdFileNew, tr("&New\tCtrl+N"), tr("New"), tr("Create a new document"), "new");
    make(kCmdFileOpen, tr("&Open...\tCtrl+O"), tr("Open"), tr("Open an existing document"), "open");
    make(kCmdOpenBackup, tr("Open &Backup..."), QString(),
        tr("Open a copy kept of an image read from or written to the radio"));
    make(kCmdFileClose, tr("&Close"), QString(), tr("Close the active document"));
    make(kCmdFileSave, tr("&Save\tCtrl+S"), tr("Save"), tr("Save the active document"), "save");
    make(kCmdFileSaveAs, tr("Save &As..."), QString(),
        tr("Save the active document with a new name"));
    make(kCmdCompareWith, tr("Co&mpare With..."), QString(),
        tr("Compare the active document with a file or a backup copy"));
    make(kCmdImportCsv, tr("&Import CSV..."), QString(),
        tr("Import channels from a CSV file into the active document"));
    make(kCmdExportCsv, tr("&Export CSV..."), QString(),
        tr("Export the channel table of the active document to a CSV file"));
    make(kCmdPrint, tr("&Print...\tCtrl+P"), tr("Print"), tr("Print the active document"), "print");
    make(kCmdPrintPreview, tr("Print Pre&view"), QString(), tr("Display full pages"));
    make(kCmdPrintSetup, tr("P&rint Setup..."), QString(),
        tr("Change the printer and printing options"));
    make(
        kCmdAppExit, tr("E&xit"), QString(), tr("Quit the application; prompts to save documents"));
    make(kCmdEditUndo, tr("&Undo\tCtrl+Z"), tr("Undo"), tr("Undo the last change"), "undo");
    make(kCmdEditRedo, tr("&Redo\tCtrl+Y"), tr("Redo"), tr("Redo the change undone last"), "redo");
    createRowActions();
    make(kCmdFind, tr("&Find...\tCtrl+F"), QString(),
        tr("Find a name, frequency or tone in the channel table"));
    make(kCmdCheckPlan, tr("Check Channel &Plan"), QString(),
        tr("List the channels the radio refuses, repeated channels and names used twice"));
    make(kCmdHideEmpty, tr("&Hide Empty Channels"), QString(), tr("Show only the channels in use"))
        ->setCheckable(true);
    auto *themes = new QActionGroup(this);
    const struct
    {
        int id;
        QString text;
        QString prompt;
    } themeItems[] = {
        {kCmdThemeSystem, tr("&System"), tr("Use the colours of the system")},
        {kCmdThemeLight, tr("&Light"), tr("Use light colours")},
        {kCmdThemeDark, tr("&Dark"), tr("Use dark colours")},
    };
    for (const auto &item : themeItems) {
        QAction *theme = make(item.id, item.text, QString(), item.prompt);
        theme->setCheckable(true);
        themes->addAction(theme);
    }
    make(kCmdChannelInfo, tr("&Channel Information"), QString(), tr("Show the channel table"));
    make(kCmdOptionFeatures, tr("&Optional Features"), QString(),
        tr("Edit the optional features of the radio"));
    make(kCmdSqlAdjust, tr("Sql Adjust"), QString(), tr("Adjust the squelch levels"));
    make(kCmdProductInfo, tr("Product Information"), QString(),
        tr("Choose the radio type and frequency range"));
    make(kCmdRead, tr("&Read    Ctrl+R"), tr("Read"), tr("Read all data from the radio"), "read");
    make(kCmdWrite, tr("&Write   Ctrl+W"), tr("Write"), tr("Write all data to the radio"), "write");
    make(kCmdWriteSeveral, tr("Write to &Several Radios..."), QString(),
        tr("Write the document to one radio after another, each verified"));
    make(kCmdViewToolbar, tr("&Toolbar"), QString(), tr("Show or hide the toolbar"))
        ->setCheckable(true);
    make(kCmdViewStatusBar, tr("&Status Bar"), QString(), tr("Show or hide the status bar"))
        ->setCheckable(true);
    make(kCmdControlBar, tr("&Control Bar"), QString(), tr("Show or hide the control bar"))
        ->setCheckable(true);
    make(kCmdComSetup, tr("&Com Setup"), QString(), tr("Choose the serial port of the cable"));
    make(kCmdLanguage, tr("&Language"), QString(), tr("Choose the interface language"));
    make(kCmdHelp, tr("Help"), QString(), tr("Show the help topics"));
    make(kCmdHelpContents, tr("&Contents"), QString(), tr("Show the contents of the help"));
    make(kCmdSaveLinkLog, tr("Save &Link Log..."), QString(),
        tr("Save every byte of the latest transfer with the radio, to attach to a bug report"));
    make(kCmdNextPane, tr("Next Pane"), QString(), QString());
    make(kCmdPrevPane, tr("Previous Pane"), QString(), QString());
    const QString aboutPrompt = tr("Display program information, version number and copyright");
    m_docAbout = make(kCmdAppAbout, tr("&About QX_617..."), tr("About"), aboutPrompt, "about");
    m_appAbout = make(kCmdAppAbout, tr("&About Program..."), tr("About"), aboutPrompt, "about");
}

const QList<FrameActions::RowCommandId> &FrameActions::rowCommandIds()
{
    using C = ChannelRowCommands;
    static const QList<RowCommandId> ids = {{kCmdEditCut, C::Cut}, {kCmdEditCopy, C::Copy},
        {kCmdEditPaste, C::Paste}, {kCmdEditClear, C::Clear}, {kCmdInsertRow, C::InsertRow},
        {kCmdDeleteRow, C::DeleteRow}, {kCmdMoveUp, C::MoveUp}, {kCmdMoveDown, C::MoveDown},
        {kCmdSortByFrequency, C::SortByFrequency}, {kCmdSortByName, C::SortByName},
        {kCmdFillDown, C::FillDown}, {kCmdSetTxFromRx, C::SetTxFromRx},
        {kCmdShiftFrequencies, C::ShiftFrequencies}, {kCmdInsertChannelList, C::InsertChannelList}};
    return ids;
}

void FrameActions::createRowActions()
{
    // The texts are the grid context menu's; the keys belong to the document window.
    const QString prompts[] = {
        tr("Copy the selected channels to the clipboard and clear them"),
        tr("Copy the selected channels to the clipboard"),
        tr("Paste channels from the clipboard, from the first selected row on"),
        tr("Clear the selected channels"),
        tr("Insert an empty row; the rows below move down"),
        tr("Delete the selected rows; the rows below move up"),
        tr("Move the selected rows up by one"),
        tr("Move the selected rows down by one"),
        tr("Sort the selected channels by receive frequency"),
        tr("Sort the selected channels by name"),
        tr("Copy the top cell of the selection into the cells below"),
        tr("Set the Tx frequency of the selected channels from their Rx frequency and an offset"),
        tr("Move the Rx and Tx frequencies of the selected channels by an amount"),
        tr("Add a ready-made channel list into the free channels from the current row on"),
    };
    for (const RowCommandId &row : rowCommandIds()) {
        make(row.id, ChannelRowCommands::menuText(ChannelRowCommands::Command(row.command)),
            QString(), prompts[row.command]);
    }
}

QMenu *FrameActions::popup(const QString &title, const QList<QAction *> &items)
{
    auto *menu = new QMenu(title, m_frame);
    for (QAction *item : items) {
        if (item)
            menu->addAction(item);
        else
            menu->addSeparator();
    }
    menu->installEventFilter(this);
    return menu;
}

void FrameActions::createMenus()
{
    auto a = [this](int id) { return action(id); };
    m_recentMenu = popup(tr("Recent &Files"), {});
    m_windowMenu = popup(tr("&Window"), {});
    QAction *theme = popup(tr("Th&eme"), {a(kCmdThemeSystem), a(kCmdThemeLight), a(kCmdThemeDark)})
                         ->menuAction();
    QAction *recent = m_recentMenu->menuAction();
    m_noDocMenus = {
        popup(tr("&File"),
            {a(kCmdFileNew), a(kCmdFileOpen), a(kCmdOpenBackup), nullptr, a(kCmdPrintSetup),
                nullptr, recent, nullptr, a(kCmdAppExit)}),
        popup(tr("&View"), {a(kCmdViewToolbar), a(kCmdViewStatusBar), nullptr, theme}),
        popup(tr("&Help"), {a(kCmdHelpContents), a(kCmdSaveLinkLog), nullptr, m_appAbout}),
    };
    m_docMenus = {
        popup(tr("&File"),
            {a(kCmdFileNew), a(kCmdFileOpen), a(kCmdOpenBackup), a(kCmdFileClose), a(kCmdFileSave),
                a(kCmdFileSaveAs), nullptr, a(kCmdCompareWith), a(kCmdImportCsv), a(kCmdExportCsv),
                nullptr, a(kCmdPrint), a(kCmdPrintPreview), a(kCmdPrintSetup), nullptr, recent,
                nullptr, a(kCmdAppExit)}),
        popup(tr("&Edit"),
            {a(kCmdEditUndo), a(kCmdEditRedo), nullptr, a(kCmdEditCut), a(kCmdEditCopy),
                a(kCmdEditPaste), a(kCmdEditClear), a(kCmdFillDown), nullptr, a(kCmdInsertRow),
                a(kCmdDeleteRow), a(kCmdMoveUp), a(kCmdMoveDown), a(kCmdSortByFrequency),
                a(kCmdSortByName), nullptr, a(kCmdSetTxFromRx), a(kCmdShiftFrequencies),
                a(kCmdInsertChannelList), nullptr, a(kCmdFind), nullptr, a(kCmdChannelInfo),
                a(kCmdOptionFeatures), a(kCmdSqlAdjust)}),
        popup(tr("&Program"), {a(kCmdRead), a(kCmdWrite), nullptr, a(kCmdWriteSeveral)}),
        popup(tr("&View"),
            {a(kCmdViewToolbar), a(kCmdViewStatusBar), a(kCmdControlBar), nullptr, a(kCmdHideEmpty),
                a(kCmdCheckPlan), nullptr, theme}),
        popup(tr("&Setup"), {a(kCmdComSetup), a(kCmdLanguage)}),
        m_windowMenu,
        popup(tr("&Help"), {a(kCmdHelpContents), a(kCmdSaveLinkLog), nullptr, m_docAbout}),
    };
}

void FrameActions::installAccelerators()
{
    const struct
    {
        QKeySequence key;
        int id;
    } table[] = {
        {Qt::CTRL | Qt::Key_N, kCmdFileNew},
        {Qt::CTRL | Qt::Key_O, kCmdFileOpen},
        {Qt::CTRL | Qt::Key_P, kCmdPrint},
        {Qt::CTRL | Qt::Key_R, kCmdRead},
        {Qt::CTRL | Qt::Key_S, kCmdFileSave},
        {Qt::CTRL | Qt::Key_W, kCmdWrite},
        {Qt::CTRL | Qt::Key_Z, kCmdEditUndo},
        {Qt::CTRL | Qt::Key_Y, kCmdEditRedo},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, kCmdEditRedo},
        {Qt::Key_F6, kCmdNextPane},
        {Qt::SHIFT | Qt::Key_F6, kCmdPrevPane},
    };
    for (const auto &entry : table) {
        QAction *target = action(entry.id);
        auto *shortcut = new QShortcut(entry.key, m_frame);
        connect(shortcut, &QShortcut::activated, target, [target] {
            if (target->isEnabled())
                target->trigger();
        });
    }
}

void FrameActions::showMenus(QMenuBar *bar, bool documentMenu)
{
    bar->clear();
    for (QMenu *menu : documentMenu ? m_docMenus : m_noDocMenus)
        bar->addMenu(menu);
    m_documentMenuShown = documentMenu;
}

bool FrameActions::removeCommand(const QList<QMenu *> &menus, int id)
{
    bool removed = false;
    for (QMenu *menu : menus) {
        const auto items = menu->actions();
        for (QAction *item : items) {
            if (item->property(kCommandIdProperty).toInt() == id) {
                menu->removeAction(item);
                removed = true;
            }
        }
    }
    return removed;
}

void FrameActions::fillToolBar(QToolBar *bar) const
{
    const int layout[] = {kCmdFileNew, kCmdFileOpen, kCmdFileSave, 0, kCmdEditUndo, kCmdEditRedo, 0,
        kCmdRead, kCmdWrite, 0, kCmdPrint, 0, kCmdAppAbout};
    for (int id : layout) {
        if (id == 0)
            bar->addSeparator();
        else
            bar->addAction(id == kCmdAppAbout ? m_appAbout : action(id));
    }
}

bool FrameActions::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1) {
        if (auto *menu = qobject_cast<QMenu *>(watched)) {
            if (QAction *active = menu->activeAction()) {
                UiServices::Help(active->property(kCommandIdProperty).toInt());
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
