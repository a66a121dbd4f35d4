// No lost work: New, Open and Close ask about unsaved edits, hidden documents
// stay reachable through the Window menu, recent files, dropped files, and the
// keyboard's place when a document opens.
#include "app/childframe.h"
#include "app/commandids.h"
#include "app/documentcommands.h"
#include "app/frameactions.h"
#include "app/mainframe.h"
#include "app/recentfiles.h"
#include "appfixture.h"
#include "channels/channelcodec.h"
#include "channelview/bandlimitboxes.h"
#include "channelview/channelgrid.h"
#include "channelview/programview.h"
#include "document/programdoc.h"
#include "files/filelock.h"
#include "settings/messages.h"
#include "settings/usersettings.h"
#include "support/channelimages.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace {

const QString kUnsaved
    = QStringLiteral("The document \"%1\" has changes that were not saved.\nSave them now?");
const QMessageBox::StandardButtons kSaveDiscardCancel
    = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;

} // namespace

class TestDocumentCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init();
    void cleanup() { m_fixture.reset(); }

    void newWithUnsavedEdits_data();
    void newWithUnsavedEdits();
    void openWithUnsavedEdits_data();
    void openWithUnsavedEdits();
    void closeWithUnsavedEdits_data();
    void closeWithUnsavedEdits();
    void saveOverAFileOfAnotherSize_data();
    void saveOverAFileOfAnotherSize();
    void fileHeldByAnotherProcess_data();
    void fileHeldByAnotherProcess();
    void typedValueGoesInFirst_data();
    void typedValueGoesInFirst();
    void windowMenuShowsHiddenDocuments();
    void recentFiles();
    void droppedFileOpens();
    void keyboardStartsAtFirstCell();

private:
    CMainFrame *frame() const { return m_fixture->app()->mainFrame(); }
    DocumentCommands *documents() const { return frame()->documents(); }
    QAction *action(int id) const { return frame()->actions()->action(id); }
    QString path(const char *name) const { return m_fixture->dir() + QLatin1Char('/') + name; }
    // A file with byte 0x1500 (no editor owns it) set to marker.
    QString imageFile(const char *name, int marker) const;

    std::unique_ptr<AppFixture> m_fixture;
    QString m_chosen; // what the file dialog answers
};

void TestDocumentCommands::init()
{
    m_fixture = std::make_unique<AppFixture>();
    QVERIFY(m_fixture->startIn("English"));
    UserSettings::SetRecentFiles({});
    m_chosen.clear();
    documents()->setFileNameFunction([this](QWidget *, bool, const QString &) { return m_chosen; });
}

QString TestDocumentCommands::imageFile(const char *name, int marker) const
{
    MemoryImage image = NewImage();
    image[0x1500] = quint8(marker);
    const QString file = path(name);
    WriteFile(file, ImageBytes(image));
    return file;
}

void TestDocumentCommands::newWithUnsavedEdits_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("written");
    QTest::newRow("saved, Cancel keeps the document")
        << false << QMessageBox::Cancel << false << false;
    QTest::newRow("saved, OK clears it, undoably") << false << QMessageBox::Ok << true << false;
    QTest::newRow("Cancel keeps the edits") << true << QMessageBox::Cancel << false << false;
    QTest::newRow("Discard clears") << true << QMessageBox::Discard << true << false;
    QTest::newRow("Save writes, then clears") << true << QMessageBox::Save << true << true;
}

void TestDocumentCommands::newWithUnsavedEdits()
{
    QFETCH(bool, modified);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, cleared);
    QFETCH(bool, written);
    CChildFrame *child = frame()->activeChild();
    CProgramDoc *doc = child->document();
    SetByte(doc, ImageMap::kPowerOnName, 0x0A);
    if (!modified)
        doc->undoStack()->setClean(); // as saved: nothing to ask about
    m_chosen = path("kept.dat");
    m_fixture->answerMessages({answer});

    action(kCmdFileNew)->trigger();

    // The question about the edits takes the place of "All data will be Cleared!".
    QCOMPARE(m_fixture->messages().size(), 1);
    QCOMPARE(m_fixture->messages()[0].text,
        modified ? kUnsaved.arg(QStringLiteral("Channel Information"))
                 : QStringLiteral("All data will be Cleared!"));
    QCOMPARE(m_fixture->messages()[0].buttons,
        modified ? kSaveDiscardCancel : QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(frame()->activeChild(), child);
    QCOMPARE(documents()->children().size(), 1);
    QCOMPARE(doc->title(), QStringLiteral("Channel Information"));
    QCOMPARE(int(doc->image()[ImageMap::kPowerOnName]), cleared ? 0xFF : 0x0A);
    QCOMPARE(QFileInfo(m_chosen).size(), written ? qint64(kImageSize) : 0);
    if (modified)
        QCOMPARE(doc->IsModified(), !cleared); // a new image has nothing to save
    if (written)
        QCOMPARE(quint8(ReadFile(m_chosen).at(ImageMap::kPowerOnName)), quint8(0x0A));
    if (cleared) {
        action(kCmdEditUndo)->trigger();
        QCOMPARE(int(doc->image()[ImageMap::kPowerOnName]), 0x0A);
    }
}

void TestDocumentCommands::openWithUnsavedEdits_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("opened");
    QTest::newRow("untouched: no question") << false << QMessageBox::Cancel << true;
    QTest::newRow("Cancel keeps everything") << true << QMessageBox::Cancel << false;
    QTest::newRow("Discard drops the edits") << true << QMessageBox::Discard << true;
}

void TestDocumentCommands::openWithUnsavedEdits()
{
    QFETCH(bool, modified);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, opened);
    // The document to leave came from a file, so Discard has a saved state to return to.
    const QString first = imageFile("first.dat", 0x11);
    QVERIFY(documents()->open(first));
    CChildFrame *child = frame()->activeChild();
    if (modified)
        SetByte(child->document(), ImageMap::kPowerOnName, 0x0A);
    const QString second = imageFile("second.dat", 0x22);
    m_chosen = second;
    m_fixture->answerMessages({answer});

    action(kCmdFileOpen)->trigger();

    QCOMPARE(m_fixture->messages().size(), modified ? 1 : 0);
    if (modified) {
        QCOMPARE(m_fixture->messages()[0].text, kUnsaved.arg(QStringLiteral("first.dat")));
        QCOMPARE(m_fixture->messages()[0].buttons, kSaveDiscardCancel);
    }
    QCOMPARE(documents()->children().size(), opened ? 3 : 2);
    QCOMPARE(frame()->activeChild() == child, !opened);
    QCOMPARE(child->isHidden(), opened);
    CProgramDoc *doc = child->document();
    const bool kept = answer != QMessageBox::Discard;
    QCOMPARE(int(doc->image()[ImageMap::kPowerOnName]), modified && kept ? 0x0A : 0xFF);
    QCOMPARE(doc->IsModified(), modified && answer == QMessageBox::Cancel);
    QCOMPARE(quint8(ReadFile(first).at(ImageMap::kPowerOnName)),
        quint8(answer == QMessageBox::Save && modified ? 0x0A : 0xFF));
    if (opened)
        QCOMPARE(int(frame()->activeChild()->document()->image()[0x1500]), 0x22);
}

void TestDocumentCommands::closeWithUnsavedEdits_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("an untouched opened file closes without a question")
        << false << QMessageBox::Cancel << true;
    QTest::newRow("Cancel keeps the window") << true << QMessageBox::Cancel << false;
    QTest::newRow("Discard returns to the file and hides") << true << QMessageBox::Discard << true;
}

void TestDocumentCommands::closeWithUnsavedEdits()
{
    QFETCH(bool, modified);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, hidden);
    QVERIFY(documents()->open(imageFile("radio.dat", 0x33)));
    CChildFrame *child = frame()->activeChild();
    if (modified)
        SetByte(child->document(), ImageMap::kPowerOnName, 0x0A);
    m_fixture->answerMessages({answer});

    child->close(); // the close box; File > Close takes the same way

    QCOMPARE(m_fixture->messages().size(), modified ? 1 : 0);
    QCOMPARE(child->isHidden(), hidden);
    QCOMPARE(child->document()->IsModified(), modified && !hidden);
    // The window left behind takes no document commands until it is shown again.
    for (int id : {kCmdFileSave, kCmdFileClose, kCmdPrint, kCmdRead, kCmdOptionFeatures})
        QCOMPARE(action(id)->isEnabled(), !hidden);
    QCOMPARE(action(kCmdEditUndo)->isEnabled(), !hidden);
    QVERIFY(action(kCmdChannelInfo)->isEnabled());
}

void TestDocumentCommands::windowMenuShowsHiddenDocuments()
{
    CChildFrame *first = frame()->activeChild();
    QVERIFY(documents()->open(imageFile("b&w.dat", 0x44)));
    QVERIFY(first->isHidden());
    SetByte(frame()->activeChild()->document(), ImageMap::kPowerOnName, 0x0A);

    QMenu *menu = frame()->actions()->windowMenu();
    Q_EMIT menu->aboutToShow();
    QStringList texts;
    for (const QAction *item : menu->actions())
        texts << item->text() + (item->isChecked() ? QStringLiteral(" [checked]") : QString());
    QCOMPARE(texts,
        QStringList(
            {QStringLiteral("&1 Channel Information"), QStringLiteral("&2 b&&w.dat * [checked]")}));
    QCOMPARE(menu->actions().at(0)->property(kCommandIdProperty).toInt(), int(kCmdWindowFirst));

    menu->actions().at(0)->trigger();
    QCOMPARE(frame()->activeChild(), first);
    QVERIFY(!first->isHidden());
    QVERIFY(first->isMaximized()); // back as it was
    QCOMPARE(first->focusWidget(), first->view()->grid()->openEditor());
    QVERIFY(action(kCmdFileSave)->isEnabled());
}

void TestDocumentCommands::recentFiles()
{
    RecentFiles *recent = frame()->recentFiles();
    QMenu *menu = frame()->actions()->recentFilesMenu();
    Q_EMIT menu->aboutToShow();
    QVERIFY(!menu->menuAction()->isEnabled());
    QStringList opened;
    for (int i = 0; i < RecentFiles::kMaxFiles + 2; ++i) {
        const QByteArray name = "file" + QByteArray::number(i) + ".dat";
        opened.prepend(imageFile(name.constData(), i));
        QVERIFY(documents()->open(opened.constFirst()));
    }
    // Saving under a name counts too, and a file used again moves to the top.
    m_chosen = path("saved.dat");
    action(kCmdFileSaveAs)->trigger();
    opened.prepend(m_chosen);
    QVERIFY(documents()->open(opened.at(3))); // open already: its window is shown
    opened.move(3, 0);
    QCOMPARE(recent->files(), opened.mid(0, RecentFiles::kMaxFiles));
    Q_EMIT menu->aboutToShow();
    QCOMPARE(menu->actions().size(), RecentFiles::kMaxFiles);
    QVERIFY(menu->actions().at(1)->text().startsWith(QStringLiteral("&2 ")));
    QVERIFY(menu->actions().at(1)->text().endsWith(QStringLiteral("saved.dat")));
    QCOMPARE(
        menu->actions().at(1)->property(kCommandIdProperty).toInt(), int(kCmdFileRecentFirst) + 1);

    // A file that is gone is taken off the list with a message; nothing opens.
    QVERIFY(QFile::remove(opened.at(2)));
    const int windows = documents()->children().size();
    menu->actions().at(2)->trigger();
    QCOMPARE(m_fixture->messages().size(), 1);
    QVERIFY(m_fixture->messages()[0].text.contains(QStringLiteral("no longer exists")));
    opened.removeAt(2);
    QCOMPARE(recent->files(), opened.mid(0, RecentFiles::kMaxFiles - 1));
    QCOMPARE(documents()->children().size(), windows);

    // Choosing one shows its document.
    recent->choose(RecentFiles::kMaxFiles - 2);
    QCOMPARE(frame()->activeChild()->document()->pathName(), opened.at(RecentFiles::kMaxFiles - 2));
}

void TestDocumentCommands::droppedFileOpens()
{
    const QString file = imageFile("dropped.dat", 0x55);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file), QUrl::fromLocalFile(path("notes.txt"))});
    // Over a band box, whose text would otherwise take the file's name.
    QWidget *target = frame()->activeChild()->view()->bandBoxes();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());
    QTRY_COMPARE(frame()->activeChild()->document()->pathName(), file);

    QMimeData text;
    text.setText(QStringLiteral("146.52"));
    QDragEnterEvent other(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    other.ignore();
    QApplication::sendEvent(frame(), &other);
    QVERIFY(!other.isAccepted());
}

void TestDocumentCommands::keyboardStartsAtFirstCell()
{
    const auto check = [this] {
        ChannelGrid *grid = frame()->activeChild()->view()->grid();
        QCOMPARE(grid->currentIndex(), grid->model()->index(0, kColRx));
        QVERIFY(grid->openEditor());
        QCOMPARE(frame()->activeChild()->focusWidget(), grid->openEditor());
    };
    check(); // at start-up
    ChannelGrid *grid = frame()->activeChild()->view()->grid();
    grid->setCurrentIndex(grid->model()->index(5, kColName));
    m_fixture->answerMessages({QMessageBox::Ok});
    action(kCmdFileNew)->trigger();
    check();
    QVERIFY(documents()->open(imageFile("keys.dat", 1)));
    check();
}

// Open ignored the file's bytes past the image; Save would lose them, so it asks.
void TestDocumentCommands::saveOverAFileOfAnotherSize_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("Yes replaces it") << QMessageBox::Yes;
    QTest::newRow("No keeps it") << QMessageBox::No;
}

void TestDocumentCommands::saveOverAFileOfAnotherSize()
{
    QFETCH(QMessageBox::StandardButton, answer);
    const QString file = imageFile("long.dat", 7);
    const QByteArray longer = ReadFile(file) + QByteArray(100, 'x');
    QVERIFY(WriteFile(file, longer));
    QVERIFY(documents()->open(file));

    m_fixture->answerMessages({answer});
    action(kCmdFileSave)->trigger();
    QCOMPARE(m_fixture->messages().size(), 1);
    QVERIFY2(m_fixture->messages()[0].text.startsWith(
                 QStringLiteral("%1 is 8292 bytes, not an 8192-byte image.")
                     .arg(QDir::toNativeSeparators(file))),
        qPrintable(m_fixture->messages()[0].text));
    QCOMPARE(m_fixture->messages()[0].buttons, QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes) {
        QCOMPARE(ReadFile(file).size(), kImageSize);
        QCOMPARE(ReadFile(file).at(0x1500), char(7));
    } else {
        QCOMPARE(ReadFile(file), longer);
    }
}

// A value still in an open cell editor is the latest edit: a command that takes
// the document as a whole commits it first, and the message of a refused value
// comes before the command's own question.
void TestDocumentCommands::fileHeldByAnotherProcess_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer"); // to "save under another name?"
    QTest::newRow("Yes saves under another name") << QMessageBox::Yes;
    QTest::newRow("No saves nothing") << QMessageBox::No;
}

// A file whose lock another process holds: the open says so at once, and Save
// offers Save As instead of only refusing.
void TestDocumentCommands::fileHeldByAnotherProcess()
{
    QFETCH(QMessageBox::StandardButton, answer);
    const QString held = imageFile("held.dat", 0x11);
    const QByteArray before = ReadFile(held);
    FileLock other(held);
    QVERIFY(other.lock().ok());

    QVERIFY(documents()->open(held));
    QCOMPARE(m_fixture->messages().size(), 1);
    QVERIFY2(m_fixture->messages()[0].text.contains(QStringLiteral("is in use by another process")),
        qPrintable(m_fixture->messages()[0].text));
    QVERIFY(m_fixture->messages()[0].text.contains(QStringLiteral("Save As")));

    SetByte(frame()->activeChild()->document(), ImageMap::kPowerOnName, 0x0A);
    m_chosen = path("copy.dat");
    m_fixture->answerMessages({answer});
    action(kCmdFileSave)->trigger();

    QCOMPARE(m_fixture->messages().size(), 2);
    QCOMPARE(m_fixture->messages()[1].buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(ReadFile(held), before);
    const bool saved = answer == QMessageBox::Yes;
    QCOMPARE(QFileInfo::exists(m_chosen), saved);
    QCOMPARE(frame()->activeChild()->document()->IsModified(), !saved);
    if (saved)
        QCOMPARE(frame()->activeChild()->document()->pathName(), m_chosen);
}

void TestDocumentCommands::typedValueGoesInFirst_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("typed"); // into Rx of channel 10, which holds 145.50000
    QTest::addColumn<QString>("after"); // Rx of channel 10 after the command
    QTest::addColumn<QStringList>("messages");
    const QString unsaved = kUnsaved.arg(QStringLiteral("typed.dat"));
    QTest::newRow("Save writes it") << int(kCmdFileSave) << "146.525"
                                    << "146.52500" << QStringList();
    QTest::newRow("Edit > Undo takes it back as the latest edit") << int(kCmdEditUndo) << "146.525"
                                                                  << "145.50000" << QStringList();
    QTest::newRow("Close asks about it") << int(kCmdFileClose) << "146.525"
                                         << "146.52500" << QStringList {unsaved};
    QTest::newRow("a refused value's message comes before the question")
        << int(kCmdFileClose) << "300"
        << "" << QStringList {MessageText(kMsgOutOfRange), unsaved};
}

void TestDocumentCommands::typedValueGoesInFirst()
{
    QFETCH(int, command);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(QStringList, messages);
    const QString file = imageFile("typed.dat", 1);
    QVERIFY(documents()->open(file));
    CChildFrame *child = frame()->activeChild();
    CProgramDoc *doc = child->document();
    QVERIFY(doc->commitCell(10, kColRx, NewChannelTexts(QStringLiteral("145.50000"), false)));
    QVERIFY(documents()->save(child));
    ChannelGrid *grid = child->view()->grid();
    grid->setCurrentIndex(grid->model()->index(10, kColRx));
    QVERIFY(grid->openEditor());
    QTest::keyClicks(grid->openEditor(), typed);
    // The keyboard goes elsewhere; the typed value stays in its editor.
    child->view()->bandBoxes()->box(BandBox::VhfLow)->setFocus();

    action(command)->trigger();
    QStringList shown;
    for (const MessageRecorder::Shown &message : m_fixture->messages())
        shown << message.text;
    QCOMPARE(shown, messages);
    QCOMPARE(doc->rowTexts(10)[kColRx], after);
    if (command == kCmdFileSave)
        QCOMPARE(ReadFile(file), ImageBytes(doc->image()));
}

QTEST_MAIN(TestDocumentCommands)
#include "tst_documentcommands.moc"
