// The windows of File > Open Backup and Import CSV, driven through their
// widgets: what they list, what a choice gives, and what an import would do
// before it is done.
#include "channels/channelcodec.h"
#include "dialogview/backupsdlg.h"
#include "dialogview/csvimportdlg.h"
#include "document/programdoc.h"
#include "image/datfile.h"
#include "settings/inifile.h"
#include "settings/language.h"
#include "support/testfiles.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QDateTime kNoon(QDate(2024, 5, 1), QTime(12, 0, 0));

QStringList ItemTexts(const QTreeWidgetItem *item)
{
    QStringList texts;
    for (int column = 0; column < item->columnCount(); ++column)
        texts << item->text(column);
    return texts;
}

// The children of a group as "text|text|...", their empty trailing cells left out.
QStringList Children(const QTreeWidgetItem *group)
{
    QStringList lines;
    for (int i = 0; group && i < group->childCount(); ++i) {
        QStringList texts = ItemTexts(group->child(i));
        while (!texts.isEmpty() && texts.last().isEmpty())
            texts.removeLast();
        lines << texts.join(QLatin1Char('|'));
    }
    return lines;
}

void DoubleClick(QTreeWidget *tree, QTreeWidgetItem *item)
{
    const QPoint pos = tree->visualItemRect(item).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, pos);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, pos);
}

void SetChannel(CProgramDoc &doc, int record, const QString &rx, const QString &name = {})
{
    ChannelTexts texts = NewChannelTexts(rx, false);
    texts[kColName] = name;
    QVERIFY(doc.commitCell(record, kColRx, texts));
}

} // namespace

class TestFileDialogs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase();
    void backupsListNewestFirst();
    void importPreview_data();
    void importPreview();
    void importSkipsAndFillsFreeChannels();
};

void TestFileDialogs::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(LoadTestIni(m_dir.path()));
    SetLanguageState(QStringLiteral("English"));
}

void TestFileDialogs::backupsListNewestFirst()
{
    const BackupStore store(m_dir.filePath(QStringLiteral("backups")));
    MemoryImage image = NewImage();
    EncodeChannel(image, 3, NewChannelTexts(QStringLiteral("145.00000"), false));
    image[ImageMap::kPowerOnName] = 10; // "A"
    QVERIFY(store.keep(image, BackupKind::Radio, nullptr, kNoon).ok());
    QVERIFY(store.keep(NewImage(), BackupKind::Sent, nullptr, kNoon.addSecs(300)).ok());
    QVERIFY(WriteFile(store.folder() + QStringLiteral("/radio-20240501-130000.dat"), "cut"));

    CBackupsDlg open(store.list(), store.folder(), CBackupsDlg::Purpose::Open);
    open.show();
    QTreeWidget *list = open.list();
    QCOMPARE(list->topLevelItemCount(), 3);
    QCOMPARE(ItemTexts(list->topLevelItem(0)),
        QStringList({"2024-05-01 13:00:00", "Read from the radio", "not a complete image", ""}));
    QCOMPARE(ItemTexts(list->topLevelItem(1)),
        QStringList({"2024-05-01 12:05:00", "Sent to the radio", "0", ""}));
    QCOMPARE(ItemTexts(list->topLevelItem(2)),
        QStringList({"2024-05-01 12:00:00", "Read from the radio", "1", "A"}));
    QVERIFY(!(list->topLevelItem(0)->flags() & Qt::ItemIsEnabled)); // cannot be opened
    QCOMPARE(open.selectedPath(), store.folder() + QStringLiteral("/sent-20240501-120500.dat"));
    QVERIFY(open.okButton()->isEnabled());
    QVERIFY(!open.otherFileButton());
    list->setCurrentItem(list->topLevelItem(2));
    DoubleClick(list, list->topLevelItem(2));
    QCOMPARE(open.result(), int(QDialog::Accepted));
    QCOMPARE(open.selectedPath(), store.folder() + QStringLiteral("/radio-20240501-120000.dat"));

    CBackupsDlg compare({}, store.folder(), CBackupsDlg::Purpose::Compare);
    QVERIFY(compare.list()->isHidden()); // none kept yet: a line says so
    QVERIFY(!compare.okButton()->isEnabled());
    QTest::mouseClick(compare.otherFileButton(), Qt::LeftButton);
    QCOMPARE(compare.result(), CBackupsDlg::kOtherFile);
}

void TestFileDialogs::importPreview_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QStringList>("written"); // line|CH|Rx|...|Name
    QTest::addColumn<QStringList>("emptied"); // |CH|Rx ... as the channel is now
    QTest::addColumn<QStringList>("notes");
    QTest::addColumn<QString>("refusal"); // in the summary; empty when OK can import
    QTest::addColumn<bool>("chinese");

    // The document holds channels 2 (145.00000, "OLD") and 3 (146.00000).
    const QString old2 = "|2|145.00000|145.00000|None|None|High|Lock|Yes|Wide|OLD";
    const QString old3 = "|3|146.00000|146.00000|None|None|High|Lock|Yes|Wide";
    const QByteArray grid = "CH,Rx Frequency,Cha Name\n1,145.50000,home\n3,,\n";
    QTest::newRow("grid rows, one empties a channel")
        << grid << false
        << QStringList {"2|1|145.50000|145.50000|None|None|High|Lock|Yes|Wide|HOME",
               "3|3|(emptied)"}
        << QStringList {} << QStringList {} << QString() << false;
    QTest::newRow("replace all channels empties those not listed")
        << grid << true
        << QStringList {"2|1|145.50000|145.50000|None|None|High|Lock|Yes|Wide|HOME",
               "3|3|(emptied)"}
        << QStringList {old2} << QStringList {} << QString() << false;
    QTest::newRow("community row with a name shortened, Chinese")
        << QByteArray("Location,Name,Frequency,Duplex,Offset,Mode\n"
                      "7,Repeater one,146.52,,0,NFM\n")
        << false << QStringList {"2|7|146.52000|146.52000|无|无|高|锁定|有|窄|REPEAT"}
        << QStringList {} << QStringList {"line 2: name \"Repeater one\" stored as \"REPEAT\""}
        << QString() << true;
    QTest::newRow("refused with its line")
        << QByteArray("CH,Rx Frequency\n1,145.00000\n2,999.00000\n") << false << QStringList {}
        << QStringList {} << QStringList {}
        << "Nothing can be imported from \"list.csv\": line 3:" << false;
}

void TestFileDialogs::importPreview()
{
    QFETCH(QByteArray, csv);
    QFETCH(bool, replace);
    QFETCH(QStringList, written);
    QFETCH(QStringList, emptied);
    QFETCH(QStringList, notes);
    QFETCH(QString, refusal);
    QFETCH(bool, chinese);

    SetLanguageState(QString::fromLatin1(chinese ? "Chinese" : "English"));
    CProgramDoc doc;
    doc.OnNewDocument();
    SetChannel(doc, 2, QStringLiteral("145.00000"), QStringLiteral("OLD"));
    SetChannel(doc, 3, QStringLiteral("146.00000"));
    const MemoryImage before = doc.image();

    CCsvImportDlg dialog(&doc, csv, QStringLiteral("list.csv"), nullptr);
    if (replace)
        QTest::mouseClick(dialog.replaceCheck(), Qt::LeftButton);
    QCOMPARE(Children(dialog.group(CCsvImportDlg::Group::Written)), written);
    QCOMPARE(Children(dialog.group(CCsvImportDlg::Group::Emptied)), emptied);
    QCOMPARE(Children(dialog.group(CCsvImportDlg::Group::Notes)), notes);
    QCOMPARE(dialog.okButton()->isEnabled(), refusal.isEmpty());
    if (!refusal.isEmpty())
        QVERIFY2(
            dialog.summary()->text().startsWith(refusal), qPrintable(dialog.summary()->text()));
    QVERIFY(doc.image() == before); // a preview changes nothing
    QCOMPARE(doc.undoStack()->count(), 2);
    SetLanguageState(QStringLiteral("English"));
}

void TestFileDialogs::importSkipsAndFillsFreeChannels()
{
    CProgramDoc doc;
    doc.OnNewDocument();
    SetChannel(doc, 2, QStringLiteral("145.00000"), QStringLiteral("OLD"));
    SetChannel(doc, 3, QStringLiteral("146.00000"));
    const int commands = doc.undoStack()->count();
    const QByteArray csv = "CH,Rx Frequency\n2,145.5\n4,999\n3,147.0\n";
    CCsvImportDlg dialog(&doc, csv, QStringLiteral("list.csv"), nullptr);
    QVERIFY(!dialog.okButton()->isEnabled());

    dialog.skipBadCheck()->click();
    QCOMPARE(Children(dialog.group(CCsvImportDlg::Group::Skipped)).size(), 1);
    QVERIFY(Children(dialog.group(CCsvImportDlg::Group::Skipped))
                .first()
                .startsWith(QStringLiteral("line 3: Out of range")));
    QCOMPARE(dialog.group(CCsvImportDlg::Group::Written)->childCount(), 2);
    QVERIFY2(
        dialog.summary()->text().contains(QStringLiteral("channels 2-3 in use will be replaced")),
        qPrintable(dialog.summary()->text()));
    QVERIFY(dialog.okButton()->isEnabled());

    // Into free channels from 2: channels 2 and 3 are in use, so 4 and 5 are filled
    // and "Replace all channels" cannot be ticked.
    dialog.replaceCheck()->setChecked(true);
    dialog.intoFreeCheck()->click();
    dialog.firstFreeBox()->setValue(2);
    QVERIFY(!dialog.replaceCheck()->isChecked() && !dialog.replaceCheck()->isEnabled());
    QVERIFY(!dialog.summary()->text().contains(QStringLiteral("replaced")));
    dialog.accept();
    QCOMPARE(doc.undoStack()->count(), commands + 1);
    const MemoryImage image = doc.image();
    QCOMPARE(DecodeChannel(image, 2, false)[kColRx], QStringLiteral("145.00000"));
    QCOMPARE(DecodeChannel(image, 4, false)[kColRx], QStringLiteral("145.50000"));
    QCOMPARE(DecodeChannel(image, 5, false)[kColRx], QStringLiteral("147.00000"));
}

QTEST_MAIN(TestFileDialogs)
#include "tst_filedialogs.moc"
