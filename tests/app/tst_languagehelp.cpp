#include "app/childframe.h"
#include "app/commandids.h"
#include "app/documentcommands.h"
#include "app/frameactions.h"
#include "app/helpservice.h"
#include "app/helpwindow.h"
#include "app/languagedlg.h"
#include "app/mainframe.h"
#include "appfixture.h"
#include "channelview/channelgrid.h"
#include "channelview/programview.h"
#include "image/datfile.h"
#include "image/memoryimage.h"
#include "settings/inifile.h"
#include "settings/language.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTextBrowser>
#include <QTimer>

class TestLanguageHelp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup();

    void languageDialog_data();
    void languageDialog();
    void languageKeptAfterRestart();
    void failedLanguageSaveIsReported();
    void restartAfterSaveQuestion_data();
    void restartAfterSaveQuestion();
    void restartReopensDocuments();
    void helpContexts_data();
    void helpContexts();
    void helpOpensTopicPage_data();
    void helpOpensTopicPage();
    void missingHelpIsNotRetried();

private:
    bool start(const QByteArray &language);
    // Answers the Language dialog that the Language command opens.
    bool chooseLanguage(bool chinese, bool ok);
    // An installed program: an empty bin/ and its Program.ini and translations in
    // share/htprog/. Returns that folder, empty when the files could not be put there.
    QString install();
    std::unique_ptr<AppFixture> m_fixture;
    QList<int> m_contexts;
};

void TestLanguageHelp::cleanup()
{
    m_fixture.reset();
    HelpService::instance().reset();
    m_contexts.clear();
}

QString TestLanguageHelp::install()
{
    m_fixture = std::make_unique<AppFixture>();
    const QString data = m_fixture->dir() + QStringLiteral("/share/htprog");
    m_fixture->programDir = m_fixture->dir() + QStringLiteral("/bin");
    if (!QDir().mkpath(data) || !QDir().mkpath(m_fixture->programDir)
        || !WriteFile(data + QStringLiteral("/Program.ini"), AppFixture::ini("English")))
        return QString();
    for (const char *qm : {"/English.qm", "/Chinese.qm"}) {
        if (!QFile::copy(
                QStringLiteral(HTPROG_BIN_DIR) + QLatin1String(qm), data + QLatin1String(qm)))
            return QString();
    }
    return data;
}

bool TestLanguageHelp::start(const QByteArray &language)
{
    m_fixture = std::make_unique<AppFixture>();
    m_fixture->installHelp();
    if (!m_fixture->startIn(language))
        return false;
    UiServices::SetHelpFunction([this](int context) { m_contexts.append(context); });
    return true;
}

// The dialog is answered as soon as it is up and checked once it has closed, so
// a failing check never leaves it open with the test waiting in its event loop.
bool TestLanguageHelp::chooseLanguage(bool chinese, bool ok)
{
    const int running = g_bChinese ? 1 : 0;
    int shown = -1;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        auto *dialog = qobject_cast<CLanguageDlg *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        answer.stop();
        shown = dialog->m_nLanguage;
        (chinese ? dialog->chineseButton() : dialog->englishButton())->setChecked(true);
        if (ok)
            dialog->accept();
        else
            dialog->reject();
    });
    answer.start(0);
    m_fixture->app()->mainFrame()->actions()->action(kCmdLanguage)->trigger();
    answer.stop();
    return shown >= 0 && QTest::qCompare(shown, running, "shown", "running", __FILE__, __LINE__);
}

void TestLanguageHelp::languageDialog_data()
{
    QTest::addColumn<QByteArray>("running");
    QTest::addColumn<bool>("chooseChinese");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("restarted");
    QTest::newRow("OK on the running English")
        << QByteArray("English") << false << true << "English" << false;
    QTest::newRow("Cancel after choosing Chinese")
        << QByteArray("English") << true << false << "English" << false;
    QTest::newRow("English to Chinese")
        << QByteArray("English") << true << true << "Chinese" << true;
    QTest::newRow("Chinese to English")
        << QByteArray("Chinese") << false << true << "English" << true;
}

void TestLanguageHelp::languageDialog()
{
    QFETCH(QByteArray, running);
    QFETCH(bool, chooseChinese);
    QFETCH(bool, ok);
    QFETCH(QString, stored);
    QFETCH(bool, restarted);
    QVERIFY(start(running));
    CMainFrame *frame = m_fixture->app()->mainFrame();
    QVERIFY(chooseLanguage(chooseChinese, ok));

    // What the next start-up reads from the file.
    const QByteArray onDisk = ReadFile(m_fixture->dir() + QStringLiteral("/Program.ini"));
    QVERIFY(onDisk.contains(QByteArray("Language=" + stored.toUtf8())));
    QCOMPARE(g_iniFile.GetValue(QStringLiteral("Setup"), QStringLiteral("Language")), stored);
    QCOMPARE(m_fixture->launched.size(), restarted ? 1 : 0);
    if (restarted)
        QCOMPARE(m_fixture->launched[0], QCoreApplication::applicationFilePath());
    QCOMPARE(frame->isVisible(), !restarted);
}

// Where the language is stored, whatever the folders allow, is the data paths'
// (tst_datapaths); here an installed program starts again in the language chosen.
void TestLanguageHelp::languageKeptAfterRestart()
{
    const QString data = install();
    QVERIFY(!data.isEmpty());
    const QString shippedIni = data + QStringLiteral("/Program.ini");
    // The user's configuration folder lies outside the program's folder.
    const QTemporaryDir config;
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    const auto restore = qScopeGuard([&] { qputenv("XDG_CONFIG_HOME", configHome); });

    QVERIFY(m_fixture->start());
    QVERIFY(!g_bChinese);
    QVERIFY(chooseLanguage(true, true));
    QCOMPARE(m_fixture->launched.size(), 1);

    QVERIFY(m_fixture->start());
    QVERIFY(g_bChinese);
    QCOMPARE(m_fixture->app()->mainFrame()->menuBar()->actions().at(0)->text(),
        QStringLiteral("文件(&F)"));
    QCOMPARE(ReadFile(shippedIni), AppFixture::ini("English")); // never written
    QVERIFY(m_fixture->messages().isEmpty());
}

void TestLanguageHelp::failedLanguageSaveIsReported()
{
#ifdef Q_OS_WIN
    QSKIP("Windows keeps the user's copy in its known folder, not XDG_CONFIG_HOME");
#endif
    QVERIFY(!install().isEmpty());
    // The user's configuration folder would have to be made inside a file.
    QVERIFY(WriteFile(m_fixture->dir() + QStringLiteral("/file"), "x"));
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    qputenv(
        "XDG_CONFIG_HOME", QFile::encodeName(m_fixture->dir() + QStringLiteral("/file/config")));
    const auto restore = qScopeGuard([&] { qputenv("XDG_CONFIG_HOME", configHome); });

    QVERIFY(m_fixture->start());
    QVERIFY(chooseLanguage(true, true));
    QCOMPARE(m_fixture->messages().size(), 1);
    QVERIFY2(m_fixture->messages()[0].text.startsWith(
                 QStringLiteral("The new language could not be saved")),
        qPrintable(m_fixture->messages()[0].text));
    // Nothing is lost: the program goes on as it was.
    QVERIFY(m_fixture->launched.isEmpty());
    QVERIFY(m_fixture->app()->mainFrame()->isVisible());
}

void TestLanguageHelp::restartAfterSaveQuestion_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("restarted");
    QTest::newRow("Cancel at the save question changes nothing") << QMessageBox::Cancel << false;
    QTest::newRow("Discard restarts in the new language") << QMessageBox::Discard << true;
}

void TestLanguageHelp::restartAfterSaveQuestion()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, restarted);
    QVERIFY(start("English"));
    const QString iniPath = m_fixture->dir() + QStringLiteral("/Program.ini");
    const QByteArray iniBefore = ReadFile(iniPath);
    CMainFrame *frame = m_fixture->app()->mainFrame();
    SetByte(frame->activeChild()->document(), ImageMap::kPowerOnName, 0x0A);
    m_fixture->answerMessages({answer});

    QVERIFY(chooseLanguage(true, true));

    QCOMPARE(m_fixture->messages().size(), 1);
    QCOMPARE(m_fixture->launched.size(), restarted ? 1 : 0);
    QCOMPARE(frame->isVisible(), !restarted);
    const QString stored = restarted ? QStringLiteral("Chinese") : QStringLiteral("English");
    QCOMPARE(g_iniFile.GetValue(QStringLiteral("Setup"), QStringLiteral("Language")), stored);
    if (restarted) {
        QVERIFY(ReadFile(iniPath).contains("Language=Chinese"));
    } else {
        QCOMPARE(ReadFile(iniPath), iniBefore);
        // The next start is English too.
        QVERIFY(m_fixture->start());
        QVERIFY(!g_bChinese);
    }
}

// The restart opens the documents with a file again, each at its current cell,
// the shown one shown; a document without a file is not reopened.
void TestLanguageHelp::restartReopensDocuments()
{
    QVERIFY(start("English"));
    DocumentCommands *documents = m_fixture->app()->mainFrame()->documents();
    const QString first = m_fixture->dir() + QStringLiteral("/first.dat");
    const QString second = m_fixture->dir() + QStringLiteral("/second.dat");
    QVERIFY(SaveDatFile(first, NewImage()).ok());
    QVERIFY(SaveDatFile(second, NewImage()).ok());
    QVERIFY(documents->open(first));
    QVERIFY(DocumentCommands::placeCell(documents->activeChild(), 5, 3));
    QVERIFY(documents->open(second));
    QVERIFY(DocumentCommands::placeCell(documents->activeChild(), 12, 1));
    QCOMPARE(documents->children().size(), 3); // the first New document too

    QVERIFY(chooseLanguage(true, true));
    QCOMPARE(m_fixture->launched.size(), 1);
    const QStringList arguments = m_fixture->launchedArguments;
    QCOMPARE(arguments,
        QStringList({QStringLiteral("--cell=5,3"), first, QStringLiteral("--cell=12,1"), second}));

    m_fixture->installLanguage(QStringLiteral("Chinese"));
    QVERIFY(m_fixture->start(arguments));
    QVERIFY(g_bChinese);
    documents = m_fixture->app()->mainFrame()->documents();
    const QList<CChildFrame *> children = documents->children();
    QCOMPARE(children.size(), 2);
    QCOMPARE(documents->shownChild(), children[1]);
    QCOMPARE(children[1]->document()->pathName(), second);
    const auto cellOf = [](CChildFrame *child) {
        const QModelIndex cell = child->view()->grid()->currentIndex();
        return QPoint(cell.column(), cell.row());
    };
    QCOMPARE(cellOf(children[0]), QPoint(3, 5));
    QCOMPARE(cellOf(children[1]), QPoint(1, 12));
}

void TestLanguageHelp::helpContexts_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("context");
    QTest::newRow("Language dialog") << "dialog" << 32799;
    QTest::newRow("menu item Com Setup") << "menu" << int(kCmdComSetup);
    QTest::newRow("main window outside the documents") << "frame" << int(kMainFrameHelpContext);
}

void TestLanguageHelp::helpContexts()
{
    QFETCH(QString, where);
    QFETCH(int, context);
    QVERIFY(start("English"));
    CMainFrame *frame = m_fixture->app()->mainFrame();
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));

    if (where == "dialog") {
        CLanguageDlg dialog(frame);
        dialog.show();
        QTest::keyClick(dialog.chineseButton(), Qt::Key_F1);
    } else if (where == "menu") {
        QMenu *setup = frame->actions()->documentMenus().at(4);
        setup->popup(QPoint(0, 0));
        setup->setActiveAction(frame->actions()->action(kCmdComSetup));
        QTest::keyClick(setup, Qt::Key_F1);
        setup->hide();
    } else {
        QTest::keyClick(frame, Qt::Key_F1);
    }
    QCOMPARE(m_contexts, QList<int> {context});
}

void TestLanguageHelp::helpOpensTopicPage_data()
{
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("page");
    QTest::newRow("English Language dialog")
        << QByteArray("English") << 32799 << "en/language.html";
    QTest::newRow("Chinese Read command")
        << QByteArray("Chinese") << int(kCmdRead) << "zh/read.html";
    QTest::newRow("unmapped number shows the contents")
        << QByteArray("English") << 4242 << "en/index.html";
    QTest::newRow("Help > Contents after a topic")
        << QByteArray("Chinese") << -1 << "zh/index.html";
}

void TestLanguageHelp::helpOpensTopicPage()
{
    QFETCH(QByteArray, language);
    QFETCH(int, context);
    QFETCH(QString, page);
    QVERIFY(start(language));
    HelpService &help = HelpService::instance();
    QVERIFY(help.showTopic(context < 0 ? int(kCmdRead) : context));
    if (context < 0)
        m_fixture->app()->mainFrame()->actions()->action(kCmdHelpContents)->trigger();
    QVERIFY(help.window());
    QVERIFY(help.window()->isVisible());
    QCOMPARE(help.window()->currentPage(),
        QDir(m_fixture->dir()).filePath(QStringLiteral("help/") + page));
    QVERIFY(!help.window()->browser()->toPlainText().isEmpty());
}

void TestLanguageHelp::missingHelpIsNotRetried()
{
    m_fixture = std::make_unique<AppFixture>();
    HelpService &help = HelpService::instance();
    help.setHelpRoot(m_fixture->dir() + QStringLiteral("/help"));
    QVERIFY(!help.showTopic(32799));
    QVERIFY(help.failed());
    QVERIFY(!help.window());

    // Help that appears later is not looked for again in this run.
    m_fixture->installHelp();
    QVERIFY(!help.showTopic(32799));
    QCOMPARE(help.loadAttempts(), 1);
    QVERIFY(!help.window());
}

QTEST_MAIN(TestLanguageHelp)
#include "tst_languagehelp.moc"
