// The dialogs that talk to the port directly or choose it: COM Setup's choice
// and storage, and Sql Adjust's Read and Write of the calibration block.
#include "dialogview/comsetupdlg.h"
#include "dialogview/findcabledlg.h"
#include "dialogview/latestlinklog.h"
#include "dialogview/sqladjustdlg.h"
#include "document/programdoc.h"
#include "image/datfile.h"
#include "link/comport.h"
#include "settings/language.h"
#include "settings/usersettings.h"
#include "support/linkfakes.h"
#include "support/messagerecorder.h"
#include "support/servedradio.h"
#include "support/testfiles.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

namespace {

// The radio's calibration block holds 0x80 + offset; UHF levels differ too.
MemoryImage RadioMemory()
{
    MemoryImage memory = NewImage();
    for (int i = 0; i < ImageMap::kSquelchBlockSize; ++i)
        memory[ImageMap::kSquelchBlock + i] = quint8(i + 40);
    memory[ImageMap::kUhfSquelch] = 77;
    return memory;
}

QRadioButton *ChoiceFor(const CComSetupDlg &dlg, const QString &text)
{
    for (QRadioButton *choice : dlg.choices()) {
        if (choice->text().contains(text))
            return choice;
    }
    return nullptr;
}

} // namespace

class TestPortDialogs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_simPath;

private Q_SLOTS:
    void initTestCase();
    void init();

    void comSetupPreselection_data();
    void comSetupPreselection();
    void comSetupOkStoresChoice_data();
    void comSetupOkStoresChoice();
    void comSetupCancelAndF1();
    void findMyCable_data();
    void findMyCable();

    void squelchReadTakesRadioBlock();
    void squelchWriteSendsGrids();
    void squelchFailures_data();
    void squelchFailures();
    void squelchTransferKeepsWindowLive_data();
    void squelchTransferKeepsWindowLive();
};

void TestPortDialogs::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(LoadTestIni(m_dir.path()));
    m_simPath = m_dir.filePath(QStringLiteral("sim.dat"));
    qputenv("HTPROG_SIM_IMAGE", QFile::encodeName(m_simPath));
}

void TestPortDialogs::init()
{
    SetLanguageState(QStringLiteral("English"));
    QVERIFY(SaveDatFile(m_simPath, RadioMemory()).ok());
    g_strComPort = SimulatedPortName();
    UserSettings::SetComPort(QString());
    UiServices::SetHelpFunction(nullptr);
}

void TestPortDialogs::comSetupPreselection_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("busy");
    QTest::addColumn<QString>("selected");

    QTest::newRow("simulated radio") << "sim" << false << "sim";
    QTest::newRow("listed free port") << "/dev/ttyFAKE1" << false << "/dev/ttyFAKE1";
    QTest::newRow("listed busy port selects nothing") << "/dev/ttyFAKE1" << true << "";
    QTest::newRow("missing device selects nothing") << "/dev/htprog-gone" << false << "";
    QTest::newRow("nothing stored, default missing") << "" << false << "";
}

void TestPortDialogs::comSetupPreselection()
{
    QFETCH(QString, stored);
    QFETCH(bool, busy);
    QFETCH(QString, selected);

    UserSettings::SetComPort(stored);
    const QList<PortEntry> ports {
        {QStringLiteral("/dev/ttyFAKE1"), QStringLiteral("USB Serial"), busy}};
    CComSetupDlg dlg(ports);
    QCOMPARE(dlg.chosenPort(), selected);
    QRadioButton *listed = ChoiceFor(dlg, QStringLiteral("/dev/ttyFAKE1  (USB Serial)"));
    QVERIFY(listed);
    QCOMPARE(listed->isEnabled(), !busy);
    QVERIFY(ChoiceFor(dlg, QStringLiteral("(sim)"))->isEnabled());
}

void TestPortDialogs::comSetupOkStoresChoice_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("typed device name gets its path") << "ttyUSB3" << QStringLiteral("/dev/ttyUSB3");
    QTest::newRow("typed path kept") << " /dev/ttyACM0 " << QStringLiteral("/dev/ttyACM0");
    QTest::newRow("nothing chosen stores none") << "" << QString();
}

void TestPortDialogs::comSetupOkStoresChoice()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);

    UserSettings::SetComPort(QStringLiteral("/dev/htprog-gone"));
    CComSetupDlg dlg({});
    if (!typed.isEmpty())
        QTest::keyClicks(dlg.pathEdit(), typed);
    dlg.accept();
    QCOMPARE(g_strComPort, expected);
    QCOMPARE(UserSettings::ComPort(), expected);
}

void TestPortDialogs::comSetupCancelAndF1()
{
    QList<int> asked;
    UiServices::SetHelpFunction([&asked](int context) { asked << context; });
    UserSettings::SetComPort(QStringLiteral("sim"));
    CComSetupDlg dlg({});
    dlg.show();
    dlg.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QTest::keyClicks(dlg.pathEdit(), QStringLiteral("/dev/ttyUSB7"));
    QCOMPARE(dlg.chosenPort(), QStringLiteral("/dev/ttyUSB7"));
    QTest::keyClick(dlg.pathEdit(), Qt::Key_F1);
    QCOMPARE(asked, QList<int> {32777});
    dlg.reject();
    QCOMPARE(UserSettings::ComPort(), QStringLiteral("sim"));
    QCOMPARE(g_strComPort, QStringLiteral("sim"));
}

void TestPortDialogs::findMyCable_data()
{
    QTest::addColumn<QString>("plugged"); // the port that appears; empty: none does
    QTest::addColumn<bool>("listed"); // COM Setup listed it when it opened
    QTest::addColumn<QString>("chosen");

    QTest::newRow("a new port becomes the typed path") << "/dev/ttyUSB1" << false << "/dev/ttyUSB1";
    QTest::newRow("a listed port is checked") << "/dev/ttyUSB2" << true << "/dev/ttyUSB2";
    QTest::newRow("no port appears: time out, then Cancel keeps the choice")
        << "" << false << "sim";
}

// Find My Cable with the port list of the test: the cable is out when Next is
// pressed and is plugged in while the dialog waits.
void TestPortDialogs::findMyCable()
{
    QFETCH(QString, plugged);
    QFETCH(bool, listed);
    QFETCH(QString, chosen);
    UserSettings::SetComPort(QStringLiteral("sim"));
    QList<PortEntry> present {{QStringLiteral("/dev/ttyS0"), QString(), false}};
    CComSetupDlg dlg(listed ? present + QList<PortEntry> {{plugged, QString(), true}} : present);
    dlg.setPortLister([&present] { return present; }, 700);
    QStringList steps;

    QTimer::singleShot(0, this, [&] {
        auto *find = qobject_cast<CFindCableDlg *>(QApplication::activeModalWidget());
        QVERIFY(find);
        steps << find->stepLabel()->text();
        find->nextButton()->click();
        steps << find->stepLabel()->text();
        if (!plugged.isEmpty()) {
            present.append({plugged, QString(), false});
            return; // found at the next poll
        }
        QTimer::singleShot(1200, find, [&steps, find] {
            steps << find->stepLabel()->text();
            QVERIFY(find->nextButton()->isEnabled()); // may try again
            find->reject();
        });
    });
    dlg.findCableButton()->click();

    QVERIFY2(steps.value(0).startsWith("Unplug the programming cable"), qPrintable(steps.value(0)));
    QVERIFY2(steps.value(1).startsWith("Now plug the cable in."), qPrintable(steps.value(1)));
    if (plugged.isEmpty())
        QVERIFY2(steps.value(2).startsWith("No new port appeared within 1 seconds."),
            qPrintable(steps.value(2)));
    QCOMPARE(dlg.chosenPort(), chosen);
}

void TestPortDialogs::squelchReadTakesRadioBlock()
{
    MessageRecorder messages;
    CProgramDoc doc;
    doc.OnNewDocument();
    const MemoryImage before = doc.image();
    CSqlAdjustDlg dlg(&doc);
    dlg.onRead();
    QTRY_VERIFY(!dlg.isTransferring());

    QCOMPARE(messages.shown().size(), 1);
    QCOMPARE(messages.shown().first().text, QStringLiteral("Read Successfully"));
    QVERIFY(messages.shown().first().onGuiThread);
    const MemoryImage radio = RadioMemory();
    QVERIFY(doc.image() == WithRange(before, radio, 0x1F80, 0x1F9F)); // only the block changed
    QCOMPARE(dlg.vhfGrid()->item(0, 0)->text(), QString::number(radio[ImageMap::kVhfSquelch]));
    QCOMPARE(dlg.uhfGrid()->item(0, 0)->text(), QStringLiteral("20")); // UHF is not in the block
    QVERIFY(doc.IsModified());
    QVERIFY(LatestLinkLog()->text().contains(" > 52 1F 80 08\n")); // kept for Save Link Log
}

void TestPortDialogs::squelchWriteSendsGrids()
{
    SetLanguageState(QStringLiteral("Chinese"));
    MessageRecorder messages;
    CProgramDoc doc;
    doc.OnNewDocument();
    CSqlAdjustDlg dlg(&doc);
    dlg.vhfGrid()->item(1, 0)->setText(QStringLiteral("101"));
    dlg.uhfGrid()->item(0, 0)->setText(QStringLiteral("11"));
    dlg.onWrite();
    QTRY_VERIFY(!dlg.isTransferring());

    QCOMPARE(messages.shown().size(), 1);
    QCOMPARE(messages.shown().first().text, QStringLiteral("写数据成功"));
    QCOMPARE(int(doc.image()[ImageMap::kVhfSquelch + 1]), 101);
    MemoryImage radio {};
    QVERIFY(LoadDatFile(m_simPath, radio).ok());
    QCOMPARE(int(radio[ImageMap::kVhfSquelch + 1]), 101);
    QCOMPARE(int(radio[ImageMap::kSquelchBlock]), int(doc.image()[ImageMap::kSquelchBlock]));
    QCOMPARE(int(radio[ImageMap::kUhfSquelch]), 77); // UHF levels travel with the whole image
}

void TestPortDialogs::squelchFailures_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("message");

    const int secondBlock = (ImageMap::kSquelchBlock + 8) / 8;
    // Which fault gives which words is the squelch transfer's and the command
    // line's; here the words reach the window in its language.
    QTest::newRow("read failure stays English in Chinese")
        << false << QStringLiteral("no-ack@%1").arg(secondBlock) << true << "Communication Error";
    QTest::newRow("write, no acknowledgement, Chinese")
        << true << QStringLiteral("no-ack@%1").arg(secondBlock) << true << "通讯出错";
    QTest::newRow("write, port missing") << true << "" << false << "Open the serial port fails";
}

void TestPortDialogs::squelchFailures()
{
    QFETCH(bool, write);
    QFETCH(QString, fault);
    QFETCH(bool, chinese);
    QFETCH(QString, message);

    ServedRadio radio(RadioMemory(), Faults({fault}));
    g_strComPort = fault.isEmpty() ? QStringLiteral("/dev/htprog-no-such-port") : radio.path();
    SetLanguageState(chinese ? QStringLiteral("Chinese") : QStringLiteral("English"));
    MessageRecorder messages;
    CProgramDoc doc;
    doc.OnNewDocument();
    CSqlAdjustDlg dlg(&doc);
    const MemoryImage before = doc.image();
    write ? dlg.onWrite() : dlg.onRead();
    QTRY_VERIFY_WITH_TIMEOUT(!dlg.isTransferring(), 10000);

    QCOMPARE(messages.shown().size(), 1);
    QVERIFY2(messages.shown().first().text.startsWith(message),
        qPrintable(messages.shown().first().text));
    QVERIFY(doc.image() == before);
    QCOMPARE(dlg.vhfGrid()->item(0, 0)->text(), QStringLiteral("30"));
}

void TestPortDialogs::squelchTransferKeepsWindowLive_data()
{
    QTest::addColumn<bool>("write");
    QTest::newRow("read") << false;
    QTest::newRow("write") << true;
}

// A radio that stays silent: the window keeps working meanwhile, with only
// Cancel in use, and Cancel ends the transfer without a message, leaving the
// image and the dialog as they were.
void TestPortDialogs::squelchTransferKeepsWindowLive()
{
    QFETCH(bool, write);
    ServedRadio radio(RadioMemory(), Faults({QStringLiteral("silent")}));
    g_strComPort = radio.path();
    MessageRecorder messages;
    CProgramDoc doc;
    doc.OnNewDocument();
    const MemoryImage before = doc.image();
    CSqlAdjustDlg dlg(&doc);
    dlg.show();
    write ? dlg.onWrite() : dlg.onRead();
    QVERIFY(dlg.isTransferring()); // the interface thread is not held by the port
    for (QWidget *held :
        {static_cast<QWidget *>(dlg.vhfGrid()), static_cast<QWidget *>(dlg.uhfGrid()),
            static_cast<QWidget *>(dlg.readButton()), static_cast<QWidget *>(dlg.writeButton())})
        QVERIFY(!held->isEnabled());
    QVERIFY(dlg.cancelButton()->isEnabled());

    QTest::mouseClick(dlg.cancelButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!dlg.isTransferring(), 5000);
    QVERIFY(messages.shown().isEmpty());
    QVERIFY(dlg.isVisible());
    QVERIFY(doc.image() == before);
    QVERIFY(dlg.readButton()->isEnabled() && dlg.writeButton()->isEnabled());
    QVERIFY(dlg.vhfGrid()->isEnabled());
}

QTEST_MAIN(TestPortDialogs)
#include "tst_portdialogs.moc"
