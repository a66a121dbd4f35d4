#include "app/programapp.h"

#include "app/childframe.h"
#include "app/commandids.h"
#include "app/documentcommands.h"
#include "app/frameactions.h"
#include "app/helpservice.h"
#include "app/mainframe.h"
#include "app/reopenlist.h"
#include "channels/channelcodec.h"
#include "channels/textnumbers.h"
#include "channelview/channelgrid.h"
#include "channelview/programview.h"
#include "document/programdoc.h"
#include "grid/wheelrule.h"
#include "settings/datapaths.h"
#include "settings/inifile.h"
#include "settings/language.h"
#include "settings/programini.h"
#include "theme/theme.h"
#include "uiservices/dialogfit.h"
#include "uiservices/uiservices.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <memory>

CProgramApp::CProgramApp(QObject *parent)
    : QObject(parent)
    , m_launcher([](const QString &program, const QStringList &arguments) {
        return QProcess::startDetached(program, arguments);
    })
{ }

CProgramApp::~CProgramApp()
{
    UiServices::SetHelpFunction(nullptr);
    UiServices::SetTitleFunction(nullptr);
    delete m_mainFrame;
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    if (m_qtTranslator)
        QCoreApplication::removeTranslator(m_qtTranslator.get());
}

QString CProgramApp::programDir() const
{
    return m_programDir.isEmpty() ? QCoreApplication::applicationDirPath() : m_programDir;
}

int CProgramApp::leadingInteger(const QString &text)
{
    // As atoi reads it: a value too large for an int is still not 0.
    return LeadingInteger(text);
}

bool CProgramApp::loadTranslations()
{
    // The language name names the file; a name that is a path names none.
    const QString name = g_strLanguage;
    const QString file = DataPaths(programDir()).filePath(name + QLatin1String(".qm"));
    m_translator = std::make_unique<QTranslator>();
    const bool usable = !name.isEmpty() && !name.contains(QLatin1Char('/'))
        && !name.contains(QLatin1Char('\\')) && QFileInfo(file).isFile();
    if (!usable || !m_translator->load(file)) {
        m_translator.reset();
        return false;
    }
    QCoreApplication::installTranslator(m_translator.get());
    if (g_bChinese)
        loadQtTranslation();
    return true;
}

void CProgramApp::loadQtTranslation()
{
    // Qt's own texts (the file dialogs' columns, the standard buttons): the copy
    // that comes with the program (translations/ beside the executable, as the
    // Windows folder has it), else the one of the Qt in use. Without either the
    // standard dialogs stay English; the program's own texts do not depend on it.
    const QString name = QStringLiteral("qtbase_zh_CN");
    const QStringList folders
        = {QFileInfo(DataPaths(programDir()).filePath(QStringLiteral("translations"))).filePath(),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    m_qtTranslator = std::make_unique<QTranslator>();
    for (const QString &folder : folders) {
        if (m_qtTranslator->load(name, folder)) {
            QCoreApplication::installTranslator(m_qtTranslator.get());
            return;
        }
    }
    m_qtTranslator.reset();
}

bool CProgramApp::initInstance(const QStringList &arguments)
{
    const DataPaths paths(programDir());
    ProgramIni::Load(paths, true);
    SetLanguageState(g_iniFile.GetValue(QStringLiteral("Setup"), QStringLiteral("Language")));

    if (!loadTranslations()) {
        UiServices::Message(nullptr, QStringLiteral("Program"),
            LangText("Load language DLL fail", "加载语言链接库失败"), QMessageBox::Critical,
            QMessageBox::Ok);
        return false;
    }
    HelpService::instance().setHelpRoot(paths.filePath(QStringLiteral("help")));

    // The wheel changes no pick list or spin box in any window, the dialogs'
    // included, as it changes none in the grid.
    WheelRule::installForApplication();
    // Every dialog fits the screen it opens on and keeps the size the user gave it.
    DialogFit::installForApplication();
    // The user's colours from the first window on (System leaves the platform's).
    Theme::Apply(Theme::Stored());
    m_mainFrame = new CMainFrame;
    installServices();
    connect(m_mainFrame, &CMainFrame::languageChangeRequested, this,
        &CProgramApp::restartInNewLanguage);

    DocumentCommands *documents = m_mainFrame->documents();
    // A file that cannot be opened has said why; the program goes on with a
    // new document.
    const bool opened = openDocuments(arguments);
    if (!opened)
        documents->createNew();

    // Without a window manager a maximise request is not honoured; starting
    // with the screen's size looks the same either way.
    if (const QScreen *screen = m_mainFrame->screen())
        m_mainFrame->setGeometry(screen->availableGeometry());
    m_mainFrame->showMaximized();
    const QPixmap icon(QDir::current().filePath(QStringLiteral("title.ico")));
    m_mainFrame->setWindowIcon(
        icon.isNull() ? QIcon(QStringLiteral(":/icons/htprog.svg")) : QIcon(icon));
    QGuiApplication::setApplicationDisplayName(LanguageValue(QStringLiteral("Company")));
    // The window system's title was formatted with the display name of that
    // moment ("Program"); setting the title anew formats it with the new one.
    const QString title = m_mainFrame->windowTitle();
    m_mainFrame->setWindowTitle(QString());
    m_mainFrame->setWindowTitle(title);
    applyMenuEdits();
    if (opened)
        documents->focusGrid(documents->activeChild());
    else
        documents->focusFirstCell(documents->activeChild());
    return true;
}

bool CProgramApp::openDocuments(const QStringList &arguments)
{
    DocumentCommands *documents = m_mainFrame->documents();
    bool opened = false;
    const QList<ReopenedDocument> files = ParseReopenArguments(arguments);
    for (const ReopenedDocument &file : files) {
        if (!documents->open(file.path))
            continue;
        opened = true;
        CChildFrame *child = documents->activeChild();
        if (!DocumentCommands::placeCell(child, file.row, file.column))
            DocumentCommands::placeCell(child, 0, kColRx);
    }
    return opened;
}

void CProgramApp::applyMenuEdits()
{
    FrameActions *actions = m_mainFrame->actions();
    actions->documentAboutAction()->setText(LanguageValue(QStringLiteral("About Title")));
    FrameActions::removeCommand(actions->documentMenus(), kCmdSqlAdjust);
    const QString showLang
        = g_iniFile.GetValue(QStringLiteral("Setup"), QStringLiteral("ShowLang"));
    if (leadingInteger(showLang) == 0)
        FrameActions::removeCommand({actions->documentMenus().value(4)}, kCmdLanguage);
}

void CProgramApp::installServices()
{
    UiServices::SetHelpFunction([](int context) { HelpService::instance().showTopic(context); });
    UiServices::SetTitleFunction(
        [frame = m_mainFrame](const QString &title) { frame->setWindowTitle(title); });
}

QList<ReopenedDocument> CProgramApp::documentsToReopen() const
{
    // Documents with a file of their own, each at its current cell; the shown one
    // last, so that it is the one shown again. A document without a file (New, a
    // backup's copy) has nothing to reopen.
    DocumentCommands *documents = m_mainFrame->documents();
    QList<CChildFrame *> windows = documents->children();
    if (CChildFrame *active = documents->activeChild()) {
        windows.removeAll(active);
        windows.append(active);
    }
    QList<ReopenedDocument> reopen;
    for (CChildFrame *child : std::as_const(windows)) {
        const QString path = child->document()->pathName();
        if (path.isEmpty() || !QFileInfo(path).isFile())
            continue;
        const QModelIndex cell = child->view()->grid()->currentIndex();
        reopen.append(
            {path, cell.isValid() ? cell.row() : -1, cell.isValid() ? cell.column() : -1});
    }
    return reopen;
}

void CProgramApp::restartInNewLanguage(const QString &language)
{
    // The language is stored only when the close is certain (every question
    // answered, no transfer kept), and before the new process starts, which
    // reads "Program.ini" at once. A language that cannot be saved is
    // reported, and the program goes on in the language it has.
    // The close may wait for a transfer to stop, past this call.
    auto reopen = std::make_shared<QList<ReopenedDocument>>();
    const auto commit = [this, language, reopen] {
        const QString kept
            = g_iniFile.GetValue(QStringLiteral("Setup"), QStringLiteral("Language"));
        g_iniFile.SetValue(QStringLiteral("Setup"), QStringLiteral("Language"), language);
        const Status saved = ProgramIni::SaveLanguage(DataPaths(programDir()));
        if (!saved.ok()) {
            g_iniFile.SetValue(QStringLiteral("Setup"), QStringLiteral("Language"), kept);
            const QString text = LangText(
                "The new language could not be saved: %1.\nThe program keeps the language it "
                "has. Make sure you may write there, then choose the language again.",
                "无法保存新的语言设置：%1。\n"
                "程序仍使用当前语言。请确认您有权限写入该位置，然后重新选择语言。");
            UiServices::Message(m_mainFrame, QString(), text.arg(saved.text()),
                QMessageBox::Warning, QMessageBox::Ok);
            return false;
        }
        *reopen = documentsToReopen();
        return true;
    };
    m_mainFrame->closeThen(commit, [this, reopen] {
        m_launcher(QCoreApplication::applicationFilePath(), ReopenArguments(*reopen));
    });
}
