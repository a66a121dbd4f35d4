#include "mainframe.h"

#include "programdoc.h"

#include "aboutdlg.h"
#include "backgroundclient.h"
#include "childframe.h"
#include "commandids.h"
#include "dialogcommands.h"
#include "documentcommands.h"
#include "editcommands.h"
#include "frameactions.h"
#include "helpservice.h"
#include "helpwindow.h"
#include "imagefilecommands.h"
#include "language.h"
#include "languagedlg.h"
#include "lockkeys.h"
#include "programview.h"
#include "treecontrolbar.h"
#include "uiservices.h"

#include "printdocument.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

CMainFrame::CMainFrame(QWidget *parent)
    : QMainWindow(parent)
    , m_wndClient(new CBackgroundClient(this))
    , m_actions(new FrameActions(this))
    , m_documents(new DocumentCommands(this, m_wndClient))
    , m_edit(new EditCommands(m_actions, m_documents, this))
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
    const auto about = [this] {
        CAboutDlg dialog(this);
        dialog.exec();
    };
    connect(m_actions->documentAboutAction(), &QAction::triggered, this, about);
    connect(m_actions->defaultAboutAction(), &QAction::triggered, this, about);
    on(kCmdPrint, [this] {
        if (CChildFrame *child = activeChild()) {
            PrintDocument(this, child->document());
        }
    });
    on(kCmdPrintPreview, [this] {
        if (CChildFrame *child = activeChild()) {
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
    on(kCmdChannelInfo, [this](CChildFrame *) { m_documents->showActive(); });
    on(kCmdOptionFeatures,
        [this](CChildFrame *child) { DialogCommands::OptionFeatures(this, child->document()); });
    on(kCmdProductInfo, [this](CChildFrame *child) {
        DialogCommands::ProductInformation(this, child->document());
    });
    on(kCmdSqlAdjust,
        [this](CChildFrame *child) { DialogCommands::SqlAdjust(this, child->document()); });
    on(kCmdRead,
        [this](CChildFrame *child) { DialogCommands::ReadFromRadio(this, child->document()); });
    on(kCmdWrite,
        [this](CChildFrame *child) { DialogCommands::WriteToRadio(this, child->document()); });
    on(kCmdComSetup, [this](CChildFrame *) { DialogCommands::ComSetup(this); });
    on(kCmdLanguage, [this](CChildFrame *) { onLanguage(); });
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
        [] { UiServices::help(kMainFrameHelpContext); });
}

void CMainFrame::updateCommandStates()
{
    const bool document = activeChild() != nullptr;
    const int documentCommands[] = {kCmdFileClose, kCmdFileSave, kCmdFileSaveAs, kCmdPrint,
        kCmdPrintPreview, kCmdChannelInfo, kCmdOptionFeatures, kCmdProductInfo, kCmdSqlAdjust,
        kCmdRead, kCmdWrite, kCmdComSetup, kCmdLanguage, kCmdControlBar, kCmdCompareWith,
        kCmdImportCsv, kCmdExportCsv};
    for (int id : documentCommands)
        m_actions->action(id)->setEnabled(document);
    m_edit->updateStates(document);
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
        Q_EMIT languageChangeRequested();
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    if (!m_documents->confirmUnsavedEdits()) {
        event->ignore();
        return;
    }
    if (CHelpWindow *help = HelpService::instance().window())
        help->close();
    event->accept();
}

void CMainFrame::keyPressEvent(QKeyEvent *event)
{
    // The document windows answer F1 themselves; what reaches the frame opens
    // the main window's topic.
    if (event->key() == Qt::Key_F1) {
        UiServices::help(kMainFrameHelpContext);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool CMainFrame::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyRelease || type == QEvent::WindowActivate)
        updateLockIndicators();
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::updateLockIndicators()
{
    const LockKeys keys = CurrentLockKeys();
    const bool on[] = {keys.caps, keys.num, keys.scroll};
    for (int i = 0; i < 3; ++i)
        m_indicators[i]->setEnabled(keys.known && on[i]);
}
