#include "app/programapp.h"

#include "app/commandids.h"
#include "app/documentcommands.h"
#include "app/frameactions.h"
#include "app/helpservice.h"
#include "app/mainframe.h"
#include "channels/textnumbers.h"
#include "settings/datapaths.h"
#include "settings/inifile.h"
#include "settings/language.h"
#include "settings/programini.h"
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
    if (g_bChinese) {
        m_qtTranslator = std::make_unique<QTranslator>();
        if (m_qtTranslator->load(
                QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(m_qtTranslator.get());
        else
            m_qtTranslator.reset();
    }
    return true;
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

    m_mainFrame = new CMainFrame;
    installServices();
    connect(m_mainFrame, &CMainFrame::languageChangeRequested, this,
        &CProgramApp::restartInNewLanguage);

    DocumentCommands *documents = m_mainFrame->documents();
    // A file that cannot be opened has said why; the program goes on with a
    // new document.
    if (arguments.isEmpty() || !documents->open(arguments.constFirst()))
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
    documents->focusFirstCell(documents->activeChild());
    return true;
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

void CProgramApp::restartInNewLanguage()
{
    // The new process reads "Program.ini" at once, so the new language is saved
    // before it starts. A language that cannot be saved is reported, and the
    // program goes on in the language it has.
    const Status saved = ProgramIni::SaveLanguage(DataPaths(programDir()));
    if (!saved.ok()) {
        const QString text = LangText(
            "The new language could not be saved: %1.\nThe program keeps the language it has. "
            "Make sure you may write there, then choose the language again.",
            "无法保存新的语言设置：%1。\n"
            "程序仍使用当前语言。请确认您有权限写入该位置，然后重新选择语言。");
        UiServices::Message(
            m_mainFrame, QString(), text.arg(saved.text()), QMessageBox::Warning, QMessageBox::Ok);
        return;
    }
    // The restart follows only when this window really closes (a running transfer
    // may be kept).
    m_mainFrame->closeThen([this] { m_launcher(QCoreApplication::applicationFilePath(), {}); });
}
