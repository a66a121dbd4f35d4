// File > Open Backup, Compare With, Import CSV and Export CSV in the running
// program: the windows they open answered by the test, the documents they make
// or change, and the files they refuse or write.
#include "app/childframe.h"
#include "app/commandids.h"
#include "app/documentcommands.h"
#include "app/frameactions.h"
#include "app/imagefilecommands.h"
#include "app/mainframe.h"
#include "app/treecontrolbar.h"
#include "appfixture.h"
#include "backups/backupstore.h"
#include "channelview/channelgrid.h"
#include "channelview/programview.h"
#include "dialogview/backupsdlg.h"
#include "dialogview/comparedlg.h"
#include "dialogview/csvimportdlg.h"
#include "dialogview/latestlinklog.h"
#include "document/programdoc.h"
#include "image/datfile.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <sys/stat.h>

namespace {

// Runs handle on the next modal dialog of type Dialog that opens. A dialog that
// handle leaves open (a button it clicks is disabled, a check in it failed) is
// rejected, so the test goes on to fail instead of waiting.
template<typename Dialog>
void OnNextDialog(std::function<void(Dialog *)> handle)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, handle] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            QPointer<Dialog> open = dialog;
            handle(dialog);
            if (open && open->isVisible()) {
                QTest::qFail("the dialog was left open", __FILE__, __LINE__);
                open->reject();
            }
        }
    });
    timer->start(10);
}

void SetChannel(CProgramDoc *doc, int record, const QString &rx)
{
    QVERIFY(doc->commitCell(record, kColRx, NewChannelTexts(rx, false)));
}

} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init();
    void cleanup() { m_fixture.reset(); }

    void openBackupIsANewUntitledDocument();
    void compareGoesToTheCell();
    void compareSaysWhatOpeningSet_data();
    void compareSaysWhatOpeningSet();
    void importThenCtrlZ();
    void importRefusesWhatIsNoCsvFile_data();
    void importRefusesWhatIsNoCsvFile();
    void exportWritesTheChosenFormat_data();
    void exportWritesTheChosenFormat();
    void saveLinkLog_data();
    void saveLinkLog();

private:
    CMainFrame *frame() const { return m_fixture->app()->mainFrame(); }
    QAction *action(int id) const { return frame()->actions()->action(id); }
    CProgramDoc *document() const { return frame()->activeChild()->document(); }
    QString path(const char *name) const { return m_fixture->dir() + QLatin1Char('/') + name; }
    // The next file the commands ask for is path (and, for an export, layout).
    void chooseFile(const QString &file, CsvLayout layout = CsvLayout::Grid);

    std::unique_ptr<AppFixture> m_fixture;
};

void TestFileCommands::init()
{
    m_fixture = std::make_unique<AppFixture>();
    QVERIFY(m_fixture->startIn("English"));
    QDir(BackupStore::defaultFolder()).removeRecursively();
}

void TestFileCommands::chooseFile(const QString &file, CsvLayout layout)
{
    frame()->imageFiles()->setFileNameFunction(
        [file, layout](QWidget *, ImageFileCommands::FileRequest, const QString &, CsvLayout *l) {
            if (l)
                *l = layout;
            return file;
        });
}

void TestFileCommands::openBackupIsANewUntitledDocument()
{
    CChildFrame *first = frame()->activeChild();
    MemoryImage radio = NewImage();
    EncodeChannel(radio, 3, NewChannelTexts(QStringLiteral("145.00000"), false));
    QString kept;
    QVERIFY(BackupStore().keep(radio, BackupKind::Radio, &kept).ok());
    const QByteArray backupBytes = ReadFile(kept);
    OnNextDialog<CBackupsDlg>([](CBackupsDlg *dialog) { dialog->okButton()->click(); });

    action(kCmdOpenBackup)->trigger();

    QVERIFY(frame()->activeChild() != first);
    QVERIFY(first->isHidden());
    const QString name = QFileInfo(kept).fileName();
    QCOMPARE(document()->title(), name);
    QCOMPARE(document()->rowTexts(3)[kColRx], QStringLiteral("145.00000"));
    QVERIFY(document()->isUntitled());
    QVERIFY(!document()->IsModified());

    // Save asks for a name (proposing the copy's) instead of writing over the copy.
    QStringList asked;
    frame()->documents()->setFileNameFunction([&](QWidget *, bool save, const QString &proposed) {
        asked << QStringLiteral("%1 %2").arg(save).arg(proposed);
        return QString();
    });
    action(kCmdFileSave)->trigger();
    QCOMPARE(asked, QStringList {QStringLiteral("1 ") + name});
    QCOMPARE(ReadFile(kept), backupBytes);
}

void TestFileCommands::compareGoesToTheCell()
{
    SetChannel(document(), 5, QStringLiteral("145.00000"));
    MemoryImage other = document()->image();
    EncodeChannel(other, 5, NewChannelTexts(QStringLiteral("146.00000"), false));
    other[0x1FC0] = 0xFE; // Beep off
    other[50 * 16] = 0x12; // the record of an empty channel: no field shows it
    QVERIFY(SaveDatFile(path("other.dat"), other).ok());
    chooseFile(path("other.dat"));
    OnNextDialog<CBackupsDlg>([](CBackupsDlg *dialog) { dialog->otherFileButton()->click(); });

    CChildFrame *child = frame()->activeChild();
    child->showMaximized();
    action(kCmdCompareWith)->trigger();

    auto *window = frame()->findChild<CCompareDlg *>();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->summary()->text(),
        QStringLiteral("The document \"Channel Information\" and \"other.dat\" differ in 4 "
                       "places. Double-click a channel to go to it in the table."));
    const auto lines = [window](DiffGroup group) {
        QStringList texts;
        for (int i = 0; i < window->group(group)->childCount(); ++i) {
            const QTreeWidgetItem *item = window->group(group)->child(i);
            texts << QStringList {item->text(0), item->text(1), item->text(2)}.join(u'|');
        }
        return texts;
    };
    QCOMPARE(lines(DiffGroup::Channels),
        QStringList({"Channel 5, Rx Frequency|145.00000|146.00000",
            "Channel 5, Tx Frequency|145.00000|146.00000"}));
    QCOMPARE(lines(DiffGroup::Settings), QStringList({"Beep|On|Off"}));
    QCOMPARE(lines(DiffGroup::OtherBytes), QStringList({"0x0320|FF|12"}));
    QTreeWidgetItem *txCell = window->group(DiffGroup::Channels)->child(1);
    const QPoint pos = window->tree()->visualItemRect(txCell).center();
    QTest::mouseClick(window->tree()->viewport(), Qt::LeftButton, {}, pos);
    QTest::mouseDClick(window->tree()->viewport(), Qt::LeftButton, {}, pos);
    const QModelIndex current = frame()->activeChild()->view()->grid()->currentIndex();
    QCOMPARE(current.row(), 5);
    QCOMPARE(current.column(), int(kColTx));
    QVERIFY(child->isMaximized()); // the window as it was, not made small

    // The list follows the document's edits, and Undo brings the lines back.
    SetChannel(document(), 5, QStringLiteral("146.00000"));
    QVERIFY(!window->group(DiffGroup::Channels));
    QCOMPARE(lines(DiffGroup::Settings), QStringList({"Beep|On|Off"}));
    document()->undoStack()->undo();
    QCOMPARE(window->group(DiffGroup::Channels)->childCount(), 2);
    // Refresh reads the other file again.
    other[0x1FC0] = 0xFF;
    QVERIFY(SaveDatFile(path("other.dat"), other).ok());
    window->refreshButton()->click();
    QVERIFY(!window->group(DiffGroup::Settings));
    QCOMPARE(window->summary()->text(),
        QStringLiteral("The document \"Channel Information\" and \"other.dat\" differ in 3 "
                       "places. Double-click a channel to go to it in the table."));
}

void TestFileCommands::compareSaysWhatOpeningSet_data()
{
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("line");
    QTest::newRow("English") << QByteArray("English")
                             << "The document \"radio.dat\" and \"radio.dat\" differ in 1 "
                                "place. Double-click a channel to go to it in the table."
                             << "Stored Frequency|136-174MHz (set from your product choice when "
                                "the file was opened)|(not set)";
    QTest::newRow("Chinese") << QByteArray(
        "Chinese") << "文档“radio.dat”与“radio.dat”有 1 处不同。双击信道可转到表格中的该信道。"
                             << "存储的频率|136-174MHz (打开文件时按您选择的产品设置)|(未设置)";
}

// A file whose product range bytes are erased, opened and compared with itself:
// the one difference is the range that opening filled in, and the window says so.
void TestFileCommands::compareSaysWhatOpeningSet()
{
    QFETCH(QByteArray, language);
    QFETCH(QString, summary);
    QFETCH(QString, line);
    m_fixture = std::make_unique<AppFixture>();
    QVERIFY(m_fixture->startIn(language));
    const QString file = path("radio.dat");
    QVERIFY(SaveDatFile(file, NewImage()).ok());
    QVERIFY(frame()->documents()->open(file));
    chooseFile(file);
    OnNextDialog<CBackupsDlg>([](CBackupsDlg *dialog) { dialog->otherFileButton()->click(); });

    action(kCmdCompareWith)->trigger();

    auto *window = frame()->findChild<CCompareDlg *>();
    QVERIFY(window);
    QCOMPARE(window->summary()->text(), summary);
    QTreeWidgetItem *item = window->group(DiffGroup::Settings)->child(0);
    QCOMPARE(QStringList({item->text(0), item->text(1), item->text(2)}).join(u'|'), line);
}

void TestFileCommands::importThenCtrlZ()
{
    SetChannel(document(), 2, QStringLiteral("145.00000"));
    document()->undoStack()->setClean();
    const MemoryImage before = document()->image();
    const QByteArray csv = "CH,Rx Frequency,Cha Name\n1,146.00000,ONE\n";
    QVERIFY(WriteFile(path("list.csv"), csv));
    MemoryImage expected = before;
    QVERIFY(ImportChannelsCsv(csv, expected, true).ok());
    chooseFile(path("list.csv"));
    OnNextDialog<CCsvImportDlg>([](CCsvImportDlg *dialog) {
        dialog->replaceCheck()->click();
        dialog->okButton()->click();
    });

    action(kCmdImportCsv)->trigger();

    QVERIFY(document()->image() == expected); // the bytes the import gives, nothing else
    QCOMPARE(document()->rowTexts(1)[kColName], QStringLiteral("ONE"));
    QVERIFY(document()->rowTexts(2)[kColRx].isEmpty());
    QCOMPARE(document()->undoStack()->undoText(), QStringLiteral("Import list.csv"));
    frame()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame()));
    frame()->controlBar()->tree()->setFocus(); // not a cell editor, which has its own Ctrl+Z
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(document()->image() == before);
    QVERIFY(!document()->IsModified());
}

void TestFileCommands::importRefusesWhatIsNoCsvFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message"); // its start; the path follows
    // A missing file or a folder is refused as the FIFO is: not a regular file.
    QTest::newRow("a FIFO is never read") << "fifo"
                                          << "%1 is not a file that can be imported.";
    QTest::newRow("far too large") << "large"
                                   << "%1 is too large for a list of channels";
}

void TestFileCommands::importRefusesWhatIsNoCsvFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    const QString file = path("input");
    if (kind == QLatin1String("fifo"))
        MAKE_FIFO(file);
    else if (kind == QLatin1String("large"))
        QVERIFY(QFile(file).open(QIODevice::WriteOnly) && QFile(file).resize(5 << 20));
    chooseFile(file);
    const MemoryImage before = document()->image();

    action(kCmdImportCsv)->trigger();

    QCOMPARE(m_fixture->messages().size(), 1);
    QVERIFY(
        m_fixture->messages().first().text.startsWith(message.arg(QDir::toNativeSeparators(file))));
    QVERIFY(document()->image() == before);
    QVERIFY(!document()->IsModified());
}

void TestFileCommands::exportWritesTheChosenFormat_data()
{
    QTest::addColumn<CsvLayout>("layout");
    QTest::addColumn<QString>("name"); // where the file is to go
    QTest::newRow("channel table format") << CsvLayout::Grid << "out.csv";
    QTest::newRow("community format") << CsvLayout::Community << "out.csv";
    QTest::newRow("into a folder that does not exist") << CsvLayout::Grid << "none/out.csv";
}

void TestFileCommands::exportWritesTheChosenFormat()
{
    QFETCH(CsvLayout, layout);
    QFETCH(QString, name);
    SetChannel(document(), 4, QStringLiteral("145.00000"));
    const QString file = m_fixture->dir() + QLatin1Char('/') + name;
    chooseFile(file, layout);

    action(kCmdExportCsv)->trigger();

    if (name.contains(QLatin1Char('/'))) {
        QCOMPARE(m_fixture->messages().size(), 1);
        const QString text = m_fixture->messages().first().text;
        QVERIFY2(text.startsWith(QStringLiteral("Saving "))
                && text.contains(QStringLiteral("No file was made")),
            qPrintable(text));
        QVERIFY(!QFile::exists(file));
        return;
    }
    QVERIFY(m_fixture->messages().isEmpty());
    QCOMPARE(ReadFile(file), ExportChannelsCsv(document()->image(), layout));
}

void TestFileCommands::saveLinkLog_data()
{
    QTest::addColumn<bool>("transferred");
    QTest::addColumn<QString>("name"); // where the file is to go; empty: Cancel
    QTest::addColumn<QString>("message"); // the start of the one message shown
    QTest::newRow("no transfer yet") << false << "link.log"
                                     << "There is no link log yet";
    QTest::newRow("saved") << true << "link.log"
                           << "";
    QTest::newRow("cancelled") << true << ""
                               << "";
    QTest::newRow("into a folder that does not exist") << true << "none/link.log"
                                                       << "Saving ";
}

// Help > Save Link Log saves the latest transfer's log as it is; without one it
// says why there is nothing to save, and asks for no file.
void TestFileCommands::saveLinkLog()
{
    QFETCH(bool, transferred);
    QFETCH(QString, name);
    QFETCH(QString, message);
    ForgetLinkLog();
    if (transferred) {
        const std::shared_ptr<LinkTrace> log = StartLinkLog();
        log->portOpened(QStringLiteral("/dev/ttyUSB0"));
        log->sent(QByteArrayLiteral("R\x00\x08\x08"));
    }
    const QString file = name.isEmpty() ? QString() : path(qPrintable(name));
    int asked = 0;
    frame()->imageFiles()->setFileNameFunction(
        [&](QWidget *, ImageFileCommands::FileRequest request, const QString &proposed,
            CsvLayout *) {
            ++asked;
            return request == ImageFileCommands::FileRequest::SaveLinkLog
                    && proposed.endsWith(QStringLiteral(".log"))
                ? file
                : QString();
        });

    action(kCmdSaveLinkLog)->trigger();

    QCOMPARE(asked, transferred ? 1 : 0);
    QCOMPARE(m_fixture->messages().size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QVERIFY2(m_fixture->messages().first().text.startsWith(message),
            qPrintable(m_fixture->messages().first().text));
    if (message.isEmpty() && !file.isEmpty()) {
        QCOMPARE(ReadFile(file), LatestLinkLog()->text());
        QVERIFY(ReadFile(file).endsWith(" > 52 00 08 08\n"));
    }
    ForgetLinkLog();
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
