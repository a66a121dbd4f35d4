// The three settings dialogs driven through their widgets on crafted images:
// what each shows, what OK stores, that Cancel stores nothing.
#include "dialogview/optionfeaturesdlg.h"
#include "dialogview/productinfodlg.h"
#include "dialogview/sqladjustdlg.h"
#include "document/programdoc.h"
#include "settings/inifile.h"
#include "settings/language.h"
#include "settings/usersettings.h"
#include "support/channelimages.h"
#include "support/testfiles.h"
#include "uiservices/uiservices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QtTest>

using namespace ImageMap;

class TestSettingsDialogs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CProgramDoc> m_doc; // a new document for each test

    static QComboBox *list(const COptionFeaturesDlg &dlg, int id)
    {
        return qobject_cast<QComboBox *>(dlg.control(id));
    }
    static void setByte(CProgramDoc &doc, int address, int value)
    {
        MemoryImage updated = doc.image();
        updated[address] = quint8(value);
        doc.changeBytes(updated, QString());
    }

private Q_SLOTS:
    void init();

    void featuresListsShowTheirFields_data();
    void featuresListsShowTheirFields();
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
    QVERIFY(LoadTestIni(m_dir.path()));
    UserSettings::SetProductSelection(0, 0);
    UiServices::SetHelpFunction(nullptr);
    UiServices::SetTitleFunction(nullptr);
    m_doc = std::make_unique<CProgramDoc>();
    m_doc->OnNewDocument();
}

// The list controls and the fields they show; the values and their normalisation
// belong to the features codec.
const struct
{
    const char *name;
    int control;
    int OptionFeatures::*field;
} kListFields[] = {{"squelch level", 1116, &OptionFeatures::squelchLevel},
    {"step", 1117, &OptionFeatures::step}, {"time-out timer", 1118, &OptionFeatures::timeOutTimer},
    {"LED", 1119, &OptionFeatures::led}, {"battery saver", 1120, &OptionFeatures::batterySaver},
    {"keypad lock", 1121, &OptionFeatures::keypadLock},
    {"voice sensitivity", 1122, &OptionFeatures::voiceSensitivity},
    {"priority scan", 1123, &OptionFeatures::priorityScan},
    {"channel display", 1124, &OptionFeatures::channelDisplay},
    {"pri-scan time", 1125, &OptionFeatures::priScanTime},
    {"scan mode", 1126, &OptionFeatures::scanMode}, {"busy", 1127, &OptionFeatures::busy},
    {"mode", 1128, &OptionFeatures::mode}, {"encoder", 1129, &OptionFeatures::encoder},
    {"call tone", 1130, &OptionFeatures::callTone},
    {"V SQL adjust", 1131, &OptionFeatures::vSqlAdjust},
    {"U SQL adjust", 1132, &OptionFeatures::uSqlAdjust}};

void TestSettingsDialogs::featuresListsShowTheirFields_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(kListFields)); ++row)
        QTest::newRow(kListFields[row].name) << row;
}

// With only this field moved off its default, every list shows its own field of
// the decoded image; the choice made in this list goes back into this field.
void TestSettingsDialogs::featuresListsShowTheirFields()
{
    QFETCH(int, row);
    const auto field = kListFields[row].field;
    const int count = list(COptionFeaturesDlg(m_doc.get()), kListFields[row].control)->count();
    OptionFeatures crafted = DecodeFeatures(m_doc->image());
    crafted.*field = (crafted.*field + 1) % count;
    MemoryImage updated = m_doc->image();
    EncodeFeatures(updated, crafted);
    m_doc->changeBytes(updated, QString());

    COptionFeaturesDlg dlg(m_doc.get());
    const OptionFeatures shown = DecodeFeatures(m_doc->image());
    for (const auto &entry : kListFields)
        QCOMPARE(list(dlg, entry.control)->currentIndex(), shown.*entry.field);
    const int chosen = (shown.*field + 1) % count;
    list(dlg, kListFields[row].control)->setCurrentIndex(chosen);
    dlg.accept();
    QCOMPARE(DecodeFeatures(m_doc->image()).*field, chosen);
}

void TestSettingsDialogs::featuresOkWritesEditedControls()
{
    CProgramDoc &doc = *m_doc;
    COptionFeaturesDlg dlg(&doc);
    // Upper-cased, a space cannot be typed, six characters at most.
    QTest::keyClicks(dlg.control(1002), QStringLiteral("ab-1 _xyz"));
    qobject_cast<QCheckBox *>(dlg.control(1016))->setChecked(false);
    dlg.accept();

    QCOMPARE(ImageBytes(doc.image(), kPowerOnName, 6),
        QByteArray::fromHex("0a0b24012621")); // AB-1_X
    QCOMPARE(int(doc.image()[kBeep]), 0xFE);
}

void TestSettingsDialogs::featuresCancelAndModifiedFlag()
{
    CProgramDoc &doc = *m_doc;
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
    doc.undoStack()->setClean();
    const MemoryImage settled = doc.image();
    COptionFeaturesDlg(&doc).accept();
    QVERIFY(doc.image() == settled);
    QVERIFY(!doc.IsModified());
}

void TestSettingsDialogs::featuresHiddenRowsAndF1()
{
    QList<int> asked;
    UiServices::SetHelpFunction([&asked](int context) { asked << context; });
    CProgramDoc &doc = *m_doc;
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

// Every label, list word and check box follows the interface language; only
// the names that are the same in both (LED, the numbers) stay as they are.
void TestSettingsDialogs::featuresChineseLabels()
{
    const auto texts = [this] {
        COptionFeaturesDlg dlg(m_doc.get());
        QStringList found;
        for (const QLabel *label : dlg.findChildren<QLabel *>())
            found << label->text();
        found << list(dlg, 1119)->itemText(1)
              << qobject_cast<QCheckBox *>(dlg.control(1016))->text();
        return found;
    };
    const QStringList english = texts();
    SetLanguageState(QStringLiteral("Chinese"));
    const QStringList chinese = texts();
    QCOMPARE(chinese.size(), english.size());
    for (int i = 0; i < english.size(); ++i) {
        if (english[i] != QLatin1String("LED") && english[i].contains(QRegularExpression("[a-z]")))
            QVERIFY2(chinese[i] != english[i], qPrintable(english[i]));
    }
}

// Types 1, 2 and 4 configured, type 3 empty: the list stops at the gap.
static void ConfigureCatalogue(const QTemporaryDir &dir)
{
    QVERIFY(LoadTestIni(dir.path(),
        "[Setup]\nAppName=HtTest\nType1=HT-100\nField1=136-174MHz\nType2=HT-200\n"
        "Field2=136-174MHz|400-470MHz|350-390MHz\nType4=HT-400\n"
        "[English]\nAppName=Radio Programmer\n"));
}

void TestSettingsDialogs::productListsAndStoredSelection()
{
    ConfigureCatalogue(m_dir);
    UserSettings::SetProductSelection(1, 2);
    CProgramDoc &doc = *m_doc;
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
    ConfigureCatalogue(m_dir);
    QString title;
    UiServices::SetTitleFunction([&title](const QString &t) { title = t; });
    CProgramDoc &doc = *m_doc;
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
    QCOMPARE(ImageBytes(doc.image(), kProductRange, 3), QByteArray::fromHex("353809"));
    QCOMPARE(UserSettings::ProductType(), 1);
    QCOMPARE(UserSettings::ProductField(), 2);
    QCOMPARE(title, QStringLiteral("Radio Programmer  [ Type:HT-200  Fre:350-390MHz ]"));
    QVERIFY(doc.IsModified());

    CProductInfoDlg reopened(&doc);
    QCOMPARE(reopened.typeList()->currentIndex(), 1);
    QCOMPARE(reopened.rangeList()->currentIndex(), 2);
}

void TestSettingsDialogs::productStaleStoredSelectionFallsBack()
{
    ConfigureCatalogue(m_dir);
    UserSettings::SetProductSelection(7, 5);
    CProgramDoc &doc = *m_doc;
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
    UiServices::SetTitleFunction([&titled](const QString &) { titled = true; });
    UserSettings::SetProductSelection(1, 1);
    CProgramDoc &doc = *m_doc;
    const MemoryImage before = doc.image();
    CProductInfoDlg dlg(&doc);
    QCOMPARE(dlg.typeList()->count(), 0);
    dlg.accept();
    QVERIFY(doc.image() == before);
    QVERIFY(!doc.IsModified());
    QVERIFY(!titled);
    QCOMPARE(UserSettings::ProductType(), 1);
}

// Each level byte shows in its own row (the substitutes are the codec's).
void TestSettingsDialogs::squelchGridsShowLevels()
{
    setByte(*m_doc, 0x1F95, 99);
    setByte(*m_doc, 0x1FAC, 127);
    CSqlAdjustDlg dlg(m_doc.get());
    QCOMPARE(dlg.vhfGrid()->rowCount(), 7);
    QCOMPARE(dlg.uhfGrid()->rowCount(), 13);
    QCOMPARE(dlg.vhfGrid()->item(5, 0)->text(), QStringLiteral("99"));
    QCOMPARE(dlg.uhfGrid()->item(12, 0)->text(), QStringLiteral("127"));
}

void TestSettingsDialogs::squelchEditorClamps_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    // The clamping rule itself belongs to the squelch codec; here its wiring.
    QTest::newRow("200 becomes 127") << QStringLiteral("200") << QStringLiteral("127");
    QTest::newRow("-5 becomes 0") << QStringLiteral("-5") << QStringLiteral("0");
    QTest::newRow("three characters at most") << QStringLiteral("12345") << QStringLiteral("123");
}

void TestSettingsDialogs::squelchEditorClamps()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    CProgramDoc &doc = *m_doc;
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
    CProgramDoc &doc = *m_doc;
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
