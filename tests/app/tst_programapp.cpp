#include "app/aboutdlg.h"
#include "app/childframe.h"
#include "app/commandids.h"
#include "app/documentcommands.h"
#include "app/frameactions.h"
#include "app/mainframe.h"
#include "app/treecontrolbar.h"
#include "appfixture.h"
#include "document/programdoc.h"
#include "image/memoryimage.h"
#include "settings/language.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QTreeWidget>
#include <sys/stat.h>

namespace {

// The first item text whose accelerator letter (after a single '&') another item
// of texts has too; empty when every letter is its own.
QString RepeatedAccelerator(const QStringList &texts)
{
    QStringList letters;
    for (const QString &text : texts) {
        const qsizetype mark = QString(text)
                                   .replace(QLatin1String("&&"), QLatin1String("__"))
                                   .indexOf(QLatin1Char('&'));
        if (mark < 0 || mark + 1 >= text.size())
            continue;
        const QString letter = text.mid(mark + 1, 1).toUpper();
        if (letters.contains(letter))
            return text;
        letters << letter;
    }
    return QString();
}

QStringList ItemTexts(const QMenu *menu)
{
    QStringList texts;
    const auto items = menu->actions();
    for (const QAction *item : items)
        texts.append(item->isSeparator() ? QStringLiteral("-") : item->text());
    return texts;
}

} // namespace

class TestProgramApp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void startUp_data();
    void startUp();
    void showLang_data();
    void showLang();
    void menusAfterStartUp();
    void chineseStartUp();
    void commandLineOpen_data();
    void commandLineOpen();
    void aboutDialogTexts();
};

void TestProgramApp::startUp_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("installed");
    QTest::addColumn<bool>("started");
    QTest::addColumn<QString>("message");

    const QString fail = QStringLiteral("Load language DLL fail");
    QTest::newRow("no Program.ini") << QByteArray() << QString() << false << fail;
    QTest::newRow("no Language key")
        << QByteArray("[Setup]\nShowLang=1\n") << "English" << false << fail;
    QTest::newRow("English without its translation")
        << AppFixture::ini("English") << QString() << false << fail;
    QTest::newRow("Chinese without its translation")
        << AppFixture::ini("Chinese") << QString() << false << QStringLiteral("加载语言链接库失败");
    QTest::newRow("lower-case chinese is not Chinese")
        << AppFixture::ini("chinese") << "Chinese" << false << fail;
    QTest::newRow("a path as language name")
        << AppFixture::ini("../English") << "English" << false << fail;
    QTest::newRow("English installed")
        << AppFixture::ini("English") << "English" << true << QString();
}

void TestProgramApp::startUp()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, installed);
    QFETCH(bool, started);
    QFETCH(QString, message);

#ifdef Q_OS_WIN
    if (QString::fromLatin1(QTest::currentDataTag()).startsWith(QLatin1String("lower-case")))
        QSKIP("Windows finds chinese.qm as Chinese.qm: its file names ignore case");
#endif
    AppFixture fixture;
    if (!ini.isEmpty())
        fixture.writeIni(ini);
    if (!installed.isEmpty())
        fixture.installLanguage(installed);

    QCOMPARE(fixture.start(), started);
    if (started) {
        QVERIFY(fixture.messages().isEmpty());
        QVERIFY(fixture.app()->mainFrame()->isVisible());
        QVERIFY(fixture.app()->mainFrame()->activeChild());
    } else {
        QCOMPARE(fixture.messages().size(), 1);
        QCOMPARE(fixture.messages()[0].text, message);
        QCOMPARE(fixture.messages()[0].caption, QStringLiteral("Program"));
        QVERIFY(!fixture.app()->mainFrame());
    }
}

void TestProgramApp::showLang_data()
{
    QTest::addColumn<QByteArray>("showLang");
    QTest::addColumn<bool>("languageShown");
    QTest::newRow("1 keeps Language") << QByteArray("1") << true;
    QTest::newRow("-1 keeps Language") << QByteArray("-1") << true;
    QTest::newRow("7 with text after it keeps Language") << QByteArray("7x") << true;
    QTest::newRow("a number beyond int keeps Language") << QByteArray("99999999999") << true;
    QTest::newRow("0 removes Language") << QByteArray("0") << false;
    QTest::newRow("abc removes Language") << QByteArray("abc") << false;
}

void TestProgramApp::showLang()
{
    QFETCH(QByteArray, showLang);
    QFETCH(bool, languageShown);
    AppFixture fixture;
    fixture.writeIni(AppFixture::ini("English", showLang));
    fixture.installLanguage(QStringLiteral("English"));
    QVERIFY(fixture.start());

    const QMenu *setup = fixture.app()->mainFrame()->actions()->documentMenus().at(4);
    QCOMPARE(setup->title(), QStringLiteral("&Setup"));
    const QStringList expected = languageShown
        ? QStringList {QStringLiteral("&Com Setup"), QStringLiteral("&Language")}
        : QStringList {QStringLiteral("&Com Setup")};
    QCOMPARE(ItemTexts(setup), expected);
}

// Each menu reaches its items by letters of their own, as the menu bar its
// menus; the About items carry the names that Program.ini gives.
void TestProgramApp::menusAfterStartUp()
{
    AppFixture fixture;
    QVERIFY(fixture.startIn("English"));
    CMainFrame *frame = fixture.app()->mainFrame();
    FrameActions *actions = frame->actions();

    for (const QList<QMenu *> &menus : {actions->documentMenus(), actions->noDocumentMenus()}) {
        QStringList bar;
        for (const QMenu *menu : menus) {
            bar << menu->title();
            QStringList items;
            for (const QAction *item : menu->actions()) {
                if (!item->isSeparator())
                    items << item->text();
            }
            const QString twice = RepeatedAccelerator(items);
            QVERIFY2(twice.isEmpty(), qPrintable(menu->title() + QLatin1String(": ") + twice));
        }
        QVERIFY2(RepeatedAccelerator(bar).isEmpty(), qPrintable(bar.join(QLatin1Char(' '))));
    }
    QCOMPARE(actions->documentAboutAction()->text(), QStringLiteral("About Test..."));
    QCOMPARE(
        actions->documentAboutAction()->property(kCommandIdProperty).toInt(), int(kCmdAppAbout));
    QCOMPARE(actions->noDocumentMenus().last()->actions().last()->text(),
        QStringLiteral("&About Program..."));
    QCOMPARE(QApplication::applicationDisplayName(), QStringLiteral("Test Company"));
    QVERIFY(frame->isMaximized());

    // A command prompt shows in the message pane, which then returns to "Ready".
    for (const char *tip : {"Create a new document", ""}) {
        QStatusTipEvent event(QString::fromLatin1(tip));
        QApplication::sendEvent(frame, &event);
    }
    QCOMPARE(frame->statusBar()->currentMessage(), QStringLiteral("Ready"));
}

void TestProgramApp::chineseStartUp()
{
    AppFixture fixture;
    QVERIFY(fixture.startIn("Chinese"));
    QVERIFY(fixture.messages().isEmpty());
    CMainFrame *frame = fixture.app()->mainFrame();
    QVERIFY(g_bChinese);

    QCOMPARE(frame->menuBar()->actions().at(0)->text(), QStringLiteral("文件(&F)"));
    QCOMPARE(frame->actions()->documentAboutAction()->text(), QStringLiteral("关于测试..."));
    QTreeWidgetItem *root = frame->controlBar()->rootItem();
    QCOMPARE(root->text(0), QStringLiteral("测试公司"));
    QCOMPARE(root->childCount(), 2);
    QCOMPARE(root->child(0)->text(0), QStringLiteral("信道信息"));
    QCOMPARE(root->child(1)->text(0), QStringLiteral("可选功能"));
    QCOMPARE(frame->activeChild()->document()->title(), QStringLiteral("信道信息"));
    QCOMPARE(frame->controlBar()->closeButton()->toolTip(), QStringLiteral("关闭"));
    // Qt's standard buttons and dialogs speak the interface language too.
    const QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
}

void TestProgramApp::commandLineOpen_data()
{
    QTest::addColumn<int>("size"); // -1: no such file, -2: a named pipe
    QTest::addColumn<bool>("opened");
    QTest::newRow("a whole image opens") << int(kImageSize) << true;
    QTest::newRow("a short file: why, then a new document") << 100 << false;
    QTest::newRow("a missing file: why, then a new document") << -1 << false;
    QTest::newRow("a pipe: why, then a new document, without waiting for a writer") << -2 << false;
}

void TestProgramApp::commandLineOpen()
{
    QFETCH(int, size);
    QFETCH(bool, opened);
    AppFixture fixture;
    const QString path = fixture.dir() + QStringLiteral("/radio.dat");
    QVERIFY(size < 0 || WriteFile(path, QByteArray(size, char(0x5A))));
    if (size == -2)
        MAKE_FIFO(path);

    QVERIFY(fixture.startIn("English", {path}));
    CMainFrame *frame = fixture.app()->mainFrame();
    QVERIFY(frame->isVisible());
    CProgramDoc *doc = frame->activeChild()->document();
    QCOMPARE(frame->documents()->children().size(), 1);
    QCOMPARE(doc->isUntitled(), !opened);
    QCOMPARE(int(doc->image()[0x1500]), opened ? 0x5A : 0xFF); // a byte no editor owns
    QCOMPARE(fixture.messages().size(), opened ? 0 : 1);
    if (!opened)
        QVERIFY(fixture.messages()[0].text.contains(QStringLiteral("radio.dat")));
}

void TestProgramApp::aboutDialogTexts()
{
    AppFixture fixture;
    // The first line shows "&" as written; the others take it as a mnemonic marker.
    fixture.writeIni(AppFixture::ini("English")
                         .replace("Version=V 1", "Version=V&1")
                         .replace("Copyrights=C 2", "Copyrights=C &2 && 3")
                         .replace("Owner=Owner 3", "Owner=R&&D &Owner"));
    fixture.installLanguage(QStringLiteral("English"));
    QVERIFY(fixture.start());
    CAboutDlg about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Test..."));
    QCOMPARE(about.lineText(0), QStringLiteral("V&1"));
    QCOMPARE(about.lineText(1), QStringLiteral("C 2 & 3"));
    QCOMPARE(about.lineText(2), QStringLiteral("R&D Owner"));
    QVERIFY(!about.usesTitleIcon());
}

QTEST_MAIN(TestProgramApp)
#include "tst_programapp.moc"
