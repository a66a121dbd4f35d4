#include "appfixture.h"
#include "childframe.h"
#include "commandids.h"
#include "frameactions.h"
#include "helpservice.h"
#include "helpwindow.h"
#include "inifile.h"
#include "languagedlg.h"
#include "mainframe.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QRadioButton>
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
    void helpContexts_data();
    void helpContexts();
    void helpOpensTopicPage_data();
    void helpOpensTopicPage();
    void missingHelpIsNotRetried();

private:
    bool start(const QByteArray &language);
    std::unique_ptr<AppFixture> m_fixture;
    QList<int> m_contexts;
};

void TestLanguageHelp::cleanup()
{
    m_fixture.reset();
    HelpService::instance().reset();
    m_contexts.clear();
}

bool TestLanguageHelp::start(const QByteArray &language)
{
    m_fixture = std::make_unique<AppFixture>();
    m_fixture->installHelp();
    if (!m_fixture->startIn(language))
        return false;
    UiServices::setHelpFunction([this](int context) { m_contexts.append(context); });
    return true;
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
    QTest::newRow("OK on the running Chinese")
        << QByteArray("Chinese") << true << true << "Chinese" << false;
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

    bool answered = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<CLanguageDlg *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        answered = true;
        QCOMPARE(dialog->m_nLanguage, running == "Chinese" ? 1 : 0);
        (chooseChinese ? dialog->chineseButton() : dialog->englishButton())->setChecked(true);
        if (ok)
            dialog->accept();
        else
            dialog->reject();
    });
    frame->actions()->action(kCmdLanguage)->trigger();
    QVERIFY(answered);

    // What the next start-up reads from the file.
    const QByteArray onDisk = ReadFile(m_fixture->dir() + QStringLiteral("/Program.ini"));
    QVERIFY(onDisk.contains(QByteArray("Language=" + stored.toUtf8())));
    QCOMPARE(g_iniFile.GetValue(QStringLiteral("Setup"), QStringLiteral("Language")), stored);
    QCOMPARE(m_fixture->launched.size(), restarted ? 1 : 0);
    if (restarted)
        QCOMPARE(m_fixture->launched[0], QCoreApplication::applicationFilePath());
    QCOMPARE(frame->isVisible(), !restarted);
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
