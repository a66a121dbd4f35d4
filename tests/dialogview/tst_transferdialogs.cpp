// Program > Read and Write through the progress dialog, end to end against the
// simulated radio: in-process ("sim") and on a pseudo-terminal with faults;
// the backup copies they keep and what a verified write reports.
#include "backups/backupstore.h"
#include "channelview/bandlimitboxes.h"
#include "channelview/channeltablemodel.h"
#include "channelview/programview.h"
#include "dialogview/dialogcommands.h"
#include "dialogview/optionfeaturesdlg.h"
#include "dialogview/processdlg.h"
#include "document/programdoc.h"
#include "image/datfile.h"
#include "link/comport.h"
#include "settings/language.h"
#include "settings/messages.h"
#include "settings/usersettings.h"
#include "support/linkfakes.h"
#include "support/messagerecorder.h"
#include "support/servedradio.h"
#include "support/testfiles.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

Q_DECLARE_METATYPE(QList<QMessageBox::StandardButton>)

namespace {

constexpr int kTransferTimeoutMs = 20000;

// A radio memory that differs from a new image in places every reader can see.
MemoryImage RadioMemory()
{
    MemoryImage memory = NewImage();
    memory[ImageMap::kTimeOutTimer] = 0x02;
    memory[ImageMap::kVhfSquelch] = 55;
    memory[ImageMap::kUhfSquelch + 3] = 66;
    memory[ImageMap::kPowerOnName] = 10;
    memory[0x1500] = 0x5A;
    return memory;
}

// A document with its view, as a document window holds them.
struct Session
{
    CProgramDoc doc;
    CProgramView view {&doc};

    Session()
    {
        doc.OnNewDocument();
        view.initialUpdate();
    }
    void setByte(int address, int value)
    {
        MemoryImage updated = doc.image();
        updated[address] = quint8(value);
        doc.changeBytes(updated, QString());
    }
};

// The one backup copy kept since the folder was emptied, or an empty entry.
BackupEntry OnlyBackup()
{
    const QVector<BackupEntry> entries = BackupStore().list();
    return entries.size() == 1 ? entries.first() : BackupEntry {};
}

QByteArray Bytes(const MemoryImage &image)
{
    return QByteArray(reinterpret_cast<const char *>(image.data()), kImageSize);
}

} // namespace

class TestTransferDialogs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_simPath;

    // Runs the armed dialog to its end; returns the count text it showed last.
    static QString runToEnd(CProcessDlg *dialog)
    {
        QString lastCount;
        QObject::connect(dialog, &CProcessDlg::transferEnded, dialog,
            [&lastCount, dialog] { lastCount = dialog->countText()->text(); });
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        [&] {
            QTRY_VERIFY_WITH_TIMEOUT(!DialogCommands::TransferDialogOpen(), kTransferTimeoutMs);
        }();
        return lastCount;
    }

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void readReplacesImageAndCountsTo512();
    void backupFailureIsOnlyAWarning();
    void write_data();
    void write();
    void verifiedWriteOverPseudoTerminal_data();
    void verifiedWriteOverPseudoTerminal();
    void cancelBeforeOkTouchesNoPort();
    void secondCommandWhileOpenChangesNothing();
    void cancelDuringReadLeavesDocument();
    void readLocksEditing_data();
    void readLocksEditing();
    void radioOverPseudoTerminal_data();
    void radioOverPseudoTerminal();
};

void TestTransferDialogs::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(LoadTestIni(m_dir.path()));
    SetLanguageState(QStringLiteral("English"));
    m_simPath = m_dir.filePath(QStringLiteral("sim.dat"));
    qputenv("HTPROG_SIM_IMAGE", QFile::encodeName(m_simPath));
}

void TestTransferDialogs::init()
{
    QFile::remove(m_simPath);
    QVERIFY(SaveDatFile(m_simPath, RadioMemory()).ok());
    g_strComPort = SimulatedPortName();
    g_bNewImage = true;
    QDir(BackupStore::defaultFolder()).removeRecursively();
}

void TestTransferDialogs::cleanup()
{
    if (CProcessDlg *dialog = DialogCommands::TransferDialog()) {
        dialog->reject();
        QTRY_VERIFY_WITH_TIMEOUT(!DialogCommands::TransferDialogOpen(), kTransferTimeoutMs);
    }
}

void TestTransferDialogs::readReplacesImageAndCountsTo512()
{
    MessageRecorder messages;
    Session s;
    const MemoryImage before = s.doc.image();

    DialogCommands::ReadFromRadio(&s.view, &s.doc);
    CProcessDlg *dialog = DialogCommands::TransferDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Read Data"));
    QCOMPARE(dialog->countText()->text(), QStringLiteral("0"));
    QCOMPARE(runToEnd(dialog), QStringLiteral("512"));

    QVERIFY(messages.shown().isEmpty());
    const MemoryImage radio = RadioMemory();
    const BackupEntry backup = OnlyBackup();
    QCOMPARE(backup.kind, BackupKind::Radio);
    QCOMPARE(ReadFile(backup.path), Bytes(radio)); // the radio's bytes, before any refresh
    for (int address : {int(ImageMap::kTimeOutTimer), int(ImageMap::kVhfSquelch),
             ImageMap::kUhfSquelch + 3, int(ImageMap::kPowerOnName), 0x1500})
        QCOMPARE(int(s.doc.image()[address]), int(radio[address]));
    QVERIFY(!g_bNewImage);
    QVERIFY(s.doc.IsModified());
    QCOMPARE(s.doc.undoStack()->undoText(), QStringLiteral("Read from radio"));
    s.doc.undoStack()->undo();
    QCOMPARE(s.doc.image(), before);
    QVERIFY(!s.doc.IsModified());
}

void TestTransferDialogs::backupFailureIsOnlyAWarning()
{
    // A file where the backups folder should be: no copy can be kept.
    QDir().mkpath(QFileInfo(BackupStore::defaultFolder()).path());
    QVERIFY(WriteFile(BackupStore::defaultFolder(), "in the way"));
    MessageRecorder messages;
    Session s;

    DialogCommands::ReadFromRadio(&s.view, &s.doc);
    runToEnd(DialogCommands::TransferDialog());

    QCOMPARE(int(s.doc.image()[0x1500]), 0x5A); // the read itself went through
    QCOMPARE(messages.shown().size(), 1);
    QCOMPARE(messages.shown().first().icon, QMessageBox::Warning);
    QVERIFY(messages.shown().first().text.startsWith(QStringLiteral("No backup copy was kept: ")));
    QFile::remove(BackupStore::defaultFolder());
}

void TestTransferDialogs::write_data()
{
    QTest::addColumn<bool>("verify");
    QTest::addColumn<QString>("lastCount");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("verify after writing (the default)")
        << true << "1021" << QStringList {"Written and verified"};
    QTest::newRow("without verifying") << false << "509" << QStringList {};
}

void TestTransferDialogs::write()
{
    QFETCH(bool, verify);
    QFETCH(QString, lastCount);
    QFETCH(QStringList, messages);

    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("HtTest")).clear();
    MessageRecorder recorder;
    Session s;
    s.setByte(ImageMap::kTimeOutTimer, 0x03);
    s.setByte(ImageMap::kVhfSquelch, 99); // the squelch block stays out of a write
    s.setByte(0x1FF8, 0x12); // so do the last ten bytes

    DialogCommands::WriteToRadio(&s.view, &s.doc);
    CProcessDlg *dialog = DialogCommands::TransferDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Write Data"));
    QVERIFY(dialog->verifyCheck()->isChecked());
    if (!verify)
        QTest::mouseClick(dialog->verifyCheck(), Qt::LeftButton);
    QCOMPARE(runToEnd(dialog), lastCount);
    QStringList shown;
    for (const MessageRecorder::Shown &message : recorder.shown())
        shown << message.text;
    QCOMPARE(shown, messages);

    MemoryImage radio {};
    QVERIFY(LoadDatFile(m_simPath, radio).ok());
    QCOMPARE(int(radio[ImageMap::kTimeOutTimer]), 3);
    QCOMPARE(int(radio[ImageMap::kVhfSquelch]), 55);
    QCOMPARE(int(radio[0x1FF8]), int(RadioMemory()[0x1FF8]));
    QCOMPARE(int(radio[0x1500]), int(s.doc.image()[0x1500]));
    const BackupEntry sent = OnlyBackup();
    QCOMPARE(sent.kind, BackupKind::Sent);
    QCOMPARE(ReadFile(sent.path), Bytes(s.doc.image()));

    // The choice is the user's from now on.
    QCOMPARE(UserSettings::VerifyAfterWrite(), verify);
    DialogCommands::WriteToRadio(&s.view, &s.doc);
    QCOMPARE(DialogCommands::TransferDialog()->verifyCheck()->isChecked(), verify);
}

void TestTransferDialogs::verifiedWriteOverPseudoTerminal_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("lines"); // the message, line by line, up to the last kept
    QTest::addColumn<bool>("readBackKept");

    QTest::newRow("the radio stores a wrong byte in channel 1")
        << "corrupt-write@2"
        << QStringList {"Written, but the radio does not hold what was sent:",
               "Channel 1, Rx Frequency: sent 140.00000, radio 140.00165"}
        << true;
    QTest::newRow("the verifying read gets no answer") // the write skips block 1008
        << "no-ack@1008"
        << QStringList {"Written; could not verify: "
               + QString::fromLatin1(MessageSource(kMsgProgramInterrupt))}
        << false;
}

void TestTransferDialogs::verifiedWriteOverPseudoTerminal()
{
    QFETCH(QString, fault);
    QFETCH(QStringList, lines);
    QFETCH(bool, readBackKept);

    ServedRadio radio(RadioMemory(), Faults({fault}));
    g_strComPort = radio.path();
    UserSettings::SetVerifyAfterWrite(true);
    MessageRecorder messages;
    Session s;
    QVERIFY(s.doc.commitCell(1, kColRx, NewChannelTexts(QStringLiteral("140.00000"), false)));

    DialogCommands::WriteToRadio(&s.view, &s.doc);
    CProcessDlg *dialog = DialogCommands::TransferDialog();
    bool written = false;
    connect(dialog, &CProcessDlg::transferEnded, this, [&written](bool ok) { written = ok; });
    runToEnd(dialog);

    QVERIFY(written); // never reported as a failed write
    QCOMPARE(messages.shown().size(), 1);
    QCOMPARE(messages.shown().first().icon, QMessageBox::Warning);
    const QStringList shown = messages.shown().first().text.split(QLatin1Char('\n'));
    QCOMPARE(shown.mid(0, lines.size()), lines);
    const QVector<BackupEntry> copies = BackupStore().list();
    QCOMPARE(copies.size(), readBackKept ? 2 : 1); // the copy sent, and what the radio holds
    if (readBackKept) {
        QCOMPARE(copies.first().kind, BackupKind::Radio);
        QCOMPARE(ReadFile(copies.first().path), Bytes(radio.stop().memory()));
        QVERIFY(shown.last().startsWith(QStringLiteral("What the radio holds is kept as ")));
    }
}

void TestTransferDialogs::cancelBeforeOkTouchesNoPort()
{
    QFile::remove(m_simPath); // opening the simulated radio would create it again
    MessageRecorder messages;
    Session s;
    const MemoryImage before = s.doc.image();

    DialogCommands::ReadFromRadio(&s.view, &s.doc);
    QPointer<CProcessDlg> dialog = DialogCommands::TransferDialog();
    QVERIFY(dialog);
    QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    QTRY_VERIFY(dialog.isNull());
    QVERIFY(!DialogCommands::TransferDialogOpen());
    QVERIFY(!QFile::exists(m_simPath));
    QVERIFY(s.doc.image() == before);
    QVERIFY(messages.shown().isEmpty());
}

void TestTransferDialogs::secondCommandWhileOpenChangesNothing()
{
    Session s;
    DialogCommands::ReadFromRadio(&s.view, &s.doc);
    CProcessDlg *dialog = DialogCommands::TransferDialog();
    QVERIFY(dialog);
    DialogCommands::WriteToRadio(&s.view, &s.doc);
    DialogCommands::ReadFromRadio(&s.view, &s.doc);
    QCOMPARE(DialogCommands::TransferDialog(), dialog);
    QCOMPARE(dialog->direction(), CProcessDlg::Direction::Read);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Read Data"));
}

void TestTransferDialogs::cancelDuringReadLeavesDocument()
{
    ServedRadio radio(RadioMemory(), {}, true); // paced: a whole read takes 19 s
    g_strComPort = radio.path();
    MessageRecorder messages;
    Session s;
    const MemoryImage before = s.doc.image();

    DialogCommands::ReadFromRadio(&s.view, &s.doc);
    QPointer<CProcessDlg> dialog = DialogCommands::TransferDialog();
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    QVERIFY(!dialog->okButton()->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(dialog->countText()->text().toInt() >= 2, kTransferTimeoutMs);
    QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    QVERIFY(!dialog.isNull()); // the transfer closes it at its next poll
    QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 3000);
    QVERIFY(s.doc.image() == before);
    QVERIFY(!s.doc.IsModified());
    QVERIFY(g_bNewImage);
    QVERIFY(messages.shown().isEmpty());
}

void TestTransferDialogs::readLocksEditing_data()
{
    QTest::addColumn<bool>("completes");
    QTest::newRow("a cancelled read gives editing back") << false;
    QTest::newRow("a finished read leaves an open dialog's OK off") << true;
}

// From the read dialog's opening to its end the document takes no change: the
// grid opens no editor, the band boxes take no typing, a settings dialog's OK
// waits. A dialog that was open while a read replaced the document shows old
// values, so its OK stays off.
void TestTransferDialogs::readLocksEditing()
{
    QFETCH(bool, completes);
    MessageRecorder messages;
    Session s;
    const QModelIndex cell = s.view.model()->index(3, kColRx);
    QLineEdit *band = s.view.bandBoxes()->box(BandBox::VhfLow);

    DialogCommands::ReadFromRadio(&s.view, &s.doc);
    QPointer<CProcessDlg> dialog = DialogCommands::TransferDialog();
    COptionFeaturesDlg features(&s.doc);
    QPushButton *ok = nullptr;
    for (QPushButton *button : features.findChildren<QPushButton *>()) {
        if (button->text() == QStringLiteral("OK"))
            ok = button;
    }
    QVERIFY(ok);
    QVERIFY(s.doc.isReceiving());
    QVERIFY(!ok->isEnabled());
    QVERIFY(!(s.view.model()->flags(cell) & Qt::ItemIsEditable));
    QVERIFY(band->isReadOnly());
    QVERIFY(!s.view.model()->setData(cell, QStringLiteral("146.52")));
    QVERIFY(!s.doc.IsModified());

    if (completes) {
        runToEnd(dialog);
    } else {
        dialog->reject();
        QTRY_VERIFY(dialog.isNull());
    }
    QVERIFY(!s.doc.isReceiving());
    QVERIFY(s.view.model()->flags(cell) & Qt::ItemIsEditable);
    QVERIFY(!band->isReadOnly());
    QCOMPARE(ok->isEnabled(), !completes);
    QVERIFY(messages.shown().isEmpty());
}

void TestTransferDialogs::radioOverPseudoTerminal_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
    QTest::addColumn<QList<int>>("expected");

    // Which fault gives which message is the clone engine's; here the messages
    // reach the GUI thread, the Retry answer goes back, and the document stays.
    using Answers = QList<QMessageBox::StandardButton>;
    QTest::newRow("line gone at block 50")
        << "hang-up@50" << Answers {} << QList<int> {kMsgProgramInterrupt};
    QTest::newRow("identification not acknowledged, Cancel")
        << "no-ident-ack" << Answers {QMessageBox::Cancel} << QList<int> {kMsgCommunicationError};
    QTest::newRow("identification not acknowledged, Retry then Cancel")
        << "no-ident-ack" << Answers {QMessageBox::Retry, QMessageBox::Cancel}
        << QList<int> {kMsgCommunicationError, kMsgCommunicationError};
    QTest::newRow("port missing") << "" << Answers {} << QList<int> {kMsgCouldNotOpenPort};
    QTest::newRow("other byte before the acknowledgement is accepted")
        << "other-byte" << Answers {} << QList<int> {};
}

void TestTransferDialogs::radioOverPseudoTerminal()
{
    QFETCH(QString, fault);
    QFETCH(QList<QMessageBox::StandardButton>, answers);
    QFETCH(QList<int>, expected);

    ServedRadio radio(RadioMemory(), Faults({fault}));
    g_strComPort = fault.isEmpty() ? QStringLiteral("/dev/htprog-no-such-port") : radio.path();
    MessageRecorder messages(answers);
    Session s;
    const MemoryImage before = s.doc.image();

    DialogCommands::ReadFromRadio(&s.view, &s.doc);
    runToEnd(DialogCommands::TransferDialog());

    QCOMPARE(messages.ids(), expected);
    if (expected.isEmpty()) { // the read went through
        QCOMPARE(int(s.doc.image()[0x1500]), 0x5A);
        return;
    }
    for (const MessageRecorder::Shown &shown : messages.shown())
        QVERIFY(shown.onGuiThread);
    if (expected.first() == kMsgCommunicationError)
        QCOMPARE(messages.shown().first().buttons, QMessageBox::Retry | QMessageBox::Cancel);
    if (expected.first() == kMsgCouldNotOpenPort)
        QVERIFY(messages.shown().first().text.contains(QStringLiteral("does not exist")));
    QVERIFY(s.doc.image() == before); // a failed read leaves the document as it was
    QVERIFY(!s.doc.IsModified());
    QVERIFY(g_bNewImage);
}

QTEST_MAIN(TestTransferDialogs)
#include "tst_transferdialogs.moc"
