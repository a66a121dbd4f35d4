// The three settings dialogs driven through their widgets on crafted images:
// what each shows, what OK stores, that Cancel stores nothing.
#include "dialogtestsupport.h"
#include "inifile.h"
#include "language.h"
#include "optionfeaturesdlg.h"
#include "productinfodlg.h"
#include "programdoc.h"
#include "sqladjustdlg.h"
#include "uiservices.h"
#include "usersettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

using namespace ImageMap;

class TestSettingsDialogs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    static QComboBox *list(const COptionFeaturesDlg &dlg, int id)
    {
        return qobject_cast<QComboBox *>(dlg.control(id));
    }
    static void setByte(CProgramDoc &doc, int address, int value)
    {
        doc.image()[address] = quint8(value);
    }

private Q_SLOTS:
    void init();

    void featuresShowAndStore_data();
    void featuresShowAndStore();
    void featuresOkWritesEditedControls();
    void featuresCancelAndModifiedFlag();
    void featuresHiddenRowsAndF1();
    void featuresChineseLabels();

    void productListsAndStoredSelection();
    void productCancelThenOk();
    void productStaleStoredSelectionFallsBack();
    void productWithoutTypesKeepsBytes();

    void squelchGridsShowLevels();
    void squelchEditorClamps_data();
    void squelchEditorClamps();
    void squelchCancelThenOk();
};

void TestSettingsDialogs::init()
{
    SetLanguageState(QStringLiteral("English"));
    QVERIFY(LoadTestIni(m_dir));
    UserSettings::setProductSelection(0, 0);
    UiServices::setHelpFunction(nullptr);
    UiServices::setTitleFunction(nullptr);
}

// One row per list: the control shows its byte, and OK stores it back
// normalised (a list without selection stores its field mask, whole-byte
// lists store 0, bits that no control owns are kept).
void TestSettingsDialogs::featuresShowAndStore_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("control");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("stored");

    QTest::newRow("time-out 0x0C: none, stores 0x0F")
        << kTimeOutTimer << 0x0C << 1118 << -1 << 0x0F;
    QTest::newRow("squelch level 0xA3 reads bits 3-0") << kSquelchLevel << 0xA3 << 1116 << 3 << 3;
    QTest::newRow("step 5: none, stores 0") << kStep << 0x05 << 1117 << -1 << 0;
    QTest::newRow("step 7: none, stores 0") << kStep << 0x07 << 1117 << -1 << 0;
    QTest::newRow("scan mode 11 shows TO, stores 10") << kDisplayBits << 0xF1 << 1126 << 2 << 0xE1;
    QTest::newRow("LED 11 shows On, bit 0 kept") << kDisplayBits << 0xDD << 1119 << 2 << 0xD9;
    QTest::newRow("channel display bit 0 is On") << kDisplayBits << 0x00 << 1124 << 1 << 0x00;
    QTest::newRow("busy bit 1 is Off") << kDisplayBits << 0x40 << 1127 << 0 << 0x40;
    QTest::newRow("keypad lock bit 1 is Auto") << kDisplayBits << 0xC2 << 1121 << 1 << 0xC2;
    QTest::newRow("mode 3 shows Memory, stores 2") << kScanBits << 0x03 << 1128 << 2 << 0x02;
    QTest::newRow("priority scan and encoder") << kScanBits << 0xE0 << 1123 << 1 << 0xE0;
    QTest::newRow("encoder bit 5") << kScanBits << 0x20 << 1129 << 1 << 0x20;
    QTest::newRow("call tone 9 is 1750") << kCallTone << 0x09 << 1130 << 9 << 9;
    QTest::newRow("voice sensitivity 16") << kVoiceSensitivity << 0x10 << 1122 << 16 << 16;
    QTest::newRow("pri-scan 0xFF: 3s, stores 0") << kPriScanTime << 0xFF << 1125 << 0 << 0;
    QTest::newRow("battery saver 6: Off, stores 0") << kBatterySaver << 0x06 << 1120 << 0 << 0;
    QTest::newRow("V SQL 200: 30") << kVSqlAdjust << 200 << 1131 << 30 << 30;
    QTest::newRow("U SQL 0xFF: 20") << kUSqlAdjust << 0xFF << 1132 << 20 << 20;
}

void TestSettingsDialogs::featuresShowAndStore()
{
    QFETCH(int, address);
    QFETCH(int, value);
    QFETCH(int, control);
    QFETCH(int, shown);
    QFETCH(int, stored);

    CProgramDoc doc;
    doc.OnNewDocument();
    setByte(doc, address, value);
    COptionFeaturesDlg dlg(&doc);
    QVERIFY(list(dlg, control));
    QCOMPARE(list(dlg, control)->currentIndex(), shown);
    dlg.accept();
    QCOMPARE(int(doc.image()[address]), stored);
}

void TestSettingsDialogs::featuresOkWritesEditedControls()
{
    CProgramDoc doc;
    doc.OnNewDocument();
    setByte(doc, kDisplayBits, 0xD5); // LED Auto, unused bit 0 set
    COptionFeaturesDlg dlg(&doc);
    list(dlg, 1119)->setCurrentIndex(2);
    QTest::keyClicks(dlg.control(1002), QStringLiteral("AB-1_xyz")); // six characters at most
    qobject_cast<QCheckBox *>(dlg.control(1016))->setChecked(false);
    dlg.accept();

    QCOMPARE(int(doc.image()[kDisplayBits]), 0xD9);
    const QList<int> name {10, 11, 36, 1, 38, 0xFF};
    for (int i = 0; i < name.size(); ++i)
        QCOMPARE(int(doc.image()[kPowerOnName + i]), name.at(i));
    QCOMPARE(int(doc.image()[kBeep]), 0xFE);
}

void TestSettingsDialogs::featuresCancelAndModifiedFlag()
{
    CProgramDoc doc;
    doc.OnNewDocument();
    const MemoryImage before = doc.image();
    COptionFeaturesDlg cancelled(&doc);
    list(cancelled, 1119)->setCurrentIndex(0);
    cancelled.reject();
    QVERIFY(doc.image() == before);
    QVERIFY(!doc.IsModified());

    // A new image holds 0xFF in the fill and SQL Adjust bytes: the first OK
    // changes them; a second OK changes nothing and leaves the flag alone.
    COptionFeaturesDlg(&doc).accept();
    QVERIFY(doc.IsModified());
    doc.SetModifiedFlag(false);
    const MemoryImage settled = doc.image();
    COptionFeaturesDlg(&doc).accept();
    QVERIFY(doc.image() == settled);
    QVERIFY(!doc.IsModified());
}

void TestSettingsDialogs::featuresHiddenRowsAndF1()
{
    QList<int> asked;
    UiServices::setHelpFunction([&asked](int context) { asked << context; });
    CProgramDoc doc;
    doc.OnNewDocument();
    COptionFeaturesDlg dlg(&doc);
    dlg.show();
    dlg.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QVERIFY(dlg.control(1118)->isVisible());
    QVERIFY(!dlg.control(1131)->isVisible());
    QVERIFY(!dlg.control(1132)->isVisible());
    QVERIFY(dlg.height() - dlg.control(1)->geometry().bottom() < 40);

    for (int id : {1121, 1002, 1016}) {
        dlg.control(id)->setFocus();
        QTest::keyClick(dlg.control(id), Qt::Key_F1);
    }
    QCOMPARE(asked, (QList<int> {1121, 1002, 1016}));
}

void TestSettingsDialogs::featuresChineseLabels()
{
    SetLanguageState(QStringLiteral("Chinese"));
    CProgramDoc doc;
    doc.OnNewDocument();
    COptionFeaturesDlg dlg(&doc);
    QStringList labels;
    for (const QLabel *label : dlg.findChildren<QLabel *>())
        labels << label->text();
    for (const char *name :
        {"超时定时器", "静噪电平", "呼叫铃音", "信道显示", "优先扫描", "预扫描时间", "扫描模式",
            "键盘锁定", "声控灵敏度", "步长", "电池省电", "编码器", "繁忙", "模式", "LED"})
        QVERIFY2(labels.contains(QString::fromUtf8(name)), name);
    QCOMPARE(list(dlg, 1119)->itemText(1), QStringLiteral("自动"));
    QCOMPARE(qobject_cast<QCheckBox *>(dlg.control(1016))->text(), QStringLiteral("提示音"));
}

// Types 1, 2 and 4 configured, type 3 empty: the list stops at the gap.
static void ConfigureCatalogue()
{
    const QString setup = QStringLiteral("Setup");
    g_iniFile.SetValue(setup, QStringLiteral("Type1"), QStringLiteral("HT-100"));
    g_iniFile.SetValue(setup, QStringLiteral("Field1"), QStringLiteral("136-174MHz"));
    g_iniFile.SetValue(setup, QStringLiteral("Type2"), QStringLiteral("HT-200"));
    g_iniFile.SetValue(
        setup, QStringLiteral("Field2"), QStringLiteral("136-174MHz|400-470MHz|350-390MHz"));
    g_iniFile.SetValue(setup, QStringLiteral("Type4"), QStringLiteral("HT-400"));
}

void TestSettingsDialogs::productListsAndStoredSelection()
{
    ConfigureCatalogue();
    UserSettings::setProductSelection(1, 2);
    CProgramDoc doc;
    doc.OnNewDocument();
    setByte(doc, kProductType, 0);
    setByte(doc, kProductField, 0);
    CProductInfoDlg dlg(&doc);
    QCOMPARE(dlg.typeList()->count(), 2);
    QCOMPARE(dlg.typeList()->currentText(), QStringLiteral("HT-200"));
    QCOMPARE(dlg.rangeList()->count(), 3);
    QCOMPARE(dlg.rangeList()->currentText(), QStringLiteral("350-390MHz"));

    dlg.typeList()->setCurrentIndex(0); // a type change refills and selects the first range
    QCOMPARE(dlg.rangeList()->count(), 1);
    QCOMPARE(dlg.rangeList()->currentIndex(), 0);
}

void TestSettingsDialogs::productCancelThenOk()
{
    ConfigureCatalogue();
    QString title;
    UiServices::setTitleFunction([&title](const QString &t) { title = t; });
    CProgramDoc doc;
    doc.OnNewDocument();
    const MemoryImage before = doc.image();
    CProductInfoDlg cancelled(&doc);
    cancelled.typeList()->setCurrentIndex(1);
    cancelled.reject();
    QVERIFY(doc.image() == before);
    QVERIFY(title.isEmpty());

    CProductInfoDlg dlg(&doc);
    dlg.typeList()->setCurrentIndex(1);
    dlg.rangeList()->setCurrentIndex(2);
    dlg.accept();

    QCOMPARE(int(doc.image()[kProductType]), 1);
    QCOMPARE(int(doc.image()[kProductField]), 2);
    QCOMPARE(int(doc.image()[kProductRange]), 0x35);
    QCOMPARE(int(doc.image()[kProductRange + 1]), 0x38);
    QCOMPARE(int(doc.image()[kProductRange + 2]), 0x09);
    QCOMPARE(UserSettings::productType(), 1);
    QCOMPARE(UserSettings::productField(), 2);
    QCOMPARE(title, QStringLiteral("Radio Programmer  [ Type:HT-200  Fre:350-390MHz ]"));
    QVERIFY(doc.IsModified());

    CProductInfoDlg reopened(&doc);
    QCOMPARE(reopened.typeList()->currentIndex(), 1);
    QCOMPARE(reopened.rangeList()->currentIndex(), 2);
}

void TestSettingsDialogs::productStaleStoredSelectionFallsBack()
{
    ConfigureCatalogue();
    UserSettings::setProductSelection(7, 5);
    CProgramDoc doc;
    doc.OnNewDocument();
    CProductInfoDlg dlg(&doc);
    QCOMPARE(dlg.typeList()->currentIndex(), 0);
    QCOMPARE(dlg.rangeList()->currentIndex(), 0);
    dlg.accept();
    QCOMPARE(int(doc.image()[kProductType]), 0);
    QCOMPARE(int(doc.image()[kProductRange]), 0x13);
}

void TestSettingsDialogs::productWithoutTypesKeepsBytes()
{
    bool titled = false;
    UiServices::setTitleFunction([&titled](const QString &) { titled = true; });
    UserSettings::setProductSelection(1, 1);
    CProgramDoc doc;
    doc.OnNewDocument();
    const MemoryImage before = doc.image();
    CProductInfoDlg dlg(&doc);
    QCOMPARE(dlg.typeList()->count(), 0);
    dlg.accept();
    QVERIFY(doc.image() == before);
    QVERIFY(!doc.IsModified());
    QVERIFY(!titled);
    QCOMPARE(UserSettings::productType(), 1);
}

void TestSettingsDialogs::squelchGridsShowLevels()
{
    CProgramDoc doc;
    doc.OnNewDocument();
    setByte(doc, 0x1F95, 0xC8);
    setByte(doc, 0x1FAC, 127);
    CSqlAdjustDlg dlg(&doc);
    QCOMPARE(dlg.vhfGrid()->rowCount(), 7);
    QCOMPARE(dlg.uhfGrid()->rowCount(), 13);
    QCOMPARE(dlg.vhfGrid()->horizontalHeaderItem(0)->text(), QStringLiteral("VHF (0-127)"));
    QCOMPARE(dlg.uhfGrid()->verticalHeaderItem(12)->text(), QStringLiteral("13"));
    QCOMPARE(dlg.vhfGrid()->item(0, 0)->text(), QStringLiteral("30"));
    QCOMPARE(dlg.vhfGrid()->item(5, 0)->text(), QStringLiteral("30"));
    QCOMPARE(dlg.uhfGrid()->item(0, 0)->text(), QStringLiteral("20"));
    QCOMPARE(dlg.uhfGrid()->item(12, 0)->text(), QStringLiteral("127"));
}

void TestSettingsDialogs::squelchEditorClamps_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("200 becomes 127") << "200"
                                     << "127";
    QTest::newRow("-5 becomes 0") << "-5"
                                  << "0";
    QTest::newRow("letters become 0") << "abc"
                                      << "0";
    QTest::newRow("three characters at most") << "12345"
                                              << "123";
    QTest::newRow("leading digits count") << "7x"
                                          << "7";
    QTest::newRow("in range kept") << "64"
                                   << "64";
}

void TestSettingsDialogs::squelchEditorClamps()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    CProgramDoc doc;
    doc.OnNewDocument();
    CSqlAdjustDlg dlg(&doc);
    dlg.show();
    dlg.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QTableWidget *grid = dlg.uhfGrid();
    grid->setFocus();
    grid->setCurrentCell(3, 0);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, typed);
    grid->setCurrentCell(4, 0);
    QCOMPARE(grid->item(3, 0)->text(), shown);
}

void TestSettingsDialogs::squelchCancelThenOk()
{
    CProgramDoc doc;
    doc.OnNewDocument();
    const MemoryImage before = doc.image();
    CSqlAdjustDlg cancelled(&doc);
    cancelled.vhfGrid()->item(0, 0)->setText(QStringLiteral("5"));
    cancelled.reject();
    QVERIFY(doc.image() == before);

    CSqlAdjustDlg dlg(&doc);
    dlg.vhfGrid()->item(2, 0)->setText(QStringLiteral("999"));
    dlg.vhfGrid()->item(3, 0)->setText(QStringLiteral("12"));
    dlg.uhfGrid()->item(0, 0)->setText(QStringLiteral("999"));
    dlg.uhfGrid()->item(1, 0)->setText(QStringLiteral("127"));
    dlg.accept();
    QCOMPARE(int(doc.image()[0x1F92]), 30);
    QCOMPARE(int(doc.image()[0x1F93]), 12);
    QCOMPARE(int(doc.image()[0x1FA0]), 20);
    QCOMPARE(int(doc.image()[0x1FA1]), 127);
    QVERIFY(doc.IsModified());
}

QTEST_MAIN(TestSettingsDialogs)
#include "tst_settingsdialogs.moc"
