#include "app/mainframe.h"

#include "document/programdoc.h"

#include "app/aboutdlg.h"
#include "app/backgroundclient.h"
#include "app/childframe.h"
#include "app/commandids.h"
#include "app/documentcommands.h"
#include "app/editcommands.h"
#include "app/frameactions.h"
#include "app/helpservice.h"
#include "app/helpwindow.h"
#include "app/imagefilecommands.h"
#include "app/languagedlg.h"
#include "app/lockkeys.h"
#include "app/recentfiles.h"
#include "app/treecontrolbar.h"
#include "app/windowmenu.h"
#include "channelview/channelfindbar.h"
#include "channelview/programview.h"
#include "dialogview/checkplandlg.h"
#include "dialogview/dialogcommands.h"
#include "dialogview/processdlg.h"
#include "settings/language.h"
#include "settings/usersettings.h"
#include "theme/theme.h"
#include "uiservices/uiservices.h"

#include "printview/printdocument.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

CMainFrame::CMainFrame(QWidget *parent)
    : QMainWindow(parent)
    , m_wndClient(new CBackgroundClient(this))
    , m_actions(new FrameActions(this))
    , m_documents(new DocumentCommands(this, m_wndClient))
    , m_edit(new EditCommands(m_actions, m_documents, this))
    , m_recent(new RecentFiles(m_actions->recentFilesMenu(), m_documents, this))
    , m_windowMenu(new WindowMenu(m_actions->windowMenu(), m_documents))
    , m_imageFiles(new ImageFileCommands(this, m_documents))
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(QStringLiteral("Program"));
    resize(1000, 600);
    createToolBar();
    createStatusBar();
    createControlBar();
    setCentralWidget(m_wndClient);

    connectFileCommands();
    connectDocumentCommands();
    connectViewCommands();
    connect(m_documents, &DocumentCommands::activeChanged, this, &CMainFrame::updateCommandStates);
    // What a document window reports (a channel was cleared) goes to the status bar.
    connect(m_documents, &DocumentCommands::activeChanged, this, [this](CChildFrame *child) {
        if (child)
            connect(child->view(), &CProgramView::statusMessage, this, &CMainFrame::showStatus,
                Qt::UniqueConnection);
    });
    connect(m_documents, &DocumentCommands::documentStatesChanged, this,
        &CMainFrame::updateCommandStates);
    // A .dat file dropped anywhere on the window opens.
    setAcceptDrops(true);
    updateCommandStates();
    qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame()
{
    // The document windows go after this part of the frame; their departure
    // must not reach the command states any more.
    disconnect(m_documents, nullptr, this, nullptr);
    qApp->removeEventFilter(this);
}

CChildFrame *CMainFrame::activeChild() const
{
    return m_documents->activeChild();
}

void CMainFrame::createToolBar()
{
    m_wndToolBar = new QToolBar(tr("Toolbar"), this);
    m_wndToolBar->setObjectName(QStringLiteral("toolBar"));
    m_wndToolBar->setIconSize(QSize(22, 22));
    m_wndToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_actions->fillToolBar(m_wndToolBar);
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
}

void CMainFrame::createStatusBar()
{
    m_wndStatusBar = statusBar();
    m_wndStatusBar->setObjectName(QStringLiteral("statusBar"));
    m_wndStatusBar->showMessage(tr("Ready"));
    // The message pane returns to "Ready" whenever a command prompt goes away.
    connect(m_wndStatusBar, &QStatusBar::messageChanged, this, [this](const QString &text) {
        if (text.isEmpty())
            m_wndStatusBar->showMessage(tr("Ready"));
    });
    const QString texts[] = {tr("CAP"), tr("NUM"), tr("SCRL")};
    for (int i = 0; i < 3; ++i) {
        m_indicators[i] = new QLabel(texts[i], m_wndStatusBar);
        m_indicators[i]->setObjectName(QStringLiteral("indicator%1").arg(i));
        m_indicators[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_indicators[i]->setAlignment(Qt::AlignCenter);
        m_indicators[i]->setMinimumWidth(
            m_indicators[i]->fontMetrics().horizontalAdvance(texts[i]) + 12);
        m_wndStatusBar->addPermanentWidget(m_indicators[i]);
    }
    updateLockIndicators();
}

void CMainFrame::createControlBar()
{
    m_wndControlBar = new CTreeControlBar(this);
    m_wndControlBar->populate(LanguageValue(QStringLiteral("Company")));
    addDockWidget(Qt::LeftDockWidgetArea, m_wndControlBar);
    connect(
        m_wndControlBar, &CTreeControlBar::treeDoubleClicked, this, &CMainFrame::dispatchTreeLabel);
}

void CMainFrame::connectFileCommands()
{
    auto on = [this](int id, auto handler) {
        connect(m_actions->action(id), &QAction::triggered, this, handler);
    };
    on(kCmdFileNew, [this] { m_documents->fileNew(); });
    on(kCmdFileOpen, [this] { m_documents->fileOpen(); });
    on(kCmdFileClose, [this] { m_documents->fileClose(); });
    on(kCmdFileSave, [this] { m_documents->fileSave(); });
    on(kCmdFileSaveAs, [this] { m_documents->fileSaveAs(); });
    on(kCmdAppExit, [this] { close(); });
    on(kCmdOpenBackup, [this] { m_imageFiles->openBackup(); });
    on(kCmdCompareWith, [this] { m_imageFiles->compareWith(); });
    on(kCmdImportCsv, [this] { m_imageFiles->importCsv(); });
    on(kCmdExportCsv, [this] { m_imageFiles->exportCsv(); });
    on(kCmdSaveLinkLog, [this] { m_imageFiles->saveLinkLog(); });
    const auto about = [this] {
        CAboutDlg dialog(this);
        dialog.exec();
    };
    connect(m_actions->documentAboutAction(), &QAction::triggered, this, about);
    connect(m_actions->defaultAboutAction(), &QAction::triggered, this, about);
    on(kCmdPrint, [this] {
        if (CChildFrame *child = activeChild()) {
            child->commitPendingEdits();
            PrintDocument(this, child->document());
        }
    });
    on(kCmdPrintPreview, [this] {
        if (CChildFrame *child = activeChild()) {
            child->commitPendingEdits();
            PreviewDocument(this, child->document());
        }
    });
    on(kCmdPrintSetup, [this] { PrintSetup(this); });
}

void CMainFrame::connectDocumentCommands()
{
    auto on = [this](int id, auto handler) {
        connect(m_actions->action(id), &QAction::triggered, this, [this, handler] {
            if (CChildFrame *child = activeChild())
                handler(child);
        });
    };
    // Shown again from hidden: the active window's commands come back.
    on(kCmdChannelInfo, [this](CChildFrame *) { m_documents->showActive(); });
    on(kCmdOptionFeatures,
        [this](CChildFrame *child) { DialogCommands::OptionFeatures(this, child->document()); });
    on(kCmdProductInfo, [this](CChildFrame *child) {
        DialogCommands::ProductInformation(this, child->document());
    });
    on(kCmdSqlAdjust,
        [this](CChildFrame *child) { DialogCommands::SqlAdjust(this, child->document()); });
    on(kCmdRead, [this](CChildFrame *child) { openTransfer(child, false); });
    on(kCmdWrite, [this](CChildFrame *child) { openTransfer(child, true); });
    on(kCmdWriteSeveral, [this](CChildFrame *child) {
        if (DialogCommands::TransferDialogOpen())
            return;
        child->commitPendingEdits();
        DialogCommands::WriteToSeveralRadios(this, child->document());
    });
    on(kCmdComSetup, [this](CChildFrame *) { DialogCommands::ComSetup(this); });
    on(kCmdLanguage, [this](CChildFrame *) { onLanguage(); });
    on(kCmdFind, [](CChildFrame *child) { child->view()->findBar()->open(); });
    on(kCmdCheckPlan, [this](CChildFrame *child) { openPlanCheck(child); });
}

void CMainFrame::openPlanCheck(CChildFrame *child)
{
    child->commitPendingEdits();
    // One window per document: asked again, it comes to the front.
    for (CCheckPlanDlg *open : findChildren<CCheckPlanDlg *>()) {
        if (open->document() == child->document()) {
            open->raise();
            open->activateWindow();
            return;
        }
    }
    auto *window = new CCheckPlanDlg(child->document(), this);
    connect(window, &CCheckPlanDlg::channelActivated, this,
        [this, target = QPointer<CChildFrame>(child)](
            int record, int column) { m_imageFiles->goToCell(target, record, column); });
    window->show();
}

void CMainFrame::openTransfer(CChildFrame *child, bool write)
{
    if (DialogCommands::TransferDialogOpen())
        return;
    // What is still typed goes in first (a write sends it, and Undo of a read
    // brings it back), and again as OK starts the transfer: the dialog is
    // modeless, so the grid can be typed into while it waits.
    child->commitPendingEdits();
    CProcessDlg *dialog = write ? DialogCommands::WriteToRadio(this, child->document())
                                : DialogCommands::ReadFromRadio(this, child->document());
    if (!dialog)
        return;
    connect(dialog, &CProcessDlg::transferStarting, child, &CChildFrame::commitPendingEdits);
    connect(dialog, &CProcessDlg::statusReport, this, &CMainFrame::showStatus);
}

void CMainFrame::connectViewCommands()
{
    QAction *toolbar = m_actions->action(kCmdViewToolbar);
    QAction *status = m_actions->action(kCmdViewStatusBar);
    QAction *control = m_actions->action(kCmdControlBar);
    connect(toolbar, &QAction::triggered, this,
        [this] { m_wndToolBar->setVisible(!m_wndToolBar->isVisible()); });
    connect(status, &QAction::triggered, this,
        [this] { m_wndStatusBar->setVisible(!m_wndStatusBar->isVisible()); });
    connect(control, &QAction::triggered, this,
        [this] { m_wndControlBar->setVisible(!m_wndControlBar->isVisible()); });
    // Hiding empty channels is the user's choice for every document window.
    QAction *hideEmpty = m_actions->action(kCmdHideEmpty);
    hideEmpty->setChecked(UserSettings::HideEmptyChannels());
    connect(hideEmpty, &QAction::toggled, this, [this](bool hide) {
        UserSettings::SetHideEmptyChannels(hide);
        for (CChildFrame *child : m_documents->children())
            child->view()->setHideEmptyChannels(hide);
    });
    // The theme is the user's choice for every window, the dialogs' included.
    const struct
    {
        int id;
        Theme::Kind kind;
    } themes[] = {{kCmdThemeSystem, Theme::Kind::System}, {kCmdThemeLight, Theme::Kind::Light},
        {kCmdThemeDark, Theme::Kind::Dark}};
    for (const auto &theme : themes) {
        QAction *item = m_actions->action(theme.id);
        item->setChecked(Theme::Active() == theme.kind);
        const Theme::Kind kind = theme.kind;
        connect(item, &QAction::triggered, this, [kind] { Theme::Choose(kind); });
    }
    // The check marks follow the bars whenever a View popup opens.
    for (QMenu *menu : m_actions->noDocumentMenus() + m_actions->documentMenus()) {
        connect(menu, &QMenu::aboutToShow, this, [=] {
            toolbar->setChecked(!m_wndToolBar->isHidden());
            status->setChecked(!m_wndStatusBar->isHidden());
            control->setChecked(!m_wndControlBar->isHidden());
        });
    }
    connect(m_actions->action(kCmdNextPane), &QAction::triggered, m_wndClient,
        &QMdiArea::activateNextSubWindow);
    connect(m_actions->action(kCmdPrevPane), &QAction::triggered, m_wndClient,
        &QMdiArea::activatePreviousSubWindow);
    connect(m_actions->action(kCmdHelp), &QAction::triggered, this,
        [] { UiServices::Help(kMainFrameHelpContext); });
    connect(m_actions->action(kCmdHelpContents), &QAction::triggered, this,
        [] { HelpService::instance().showContents(); });
}

void CMainFrame::updateCommandStates()
{
    const bool document = activeChild() != nullptr;
    // The commands that act on the active document wait while it is hidden;
    // the ones that change it also wait while a read replaces it.
    const CChildFrame *shown = m_documents->shownChild();
    const bool editable = shown && !shown->document()->isReceiving();
    const int documentCommands[] = {kCmdChannelInfo, kCmdComSetup, kCmdLanguage, kCmdControlBar};
    for (int id : documentCommands)
        m_actions->action(id)->setEnabled(document);
    const int shownDocumentCommands[] = {kCmdFileClose, kCmdFileSave, kCmdFileSaveAs, kCmdPrint,
        kCmdPrintPreview, kCmdOptionFeatures, kCmdProductInfo, kCmdSqlAdjust, kCmdRead, kCmdWrite,
        kCmdWriteSeveral, kCmdCompareWith, kCmdExportCsv, kCmdFind, kCmdCheckPlan, kCmdHideEmpty};
    for (int id : shownDocumentCommands)
        m_actions->action(id)->setEnabled(shown != nullptr);
    m_actions->action(kCmdImportCsv)->setEnabled(editable);
    m_actions->action(kCmdFileNew)->setEnabled(!shown || editable);
    m_edit->updateStates(editable);
    if (m_actions->documentMenuShown() != document)
        m_actions->showMenus(menuBar(), document);
}

void CMainFrame::dispatchTreeLabel(const QString &label)
{
    const struct
    {
        const char *english;
        const char *chinese;
        int command;
    } table[] = {
        {"Channel Information", "信道信息", kCmdChannelInfo},
        {"Optional Features", "可选功能", kCmdOptionFeatures},
        {"Product Information", "类型设置", kCmdProductInfo},
        {"Sql Adjust", "静噪调节", kCmdSqlAdjust},
    };
    for (const auto &entry : table) {
        if (label == LangText(entry.english, entry.chinese)) {
            QAction *action = m_actions->action(entry.command);
            if (action->isEnabled())
                action->trigger();
            return;
        }
    }
}

void CMainFrame::onLanguage()
{
    CLanguageDlg dialog(this);
    if (dialog.exec() == QDialog::Accepted && dialog.m_bChanged)
        Q_EMIT languageChangeRequested(
            dialog.m_nLanguage == 1 ? QStringLiteral("Chinese") : QStringLiteral("English"));
}

void CMainFrame::closeThen(std::function<bool()> commit, std::function<void()> then)
{
    m_commitClose = std::move(commit);
    m_afterClose = std::move(then);
    const bool closed = close();
    if (closed || !m_closeWaitsForTransfer)
        m_commitClose = nullptr;
    if (closed) {
        if (const auto after = std::exchange(m_afterClose, nullptr))
            after();
    } else if (!m_closeWaitsForTransfer) {
        m_afterClose = nullptr;
    }
}

bool CMainFrame::transferAllowsClose()
{
    const QPointer<CProcessDlg> transfer = DialogCommands::TransferDialog();
    if (!transfer || !transfer->isRunning())
        return true;
    // The question goes away by itself when the transfer ends meanwhile: the
    // close then goes on as it does without a transfer, asking about unsaved edits.
    const auto answer = UiServices::MessageWhile(transfer, this, QString(),
        tr("A transfer with the radio is still running.\n"
           "Cancel the transfer and close the program?"),
        QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::No)
        return false;
    if (!transfer || !transfer->isRunning())
        return true;
    if (answer != QMessageBox::Yes)
        return false;
    // The transfer stops at its next poll point and its dialog goes; only then
    // does the close go on (with its questions about unsaved edits), so no
    // transfer is left without its window.
    m_closeWaitsForTransfer = true;
    connect(transfer, &QObject::destroyed, this, [this] {
        QTimer::singleShot(0, this, [this] {
            m_closeWaitsForTransfer = false;
            closeThen(std::exchange(m_commitClose, nullptr), std::exchange(m_afterClose, nullptr));
        });
    });
    transfer->reject();
    return false;
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (m_closeWaitsForTransfer || !transferAllowsClose() || !m_documents->confirmUnsavedEdits())
        return;
    if (m_commitClose && !m_commitClose())
        return;
    // A transfer dialog still waiting for its OK goes with the window.
    if (CProcessDlg *transfer = DialogCommands::TransferDialog())
        transfer->close();
    if (CHelpWindow *help = HelpService::instance().window())
        help->close();
    event->accept();
}

QStringList CMainFrame::documentFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    const auto urls = data->urls();
    for (const QUrl &url : urls) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && path.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive))
            files.append(path);
    }
    return files;
}

void CMainFrame::keyPressEvent(QKeyEvent *event)
{
    // The document windows answer F1 themselves; what reaches the frame opens
    // the main window's topic.
    if (event->key() == Qt::Key_F1) {
        UiServices::Help(kMainFrameHelpContext);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool CMainFrame::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyRelease || type == QEvent::WindowActivate)
        updateLockIndicators();
    // Files dragged over any part of this window (the band boxes and cell
    // editors would take their names as text) are documents to open.
    if (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) {
        auto *widget = qobject_cast<QWidget *>(watched);
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList files = documentFiles(drop->mimeData());
        if (widget && widget->window() == this && !files.isEmpty()) {
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            if (type == QEvent::Drop) {
                // After the drag has ended: opening may ask questions.
                QTimer::singleShot(0, this, [this, files] {
                    for (const QString &file : files) {
                        if (!m_documents->open(file))
                            break;
                    }
                });
            }
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::showStatus(const QString &text)
{
    constexpr int kStatusMilliseconds = 15000;
    m_wndStatusBar->showMessage(text, kStatusMilliseconds);
}

void CMainFrame::updateLockIndicators()
{
    const LockKeys keys = CurrentLockKeys();
    const bool on[] = {keys.caps, keys.num, keys.scroll};
    for (int i = 0; i < 3; ++i)
        m_indicators[i]->setEnabled(keys.known && on[i]);
}
