#include "app/backgroundclient.h"
#include "app/childframe.h"
#include "app/commandids.h"
#include "app/documentcommands.h"
#include "app/frameactions.h"
#include "app/mainframe.h"
#include "appfixture.h"
#include "channels/channelcodec.h"
#include "channelview/channelgrid.h"
#include "channelview/programview.h"
#include "dialogview/dialogcommands.h"
#include "dialogview/processdlg.h"
#include "document/programdoc.h"
#include "grid/columnstretcher.h"
#include "link/comport.h"
#include "settings/usersettings.h"
#ifdef Q_OS_UNIX
#include "support/servedradio.h"
#endif
#include "app/treecontrolbar.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QWheelEvent>

class TestMainFrame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init();
    void cleanup() { m_fixture.reset(); }

    void closeThenChannelInformation();
    void fileOpen_data();
    void fileOpen();
    void treeDoubleClick_data();
    void treeDoubleClick();
    void treeRootLabelDispatch_data();
    void treeRootLabelDispatch();
    void controlBarCloseButton();
    void controlBarWidth_data();
    void controlBarWidth();
    void saveNewDocumentAsksName();
    void unsavedEditsPrompt_data();
    void unsavedEditsPrompt();
    void backgroundTiles_data();
    void backgroundTiles();
    void documentWindowKeysAndPort();
    void editMenuRowCommands();
    void exitDuringTransfer_data();
    void exitDuringTransfer();
    void closeDuringTransferAsksAboutEdits_data();
    void closeDuringTransferAsksAboutEdits();
    void questionGoesWithItsSubject();
    void documentWindowSize();
    void wheelRuleInEveryDialog_data();
    void wheelRuleInEveryDialog();

private:
    bool startWith(const QByteArray &ini);
    CMainFrame *frame() const { return m_fixture->app()->mainFrame(); }
    QAction *action(int id) const { return frame()->actions()->action(id); }
    void doubleClickTree(QTreeWidgetItem *item);

    std::unique_ptr<AppFixture> m_fixture;
};

void TestMainFrame::init()
{
    m_fixture = std::make_unique<AppFixture>();
    m_fixture->installLanguage(QStringLiteral("English"));
    m_fixture->installLanguage(QStringLiteral("Chinese"));
}

bool TestMainFrame::startWith(const QByteArray &ini)
{
    m_fixture->writeIni(ini);
    return m_fixture->start();
}

void TestMainFrame::doubleClickTree(QTreeWidgetItem *item)
{
    QTreeWidget *tree = frame()->controlBar()->tree();
    const QPoint pos
        = item ? tree->visualItemRect(item).center() : QPoint(5, tree->viewport()->height() - 5);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, pos);
}

void TestMainFrame::closeThenChannelInformation()
{
    QVERIFY(startWith(AppFixture::ini("English")));
    CChildFrame *child = frame()->activeChild();
    SetByte(child->document(), ImageMap::kPowerOnName, 0x0B);
    child->document()->undoStack()->setClean();
    const MemoryImage before = child->document()->image();

    action(kCmdFileClose)->trigger();
    QVERIFY(child->isHidden());
    QCOMPARE(frame()->activeChild(), child);
    QVERIFY(frame()->actions()->documentMenuShown());

    child->close(); // the close box hides too, and never destroys
    action(kCmdChannelInfo)->trigger();
    QCOMPARE(frame()->activeChild(), child);
    QVERIFY(child->isVisible());
    QVERIFY(child->isMaximized()); // as it was before it was closed
    QCOMPARE(child->document()->image(), before);
}

void TestMainFrame::fileOpen_data()
{
    QTest::addColumn<int>("size"); // of the chosen file, -1: no such file
    QTest::newRow("an image opens and hides the previous window") << int(kImageSize);
    QTest::newRow("a failed open keeps the window") << -1;
}

void TestMainFrame::fileOpen()
{
    QFETCH(int, size);
    QVERIFY(startWith(AppFixture::ini("English")));
    CChildFrame *first = frame()->activeChild();
    const QString path = m_fixture->dir() + QStringLiteral("/a.dat");
    QVERIFY(size < 0 || WriteFile(path, QByteArray(size, char(0x11))));
    frame()->documents()->setFileNameFunction(
        [&](QWidget *, bool save, const QString &) { return save ? QString() : path; });
    // A maximised document window must not put its name into the main title either.
    first->showMaximized();
    const QString title = frame()->windowTitle();
    QCOMPARE(title, QStringLiteral("Test Product"));

    action(kCmdFileOpen)->trigger();
    frame()->activeChild()->showMaximized();
    QCOMPARE(frame()->windowTitle(), title);
    const bool opened = size >= 0;
    QCOMPARE(m_fixture->messages().size(), opened ? 0 : 1);
    QCOMPARE(frame()->activeChild() != first, opened);
    QCOMPARE(first->isHidden(), opened);
    QVERIFY(frame()->activeChild()->isVisible());
    QCOMPARE(frame()->activeChild()->document()->pathName() == path, opened);
    if (!opened)
        QCOMPARE(frame()->documents()->children().size(), 1);
}

void TestMainFrame::treeDoubleClick_data()
{
    QTest::addColumn<int>("item"); // -1 empty space, 0 root, 1 and 2 the children
    QTest::addColumn<bool>("hidden"); // the document window was closed first
    QTest::addColumn<int>("command");
    QTest::newRow("empty space does nothing") << -1 << true << 0;
    QTest::newRow("root does nothing") << 0 << true << 0;
    QTest::newRow("Channel Information") << 1 << true << int(kCmdChannelInfo);
    QTest::newRow("Optional Features") << 2 << false << int(kCmdOptionFeatures);
    QTest::newRow("Optional Features waits for a hidden document") << 2 << true << 0;
}

void TestMainFrame::treeDoubleClick()
{
    QFETCH(int, item);
    QFETCH(bool, hidden);
    QFETCH(int, command);
    QVERIFY(startWith(AppFixture::ini("English")));
    m_fixture->rejectDialogs();
    if (hidden)
        frame()->activeChild()->close();
    QTreeWidgetItem *root = frame()->controlBar()->rootItem();
    QTreeWidgetItem *target = item < 0 ? nullptr : item == 0 ? root : root->child(item - 1);
    frame()->controlBar()->tree()->setCurrentItem(root->child(1));

    const int ids[] = {kCmdChannelInfo, kCmdOptionFeatures, kCmdProductInfo, kCmdSqlAdjust};
    QList<QSignalSpy *> spies;
    for (int id : ids)
        spies.append(new QSignalSpy(action(id), &QAction::triggered));
    doubleClickTree(target);

    for (int i = 0; i < spies.size(); ++i)
        QCOMPARE(spies[i]->size(), ids[i] == command ? 1 : 0);
    qDeleteAll(spies);
    QTRY_COMPARE(frame()->controlBar()->tree()->currentItem(), root);
    QCOMPARE(m_fixture->rejectedDialogs.size(), command == kCmdOptionFeatures ? 1 : 0);
    QCOMPARE(frame()->activeChild()->isVisible(), !hidden || command == kCmdChannelInfo);
}

void TestMainFrame::treeRootLabelDispatch_data()
{
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QByteArray>("company");
    QTest::addColumn<int>("command");
    QTest::newRow("Product Information")
        << QByteArray("English") << QByteArray("Product Information") << int(kCmdProductInfo);
    QTest::newRow("静噪调节") << QByteArray("Chinese") << QByteArray("静噪调节")
                              << int(kCmdSqlAdjust);
    QTest::newRow("English label in Chinese does nothing")
        << QByteArray("Chinese") << QByteArray("Sql Adjust") << 0;
}

void TestMainFrame::treeRootLabelDispatch()
{
    QFETCH(QByteArray, language);
    QFETCH(QByteArray, company);
    QFETCH(int, command);
    QByteArray ini = AppFixture::ini(language);
    ini.replace(QByteArray("Company=Test Company"), QByteArray("Company=" + company));
    ini.replace(QByteArray("Company=测试公司"), QByteArray("Company=" + company));
    QVERIFY(startWith(ini));
    m_fixture->rejectDialogs();

    QSignalSpy product(action(kCmdProductInfo), &QAction::triggered);
    QSignalSpy squelch(action(kCmdSqlAdjust), &QAction::triggered);
    doubleClickTree(frame()->controlBar()->rootItem());
    QCOMPARE(product.size(), command == kCmdProductInfo ? 1 : 0);
    QCOMPARE(squelch.size(), command == kCmdSqlAdjust ? 1 : 0);
}

void TestMainFrame::controlBarCloseButton()
{
    QVERIFY(startWith(AppFixture::ini("English")));
    CTreeControlBar *bar = frame()->controlBar();
    QCOMPARE(bar->closeButton()->toolTip(), QStringLiteral("Close"));
    QCOMPARE(bar->caption(), QStringLiteral("Test Company"));
    QVERIFY(!bar->features().testFlag(QDockWidget::DockWidgetFloatable));
    QVERIFY(!bar->features().testFlag(QDockWidget::DockWidgetMovable));
    bar->endSizing(40);
    QCOMPARE(bar->barWidth(), CTreeControlBar::kDefaultWidth); // no drag was started

    QTest::mouseClick(bar->closeButton(), Qt::LeftButton);
    QVERIFY(bar->isHidden());
    action(kCmdControlBar)->trigger();
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->width(), CTreeControlBar::kDefaultWidth);
    action(kCmdControlBar)->trigger();
    QVERIFY(bar->isHidden());
}

void TestMainFrame::controlBarWidth_data()
{
    QTest::addColumn<int>("dragX");
    QTest::addColumn<int>("trackX");
    QTest::addColumn<int>("width"); // -1: half the frame's width
    QTest::newRow("30 tracks at 80 and becomes 30") << 30 << 80 << 30;
    QTest::newRow("5 becomes 11") << 5 << 80 << 11;
    QTest::newRow("300 stays 300") << 300 << 300 << 300;
    QTest::newRow("beyond half becomes half") << 5000 << -1 << -1;
}

void TestMainFrame::controlBarWidth()
{
    QFETCH(int, dragX);
    QFETCH(int, trackX);
    QFETCH(int, width);
    QVERIFY(startWith(AppFixture::ini("English")));
    frame()->showNormal();
    frame()->resize(1000, 600);
    const int half = frame()->width() / 2;
    CTreeControlBar *bar = frame()->controlBar();

    bar->beginSizing();
    bar->trackSizing(dragX);
    QCOMPARE(bar->trackingX(dragX), trackX < 0 ? half : trackX);
    bar->endSizing(dragX);
    QVERIFY(!bar->isSizing());
    const int expected = width < 0 ? half : width;
    QCOMPARE(bar->barWidth(), expected);
    QCOMPARE(bar->width(), expected);

    // The width survives hiding and showing the bar.
    action(kCmdControlBar)->trigger();
    action(kCmdControlBar)->trigger();
    QCOMPARE(bar->width(), expected);
}

void TestMainFrame::saveNewDocumentAsksName()
{
    QVERIFY(startWith(AppFixture::ini("English")));
    // A file that happens to carry the AppName text must not be overwritten.
    const QString appNameFile = m_fixture->dir() + QStringLiteral("/testprog");
    QVERIFY(WriteFile(appNameFile, "keep me"));

    QStringList proposals;
    QString answer;
    frame()->documents()->setFileNameFunction([&](QWidget *, bool save, const QString &name) {
        if (save)
            proposals.append(name);
        return answer;
    });
    action(kCmdFileSave)->trigger();
    QCOMPARE(proposals, QStringList {QStringLiteral("testprog.dat")});
    QCOMPARE(ReadFile(appNameFile), QByteArray("keep me"));

    answer = m_fixture->dir() + QStringLiteral("/saved.dat");
    action(kCmdFileSave)->trigger();
    QCOMPARE(QFileInfo(answer).size(), qint64(kImageSize));
    // Saved once under a name, the next Save writes there without asking.
    action(kCmdFileSave)->trigger();
    QCOMPARE(proposals.size(), 2);
}

void TestMainFrame::unsavedEditsPrompt_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("written");
    QTest::newRow("no edits: no question") << false << QMessageBox::Cancel << true << false;
    QTest::newRow("Discard closes") << true << QMessageBox::Discard << true << false;
    QTest::newRow("Cancel keeps the program") << true << QMessageBox::Cancel << false << false;
    QTest::newRow("Save writes then closes") << true << QMessageBox::Save << true << true;
}

void TestMainFrame::unsavedEditsPrompt()
{
    QFETCH(bool, modified);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, closed);
    QFETCH(bool, written);
    QVERIFY(startWith(AppFixture::ini("English")));
    const QString target = m_fixture->dir() + QStringLiteral("/edits.dat");
    frame()->documents()->setFileNameFunction(
        [&](QWidget *, bool, const QString &) { return target; });
    if (modified)
        SetByte(frame()->activeChild()->document(), ImageMap::kPowerOnName, 0x0C);
    m_fixture->answerMessages({answer});

    QCOMPARE(frame()->close(), closed);
    QCOMPARE(m_fixture->messages().size(), modified ? 1 : 0);
    if (modified) {
        QCOMPARE(m_fixture->messages()[0].buttons,
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    }
    QCOMPARE(QFile::exists(target), written);
}

void TestMainFrame::backgroundTiles_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QSize>("tile");
    QTest::addColumn<int>("count");
    QTest::addColumn<QPoint>("last");
    QTest::newRow("1000x600 with the built-in tile: 5 by 4")
        << QSize(1000, 600) << QSize(238, 157) << 20 << QPoint(952, 471);
    QTest::newRow("exact fit adds one more row and column")
        << QSize(476, 314) << QSize(238, 157) << 9 << QPoint(476, 314);
    QTest::newRow("tile larger than the client")
        << QSize(100, 50) << QSize(238, 157) << 1 << QPoint(0, 0);
    QTest::newRow("empty tile draws nothing") << QSize(1000, 600) << QSize(0, 0) << 0 << QPoint();
    QTest::newRow("zero-height tile draws nothing")
        << QSize(1000, 600) << QSize(238, 0) << 0 << QPoint();
}

void TestMainFrame::backgroundTiles()
{
    QFETCH(QSize, client);
    QFETCH(QSize, tile);
    QFETCH(int, count);
    QFETCH(QPoint, last);
    const QVector<QPoint> origins = CBackgroundClient::tileOrigins(client, tile);
    QCOMPARE(origins.size(), count);
    if (count > 0) {
        QCOMPARE(origins.first(), QPoint(0, 0));
        QCOMPARE(origins.last(), last);
    }
}

void TestMainFrame::editMenuRowCommands()
{
    QVERIFY(startWith(AppFixture::ini("English")));
    CChildFrame *child = frame()->activeChild();
    CProgramDoc *doc = child->document();
    QVERIFY(doc->commitCell(3, kColRx, NewChannelTexts(QStringLiteral("146.52000"), false)));
    ChannelGrid *grid = child->view()->grid();
    QMenu *edit = frame()->actions()->documentMenus().at(1);

    // A menu shows what can run on the grid's selection.
    grid->selectRows({0});
    Q_EMIT edit->aboutToShow();
    QVERIFY(!action(kCmdMoveUp)->isEnabled());
    QVERIFY(action(kCmdMoveDown)->isEnabled());
    QVERIFY(!action(kCmdSortByName)->isEnabled());

    grid->selectRows({3});
    action(kCmdEditClear)->trigger();
    QVERIFY(doc->rowTexts(3)[kColRx].isEmpty());
    QCOMPARE(frame()->statusBar()->currentMessage(),
        QStringLiteral("Cleared channel 3. Ctrl+Z brings it back."));
    QCOMPARE(action(kCmdEditUndo)->text(), QStringLiteral("&Undo Clear channel 3\tCtrl+Z"));
    action(kCmdEditUndo)->trigger();
    QCOMPARE(doc->rowTexts(3)[kColRx], QStringLiteral("146.52000"));
}

// A document window takes the port that COM Setup stored, and Ctrl+W reaches
// Program > Write even though the window's own menu has a Close item.
void TestMainFrame::documentWindowKeysAndPort()
{
#ifdef Q_OS_WIN
    QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software\\testprog"), QSettings::NativeFormat)
#else
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("testprog"))
#endif
        .setValue(QStringLiteral("com"), QStringLiteral("sim"));
    g_strComPort.clear();
    QVERIFY(startWith(AppFixture::ini("English")));
    QCOMPARE(g_strComPort, QStringLiteral("sim"));
    // A read earlier in this suite leaves a backup; the preview of what the write
    // changes would come before the Write Data dialog.
    UserSettings::SetShowWritePreview(false);

    CChildFrame *child = frame()->activeChild();
    frame()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame()));
    child->view()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);

    QVERIFY(DialogCommands::TransferDialogOpen());
    QVERIFY(child->isVisible());
    QCOMPARE(DialogCommands::TransferDialog()->windowTitle(), QStringLiteral("Write Data"));
    DialogCommands::TransferDialog()->reject(); // Cancel before OK: no port is touched
    QTRY_VERIFY(!DialogCommands::TransferDialogOpen());
}

void TestMainFrame::exitDuringTransfer_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("restart");
    QTest::newRow("No keeps the transfer and the program") << QMessageBox::No << false;
    QTest::newRow("Yes cancels the transfer, then exits") << QMessageBox::Yes << false;
    QTest::newRow("the language restart waits for the cancelled transfer")
        << QMessageBox::Yes << true;
}

// Exit while a read runs: never a progress dialog without its main window, and
// the document the read was going into stays as it was.
void TestMainFrame::exitDuringTransfer()
{
#ifdef Q_OS_WIN
    QSKIP("the radio on a pseudo-terminal is Linux's");
#else
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, restart);
    ServedRadio radio(NewImage(), {}, true); // paced: the read outlasts the test
    QVERIFY(startWith(AppFixture::ini("English")));
    g_strComPort = radio.path();
    CChildFrame *child = frame()->activeChild();
    const MemoryImage before = child->document()->image();
    action(kCmdRead)->trigger();
    QPointer<CProcessDlg> dialog = DialogCommands::TransferDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->parentWidget(), frame());
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(dialog->countText()->text().toInt() >= 2, 20000);
    // Meanwhile the document takes no edits that the read would overwrite.
    ChannelGrid *grid = child->view()->grid();
    QVERIFY(!(grid->model()->flags(grid->currentIndex()) & Qt::ItemIsEditable));
    QVERIFY(!grid->openEditor());
    QVERIFY(!action(kCmdFileNew)->isEnabled());
    QVERIFY(action(kCmdFileSave)->isEnabled());

    m_fixture->answerMessages({answer});
    if (restart)
        Q_EMIT frame()->languageChangeRequested(QStringLiteral("Chinese"));
    else
        QVERIFY(!frame()->close());
    QCOMPARE(m_fixture->messages().size(), 1);
    QCOMPARE(m_fixture->messages()[0].buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(frame()->isVisible());
    QVERIFY(!dialog.isNull()); // the transfer stops at its next poll point
    if (answer == QMessageBox::No) {
        QVERIFY(dialog->isRunning());
        dialog->reject();
        QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 5000);
        QVERIFY(frame()->isVisible());
        QVERIFY(m_fixture->launched.isEmpty());
        QVERIFY(grid->openEditor()); // editing is back
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 5000);
    QTRY_VERIFY(!frame()->isVisible());
    QCOMPARE(m_fixture->messages().size(), 1);
    QCOMPARE(child->document()->image(), before);
    QCOMPARE(m_fixture->launched.size(), restart ? 1 : 0);
#endif
}

void TestMainFrame::closeDuringTransferAsksAboutEdits_data()
{
    QTest::addColumn<bool>("endFirst");
    QTest::addColumn<QMessageBox::StandardButton>("saveAnswer");
    QTest::newRow("Yes before the read ends, then Discard for both documents")
        << false << QMessageBox::Discard;
    QTest::newRow("the read ends before the answer, then Cancel keeps the program")
        << true << QMessageBox::Cancel;
}

// Whatever ends first, the transfer or the question about it, every document
// with unsaved edits is asked about before the program goes.
void TestMainFrame::closeDuringTransferAsksAboutEdits()
{
#ifdef Q_OS_WIN
    QSKIP("the radio on a pseudo-terminal is Linux's");
#else
    QFETCH(bool, endFirst);
    QFETCH(QMessageBox::StandardButton, saveAnswer);
    ServedRadio radio(NewImage(), {}, !endFirst); // paced: Yes comes while the read runs
    QVERIFY(startWith(AppFixture::ini("English")));
    SetByte(frame()->activeChild()->document(), ImageMap::kPowerOnName, 0x0A);
    CChildFrame *second = frame()->documents()->createNew();
    SetByte(second->document(), ImageMap::kPowerOnName, 0x0B);
    g_strComPort = radio.path(); // after the new view, which takes the stored port
    action(kCmdRead)->trigger();
    QPointer<CProcessDlg> dialog = DialogCommands::TransferDialog();
    QVERIFY(dialog);
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(dialog->countText()->text().toInt() >= 1, 20000);

    QList<QMessageBox::StandardButtons> asked;
    QList<QMessageBox::StandardButton> saveAnswers {saveAnswer, saveAnswer};
    const auto restore = qScopeGuard([] {
        UiServices::SetMessageFunction(
            [](QWidget *, const QString &, const QString &, QMessageBox::Icon,
                QMessageBox::StandardButtons buttons) {
                return buttons == QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::Cancel;
            });
    });
    UiServices::SetMessageFunction([&](QWidget *, const QString &, const QString &,
                                       QMessageBox::Icon, QMessageBox::StandardButtons buttons) {
        asked << buttons;
        if (buttons == (QMessageBox::Yes | QMessageBox::No)) {
            if (endFirst) // the user leaves the question open until the read is over
                (void)QTest::qWaitFor([&] { return dialog.isNull(); }, 60000);
            return QMessageBox::Yes;
        }
        if (buttons == QMessageBox::Ok)
            return QMessageBox::Ok;
        return saveAnswers.isEmpty() ? QMessageBox::Cancel : saveAnswers.takeFirst();
    });
    frame()->close();
    QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 60000);
    const bool exits = saveAnswer == QMessageBox::Discard;
    const auto save = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    QList<QMessageBox::StandardButtons> expected {QMessageBox::Yes | QMessageBox::No, save};
    if (exits)
        expected << save;
    QTRY_COMPARE(asked, expected);
    QTRY_COMPARE(frame()->isVisible(), !exits);
    if (!exits) {
        QVERIFY(!DialogCommands::TransferDialogOpen());
        QCOMPARE(frame()->documents()->children().size(), 2);
    }
#endif
}

// The real message box of a question about a running transfer closes by
// itself when the transfer goes, and its answer then is no button at all.
void TestMainFrame::questionGoesWithItsSubject()
{
    UiServices::SetMessageFunction(nullptr);
    const auto restore = qScopeGuard([] {
        UiServices::SetMessageFunction(
            [](QWidget *, const QString &, const QString &, QMessageBox::Icon,
                QMessageBox::StandardButtons buttons) {
                return buttons == QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::Cancel;
            });
    });
    auto *subject = new QObject;
    QTimer::singleShot(100, subject, &QObject::deleteLater);
    QElapsedTimer shown;
    shown.start();
    QCOMPARE(UiServices::MessageWhile(subject, nullptr, QString(), QStringLiteral("Still running?"),
                 QMessageBox::Question, QMessageBox::Yes | QMessageBox::No),
        QMessageBox::NoButton);
    QVERIFY(shown.elapsed() < AppFixture::kStrandedAfterMs);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestMainFrame::wheelRuleInEveryDialog_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("controls"); // at least this many pick lists and spin boxes
    QTest::newRow("Optional Features") << int(kCmdOptionFeatures) << 10;
    QTest::newRow("Product Information") << int(kCmdProductInfo) << 2;
    QTest::newRow("Sql Adjust") << int(kCmdSqlAdjust) << 0;
    QTest::newRow("COM Setup") << int(kCmdComSetup) << 0;
    QTest::newRow("Language") << int(kCmdLanguage) << 0;
    QTest::newRow("About") << int(kCmdAppAbout) << 0;
#ifndef Q_OS_WIN // Windows shows its own page set-up dialog there, not a Qt window
    QTest::newRow("Print Setup") << int(kCmdPrintSetup) << 1;
#endif
    QTest::newRow("Print Preview") << int(kCmdPrintPreview) << 1;
    QTest::newRow("Open Backup") << int(kCmdOpenBackup) << 0;
}

// The wheel over any pick list or spin box of a dialog changes nothing, and the
// wheel gives none of them the focus (so no arrow key changes it unasked).
void TestMainFrame::wheelRuleInEveryDialog()
{
    QFETCH(int, command);
    QFETCH(int, controls);
    QVERIFY(startWith(AppFixture::ini("English")));
    int found = 0;
    QStringList changed;
    QStringList wheelFocus;
    QString dialogClass;
    const auto valueOf = [](QWidget *control) -> QString {
        if (auto *list = qobject_cast<QComboBox *>(control))
            return QString::number(list->currentIndex()) + QLatin1Char('/') + list->currentText();
        return static_cast<QAbstractSpinBox *>(control)->text();
    };
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        answer.stop();
        dialogClass = QString::fromLatin1(dialog->metaObject()->className());
        const auto widgets = dialog->findChildren<QWidget *>();
        for (QWidget *control : widgets) {
            if (!qobject_cast<QComboBox *>(control) && !qobject_cast<QAbstractSpinBox *>(control))
                continue;
            if (!control->isVisibleTo(dialog) || !control->isEnabled())
                continue;
            ++found;
            const QString name = control->objectName() + QLatin1Char(' ')
                + QString::fromLatin1(control->metaObject()->className());
            const QString before = valueOf(control);
            for (int delta : {-120, 120, -120}) {
                QWheelEvent wheel(QPointF(4, 4), control->mapToGlobal(QPointF(4, 4)), QPoint(),
                    QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(control, &wheel);
            }
            if (valueOf(control) != before)
                changed << name;
            if (control->focusPolicy() == Qt::WheelFocus)
                wheelFocus << name;
        }
        dialog->reject();
    });
    answer.start(0);
    action(command)->trigger();
    answer.stop();
    QVERIFY2(!dialogClass.isEmpty(), "no dialog opened");
    QVERIFY2(found >= controls, qPrintable(QString::number(found)));
    QVERIFY2(changed.isEmpty(), qPrintable(changed.join(QLatin1String(", "))));
    QVERIFY2(wheelFocus.isEmpty(), qPrintable(wheelFocus.join(QLatin1String(", "))));
}

// A document window fills the document area, and its columns share the width.
void TestMainFrame::documentWindowSize()
{
    QVERIFY(startWith(AppFixture::ini("English")));
    frame()->showNormal();
    frame()->resize(1300, 700);
    CChildFrame *child = frame()->activeChild();
    QVERIFY(child->isMaximized());
    QTRY_COMPARE(child->size(), frame()->client()->viewport()->size());
    ChannelGrid *grid = child->view()->grid();
    int total = 0;
    for (int column = 0; column < kChannelColumns; ++column)
        total += grid->columnWidth(column);
    QCOMPARE(total, grid->viewport()->width());
    const int wideName = grid->columnWidth(kColName);

    // Narrower than the columns need: each keeps its least width, and the grid
    // scrolls; narrower than the band boxes, the whole form scrolls.
    frame()->resize(400, 300);
    QTRY_COMPARE(child->size(), frame()->client()->viewport()->size());
    QTRY_VERIFY(grid->horizontalScrollBar()->maximum() > 0);
    QVERIFY(grid->columnWidth(kColName) < wideName);
    auto *form = qobject_cast<QScrollArea *>(child->widget());
    QVERIFY(form);
    QTRY_VERIFY(form->horizontalScrollBar()->maximum() > 0);

    QCOMPARE(ColumnStretcher::stretched({10, 30}, 80), QVector<int>({20, 60}));
    QCOMPARE(ColumnStretcher::stretched({10, 30}, 41), QVector<int>({10, 31}));
    QCOMPARE(ColumnStretcher::stretched({10, 30}, 20), QVector<int>({10, 30}));
    QCOMPARE(ColumnStretcher::stretched({}, 20), QVector<int>());
}

QTEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
