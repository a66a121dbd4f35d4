// Program > Read and Write through the progress dialog, end to end against the
// simulated radio: in-process ("sim") and on a pseudo-terminal with faults;
// the backup copies they keep and what a verified write reports.
#include "backups/backupstore.h"
#include "channels/channelcodec.h"
#include "channelview/bandlimitboxes.h"
#include "channelview/channeltablemodel.h"
#include "channelview/programview.h"
#include "csv/csvtable.h"
#include "dialogview/backupsdlg.h"
#include "dialogview/dialogcommands.h"
#include "dialogview/fleetwritedlg.h"
#include "dialogview/latestlinklog.h"
#include "dialogview/optionfeaturesdlg.h"
#include "dialogview/processdlg.h"
#include "dialogview/writepreviewdlg.h"
#include "document/programdoc.h"
#include "image/datfile.h"
#include "link/comport.h"
#include "settings/language.h"
#include "settings/messages.h"
#include "settings/usersettings.h"
#include "support/channelimages.h"
#include "support/linkfakes.h"
#include "support/messagerecorder.h"
#include "support/servedradio.h"
#include "support/testfiles.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

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
    void secondCommandWhileOpenChangesNothing();
    void readLocksEditing_data();
    void readLocksEditing();
    void failedReadAsksOnTheGuiThread();
    void unfinishedWriteLabelsItsCopy_data();
    void unfinishedWriteLabelsItsCopy();
    void saysWhatIsHappening_data();
    void saysWhatIsHappening();
    void writeAgainAfterFailedVerification();
    void writePreview_data();
    void writePreview();
    void previewSummary_data();
    void previewSummary();
    void severalRadios_data();
    void severalRadios();
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
    UserSettings::SetShowWritePreview(true);
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
    QCOMPARE(ReadFile(backup.path), ImageBytes(radio)); // the radio's bytes, before any refresh
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
    QCOMPARE(ReadFile(sent.path), ImageBytes(s.doc.image()));

    // The choice is the user's from now on.
    QCOMPARE(UserSettings::VerifyAfterWrite(), verify);
    DialogCommands::WriteToRadio(&s.view, &s.doc);
    QCOMPARE(DialogCommands::TransferDialog()->verifyCheck()->isChecked(), verify);
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

void TestTransferDialogs::readLocksEditing_data()
{
    QTest::addColumn<bool>("completes");
    QTest::newRow("Cancel before OK touches no port and gives editing back") << false;
    QTest::newRow("a finished read leaves an open dialog's OK off") << true;
}

// From the read dialog's opening to its end the document takes no change: the
// grid opens no editor, the band boxes take no typing, a settings dialog's OK
// waits. A dialog that was open while a read replaced the document shows old
// values, so its OK stays off.
void TestTransferDialogs::readLocksEditing()
{
    QFETCH(bool, completes);
    if (!completes)
        QFile::remove(m_simPath); // opening the simulated radio would create it again
    MessageRecorder messages;
    Session s;
    const MemoryImage before = s.doc.image();
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
        QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
        QTRY_VERIFY(dialog.isNull());
        QVERIFY(!DialogCommands::TransferDialogOpen());
        QVERIFY(!QFile::exists(m_simPath));
        QVERIFY(s.doc.image() == before);
    }
    QVERIFY(!s.doc.isReceiving());
    QVERIFY(s.view.model()->flags(cell) & Qt::ItemIsEditable);
    QVERIFY(!band->isReadOnly());
    QCOMPARE(ok->isEnabled(), !completes);
    QVERIFY(messages.shown().isEmpty());
}

// A transfer fault reaches the GUI thread as a question; Retry goes back to the
// transfer, which tries again; after Cancel the document stays as it was.
void TestTransferDialogs::failedReadAsksOnTheGuiThread()
{
    ServedRadio radio(RadioMemory(), Faults({QStringLiteral("no-ident-ack")}));
    g_strComPort = radio.path();
    MessageRecorder messages({QMessageBox::Retry, QMessageBox::Cancel});
    Session s;
    const MemoryImage before = s.doc.image();

    DialogCommands::ReadFromRadio(&s.view, &s.doc);
    runToEnd(DialogCommands::TransferDialog());

    QCOMPARE(messages.ids(), QList<int>({kMsgCommunicationError, kMsgCommunicationError}));
    for (const MessageRecorder::Shown &shown : messages.shown()) {
        QVERIFY(shown.onGuiThread);
        QCOMPARE(shown.buttons, QMessageBox::Retry | QMessageBox::Cancel);
    }
    QVERIFY(s.doc.image() == before);
    QVERIFY(!s.doc.IsModified());
    QVERIFY(g_bNewImage);
}

void TestTransferDialogs::unfinishedWriteLabelsItsCopy_data()
{
    QTest::addColumn<QString>("fault"); // "cancel": Cancel while it runs
    QTest::addColumn<QString>("label"); // a pattern

    // The 8-byte block 298 is the first of progress step 150.
    QTest::newRow("no acknowledgement of block 298")
        << "no-ack@298"
        << "^Write failed at block 150: radio holds a mix$";
    QTest::newRow("the port does not open")
        << ""
        << "^Write failed before the first block: radio unchanged$";
    QTest::newRow("cancelled part way")
        << "cancel"
        << "^Write cancelled after block [1-9][0-9]*: radio holds a mix$";
}

// The copy kept before a write that then ended part way is not listed as sent:
// the radio holds some new and some old blocks.
void TestTransferDialogs::unfinishedWriteLabelsItsCopy()
{
    QFETCH(QString, fault);
    QFETCH(QString, label);
    const bool cancel = fault == QLatin1String("cancel");
    ServedRadio radio(RadioMemory(), cancel ? FaultPlan {} : Faults({fault}), cancel);
    g_strComPort = fault.isEmpty() ? QStringLiteral("/dev/htprog-no-such-port") : radio.path();
    UserSettings::SetVerifyAfterWrite(true);
    MessageRecorder messages;
    Session s;

    DialogCommands::WriteToRadio(&s.view, &s.doc);
    QPointer<CProcessDlg> dialog = DialogCommands::TransferDialog();
    if (cancel) {
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(dialog->countText()->text().toInt() >= 2, kTransferTimeoutMs);
        QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), kTransferTimeoutMs);
    } else {
        runToEnd(dialog);
    }

    const BackupEntry sent = OnlyBackup();
    QCOMPARE(sent.kind, BackupKind::Sent);
    QCOMPARE(ReadFile(sent.path), ImageBytes(s.doc.image())); // the copy itself is what was to go
    const QString shown = CBackupsDlg::kindText(sent);
    QVERIFY2(QRegularExpression(label).match(shown).hasMatch(), qPrintable(shown));
}

void TestTransferDialogs::saysWhatIsHappening_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<QStringList>("steps"); // patterns, each met by some step text shown
    QTest::addColumn<QString>("status");

    QTest::newRow("a read from a radio that answers the third entry")
        << false
        << QStringList {"^Waiting for the radio… attempt 2 of 15$", "^Reading [1-7] KB of 8 KB$",
               "^Reading 8 KB of 8 KB$"}
        << "^Read from the radio at \\d\\d:\\d\\d; a copy is kept as radio-\\d{8}-\\d{6}\\.dat$";
    QTest::newRow("a verified write")
        << true << QStringList {"^Writing [1-7] KB of 8 KB$", "^Verifying"}
        << "^Written to the radio and verified at \\d\\d:\\d\\d; what was sent is kept as "
           "sent-\\d{8}-\\d{6}\\.dat$";
}

// Before OK the dialog says what to do on which port; then what it is doing,
// so a silent radio is not a bar standing at 0; after it the status line says
// what happened and where the copy is. The latest transfer's link log holds
// exactly the bytes that crossed the line.
void TestTransferDialogs::saysWhatIsHappening()
{
    QFETCH(bool, write);
    QFETCH(QStringList, steps);
    QFETCH(QString, status);
    ServedRadio radio(
        RadioMemory(), write ? FaultPlan {} : Faults({QStringLiteral("silent@2")}), false, true);
    g_strComPort = radio.path();
    UserSettings::SetVerifyAfterWrite(true);
    MessageRecorder messages;
    Session s;
    ForgetLinkLog();

    write ? DialogCommands::WriteToRadio(&s.view, &s.doc)
          : DialogCommands::ReadFromRadio(&s.view, &s.doc);
    CProcessDlg *dialog = DialogCommands::TransferDialog();
    QCOMPARE(dialog->stepText()->text(),
        QStringLiteral("Radio on %1 — connect the cable, switch the radio on, then press OK")
            .arg(radio.path()));
    QStringList shown;
    const auto sample = [&shown, dialog] {
        if (shown.isEmpty() || shown.last() != dialog->stepText()->text())
            shown << dialog->stepText()->text();
    };
    QTimer sampler;
    connect(&sampler, &QTimer::timeout, dialog, sample);
    connect(dialog, &CProcessDlg::transferEnded, dialog, sample);
    sampler.start(5);
    QString reported;
    connect(dialog, &CProcessDlg::statusReport, this,
        [&reported](const QString &text) { reported = text; });
    runToEnd(dialog);
    sampler.stop();

    for (const QString &step : steps)
        QVERIFY2(!shown.filter(QRegularExpression(step)).isEmpty(),
            qPrintable(step + QStringLiteral(" not in: ") + shown.join(QStringLiteral(" | "))));
    QVERIFY2(QRegularExpression(status).match(reported).hasMatch(), qPrintable(reported));

    const std::shared_ptr<const LinkTrace> log = LatestLinkLog();
    QVERIFY(log);
    const QByteArray text = log->text();
    QVERIFY(text.startsWith("# htprog "));
    QCOMPARE(text.contains(" opened again\n"), write); // the verifying read
    const SimulatedRadio &served = radio.stop();
    QCOMPARE(LoggedBytes(text, '>'), served.wireReceived());
    QCOMPARE(LoggedBytes(text, '<'), served.wireSent());
}

// A verification that finds other bytes is a warning after a write that went
// through, never a failed write; it keeps what the radio holds and offers to
// write again. Write Again runs the write once more, and so does its verification.
void TestTransferDialogs::writeAgainAfterFailedVerification()
{
    ServedRadio radio(RadioMemory(), Faults({QStringLiteral("corrupt-write@2")}));
    g_strComPort = radio.path();
    UserSettings::SetVerifyAfterWrite(true);
    MessageRecorder messages({QMessageBox::Retry, QMessageBox::Ok});
    Session s;
    QVERIFY(s.doc.commitCell(1, kColRx, NewChannelTexts(QStringLiteral("140.00000"), false)));

    DialogCommands::WriteToRadio(&s.view, &s.doc);
    QList<bool> ends;
    connect(DialogCommands::TransferDialog(), &CProcessDlg::transferEnded, this,
        [&ends](bool ok) { ends << ok; });
    runToEnd(DialogCommands::TransferDialog());

    QCOMPARE(ends, QList<bool>({true, true}));
    QCOMPARE(messages.shown().size(), 2);
    for (const MessageRecorder::Shown &shown : messages.shown()) {
        QCOMPARE(shown.icon, QMessageBox::Warning);
        QCOMPARE(shown.buttons, QMessageBox::Ok | QMessageBox::Retry);
        const QStringList lines = shown.text.split(QLatin1Char('\n'));
        QCOMPARE(lines.mid(0, 2),
            QStringList({"Written, but the radio does not hold what was sent:",
                "Channel 1, Rx Frequency: sent 140.00000, radio 140.00165"}));
        QVERIFY(lines.last().startsWith(QStringLiteral("What the radio holds is kept as ")));
    }
    const QVector<BackupEntry> copies = BackupStore().list();
    QCOMPARE(copies.size(), 4); // each write: the copy sent, and what the radio holds
    QCOMPARE(copies.first().kind, BackupKind::Radio);
    QCOMPARE(ReadFile(copies.first().path), ImageBytes(radio.stop().memory()));
    int sent = 0;
    for (const BackupEntry &copy : copies)
        sent += copy.kind == BackupKind::Sent ? 1 : 0;
    QCOMPARE(sent, 2);
}

void TestTransferDialogs::writePreview_data()
{
    QTest::addColumn<bool>("readBefore"); // an image read from a radio is kept
    QTest::addColumn<bool>("dontShowAgain");
    QTest::addColumn<bool>("write"); // the preview's answer: Write, else Cancel
    QTest::addColumn<bool>("previewed");
    QTest::addColumn<bool>("transferOpened");
    QTest::addColumn<bool>("previewNextTime");

    QTest::newRow("no read to compare with: written as before")
        << false << false << true << false << true << true;
    QTest::newRow("Write") << true << false << true << true << true << true;
    QTest::newRow("Write, don't show this again") << true << true << true << true << true << false;
    QTest::newRow("Cancel, don't show this again")
        << true << true << false << true << false << false;
}

void TestTransferDialogs::writePreview()
{
    QFETCH(bool, readBefore);
    QFETCH(bool, dontShowAgain);
    QFETCH(bool, write);
    QFETCH(bool, previewed);
    QFETCH(bool, transferOpened);
    QFETCH(bool, previewNextTime);

    MessageRecorder messages;
    Session s;
    QString readAt;
    if (readBefore) {
        BackupStore().keep(s.doc.image(), BackupKind::Radio);
        readAt = BackupStore().list().first().time.toString(QStringLiteral("HH:mm"));
    }
    QVERIFY(s.doc.commitCell(1, kColRx, NewChannelTexts(QStringLiteral("140.00000"), false)));
    s.setByte(0x1FC0, 0xFE); // Beep off
    const MemoryImage sent = s.doc.image();
    QMainWindow frame;

    QObject answerer;
    QString summary;
    int groups = 0;
    QTimer::singleShot(0, &answerer, [&] {
        auto *preview = qobject_cast<CWritePreviewDlg *>(QApplication::activeModalWidget());
        if (!preview)
            return;
        summary = preview->summary()->text();
        groups = preview->tree()->topLevelItemCount();
        preview->dontShowAgain()->setChecked(dontShowAgain);
        write ? preview->writeButton()->click() : preview->reject();
    });
    DialogCommands::WriteToRadio(&frame, &s.doc);

    QCOMPARE(DialogCommands::TransferDialogOpen(), transferOpened);
    QCOMPARE(UserSettings::ShowWritePreview(), previewNextTime);
    if (previewed) {
        QCOMPARE(summary,
            QStringLiteral("Compared with what was read from the radio at %1: 1 channel and 1 "
                           "setting will change.")
                .arg(readAt));
        QCOMPARE(groups, 2);
    } else {
        QVERIFY(summary.isEmpty());
        QVERIFY(frame.statusBar()->currentMessage().startsWith(
            QStringLiteral("No image read from a radio to compare with")));
    }
    if (transferOpened) { // what is sent is the document, previewed or not
        runToEnd(DialogCommands::TransferDialog());
        MemoryImage radio {};
        QVERIFY(LoadDatFile(m_simPath, radio).ok());
        QCOMPARE(int(radio[0x1FC0]), 0xFE);
        QCOMPARE(radio[0x13], sent[0x13]);
    }
}

void TestTransferDialogs::previewSummary_data()
{
    QTest::addColumn<QList<int>>("channelRecords"); // one difference each
    QTest::addColumn<int>("settings");
    QTest::addColumn<int>("byteRanges");
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("summary");

    const QString prefix = QStringLiteral("Compared with what was read from the radio at ");
    QTest::newRow("nothing changes")
        << QList<int> {} << 0 << 0 << 0 << false << prefix + "14:02: the write changes nothing.";
    QTest::newRow("channels count once however many fields") << QList<int> {1, 1, 1, 5,
        9} << 1 << 0 << 0 << false << prefix + "14:02: 3 channels and 1 setting will change.";
    QTest::newRow("three kinds, read on another day") << QList<int> {0} << 2 << 2 << 1 << false
                                                      << prefix
            + "2026-12-06 14:02: 1 channel, 2 settings and other bytes in 2 places will "
              "change.";
    QTest::newRow("one other byte") << QList<int> {} << 0 << 1 << 0 << false
                                    << prefix + "14:02: other bytes in 1 place will change.";
    QTest::newRow("Chinese") << QList<int> {3, 4} << 1 << 0 << 0 << true
                             << QStringLiteral(
                                    "与 14:02 从对讲机读出的数据相比：将改变2个信道和1项设置。");
}

void TestTransferDialogs::previewSummary()
{
    QFETCH(QList<int>, channelRecords);
    QFETCH(int, settings);
    QFETCH(int, byteRanges);
    QFETCH(int, daysAgo);
    QFETCH(bool, chinese);
    QFETCH(QString, summary);

    ImageDiff diff;
    for (int record : channelRecords) {
        ChannelDifference channel;
        channel.record = record;
        diff.channels << channel;
    }
    diff.settings.resize(settings);
    diff.otherBytes.resize(byteRanges);
    SetLanguageState(chinese ? QStringLiteral("Chinese") : QStringLiteral("English"));
    const QDateTime now(QDate(2026, 12, 7), QTime(18, 30));
    const QDateTime read(QDate(2026, 12, 7).addDays(-daysAgo), QTime(14, 2, 1));

    const QString text = CWritePreviewDlg::summaryText(diff, read, now);
    SetLanguageState(QStringLiteral("English"));
    QCOMPARE(text, summary);
}

void TestTransferDialogs::severalRadios_data()
{
    QTest::addColumn<QString>("port"); // "": the simulated radio
    QTest::addColumn<QString>("names");
    QTest::addColumn<QStringList>("results"); // the table's Result column, radio by radio
    QTest::addColumn<QStringList>("powerOnNames"); // the radio's name after each
    QTest::addColumn<bool>("refused"); // the names are refused, nothing is written

    QTest::newRow("two names, then the list is done")
        << ""
        << "ann\n\nBOB-1\n"
        << QStringList {"verified", "verified"} << QStringList {"ANN", "BOB-1"} << false;
    QTest::newRow("no names: the radio keeps the document's")
        << ""
        << "" << QStringList {"verified", "verified", "verified"}
        << QStringList {"DOC", "DOC", "DOC"} << false;
    QTest::newRow("no radio on the port")
        << "/dev/htprog-no-such-port"
        << "" << QStringList {"failed"} << QStringList {} << false;
    QTest::newRow("a name the radio cannot show")
        << ""
        << "OK\nTOOLONG" << QStringList {} << QStringList {} << true;
}

void TestTransferDialogs::severalRadios()
{
    QFETCH(QString, port);
    QFETCH(QString, names);
    QFETCH(QStringList, results);
    QFETCH(QStringList, powerOnNames);
    QFETCH(bool, refused);

    if (!port.isEmpty())
        g_strComPort = port;
    MessageRecorder messages;
    Session s;
    s.setByte(ImageMap::kPowerOnName, 13); // "D"
    s.setByte(ImageMap::kPowerOnName + 1, 24); // "O"
    s.setByte(ImageMap::kPowerOnName + 2, 12); // "C"
    const MemoryImage document = s.doc.image();
    CFleetWriteDlg dialog(document);
    dialog.namesEdit()->setPlainText(names);
    QCOMPARE(
        dialog.instruction()->text(), QStringLiteral("Connect the first radio and press Next"));

    for (int radio = 1; radio <= results.size(); ++radio) {
        QVERIFY(dialog.nextButton()->isEnabled());
        QSignalSpy done(&dialog, &CFleetWriteDlg::radioDone);
        QTest::mouseClick(dialog.nextButton(), Qt::LeftButton);
        QVERIFY(dialog.isRunning()); // on the worker: this thread goes on
        QVERIFY(!dialog.nextButton()->isEnabled());
        QVERIFY(done.wait(kTransferTimeoutMs));
        QCOMPARE(dialog.table()->rowCount(), radio);
        QVERIFY2(dialog.table()->item(radio - 1, 3)->text().startsWith(results[radio - 1]),
            qPrintable(dialog.table()->item(radio - 1, 3)->text()));
        if (port.isEmpty()) {
            MemoryImage held {};
            QVERIFY(LoadDatFile(m_simPath, held).ok());
            QCOMPARE(DecodePowerOnName(held), powerOnNames[radio - 1]);
        }
    }
    QVERIFY(s.doc.image() == document);
    if (refused) {
        QTest::mouseClick(dialog.nextButton(), Qt::LeftButton);
        QCOMPARE(messages.shown().size(), 1);
        QVERIFY2(messages.shown().first().text.contains(QStringLiteral("line 2: \"TOOLONG\"")),
            qPrintable(messages.shown().first().text));
        QCOMPARE(dialog.table()->rowCount(), 0);
        QVERIFY(BackupStore().list().isEmpty()); // not even a copy was sent
        QVERIFY(dialog.logPath().isEmpty());
        return;
    }
    QCOMPARE(dialog.nextButton()->isEnabled(), names.isEmpty());
    QCOMPARE(dialog.instruction()->text(),
        names.isEmpty() ? QStringLiteral("Connect the next radio and press Next")
                        : QStringLiteral("Every name on the list is written."));

    // The log in the backups folder, as the table shows it.
    QVERIFY(QRegularExpression(QStringLiteral("/fleet-\\d{8}-\\d{6}\\.csv$"))
                .match(dialog.logPath())
                .hasMatch());
    QCOMPARE(QFileInfo(dialog.logPath()).absolutePath(),
        QFileInfo(BackupStore::defaultFolder()).absoluteFilePath());
    const CsvTable log = ParseCsv(ReadFile(dialog.logPath()));
    QCOMPARE(log.records.size(), results.size() + 1);
    for (int i = 0; i < results.size(); ++i) {
        const QStringList fields = log.records[i + 1].fields;
        QCOMPARE(fields[0], QString::number(i + 1));
        QCOMPARE(fields[2], names.isEmpty() ? QString() : powerOnNames[i]);
        QCOMPARE(fields[3], results[i]);
    }
    QVERIFY(dialog.logHtml().contains(QStringLiteral("<td>%1</td>").arg(results.size())));
}

QTEST_MAIN(TestTransferDialogs)
#include "tst_transferdialogs.moc"
