// The dialogs that talk to the port directly or choose it: COM Setup's choice
// and storage, and Sql Adjust's Read and Write of the calibration block.
#include "dialogview/comsetupdlg.h"
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
#include <QLineEdit>
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

    void squelchReadTakesRadioBlock();
    void squelchWriteSendsGrids();
    void squelchFailures_data();
    void squelchFailures();
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

void TestPortDialogs::squelchReadTakesRadioBlock()
{
    MessageRecorder messages;
    CProgramDoc doc;
    doc.OnNewDocument();
    const MemoryImage before = doc.image();
    CSqlAdjustDlg dlg(&doc);
    dlg.onRead();

    QCOMPARE(messages.shown().size(), 1);
    QCOMPARE(messages.shown().first().text, QStringLiteral("Read Successfully"));
    const MemoryImage radio = RadioMemory();
    QVERIFY(doc.image() == WithRange(before, radio, 0x1F80, 0x1F9F)); // only the block changed
    QCOMPARE(dlg.vhfGrid()->item(0, 0)->text(), QString::number(radio[ImageMap::kVhfSquelch]));
    QCOMPARE(dlg.uhfGrid()->item(0, 0)->text(), QStringLiteral("20")); // UHF is not in the block
    QVERIFY(doc.IsModified());
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
    QTest::newRow("read, short reply in the second block")
        << false << QStringLiteral("short-reply@%1").arg(secondBlock) << false
        << "Communication Error";
    QTest::newRow("read failure stays English in Chinese")
        << false << QStringLiteral("no-ack@%1").arg(secondBlock) << true << "Communication Error";
    QTest::newRow("write, no acknowledgement, Chinese")
        << true << QStringLiteral("no-ack@%1").arg(secondBlock) << true << "通讯出错";
    QTest::newRow("read, port missing") << false << "" << false << "Open the serial port fails";
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

    QCOMPARE(messages.shown().size(), 1);
    QVERIFY2(messages.shown().first().text.startsWith(message),
        qPrintable(messages.shown().first().text));
    QVERIFY(doc.image() == before);
    QCOMPARE(dlg.vhfGrid()->item(0, 0)->text(), QStringLiteral("30"));
}

QTEST_MAIN(TestPortDialogs)
#include "tst_portdialogs.moc"
