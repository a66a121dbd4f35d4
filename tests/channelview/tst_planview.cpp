// The channel plan in the grid, driven as a user drives it: the row labels' marks
// as the table and the band limits change, the find bar, hiding empty channels,
// and the Check Channel Plan window that goes to a channel.
#include "channels/channelcolumns.h"
#include "channelview/bandlimitboxes.h"
#include "channelview/channelfindbar.h"
#include "channelview/channelrowcommands.h"
#include "dialogview/checkplandlg.h"
#include "settings/language.h"
#include "settings/usersettings.h"
#include "support/channelimages.h"
#include "support/messagerecorder.h"
#include "viewform.h"

#include <QIcon>
#include <QLabel>
#include <QSignalSpy>
#include <QTreeWidget>
#include <algorithm>

using namespace ImageMap;

namespace {

// Channels 1-3 and 6 in use: 155.16 and 162.55 lie in VHF as long as it reaches
// 174 MHz; channel 6 carries the name of channel 1.
MemoryImage PlanImage()
{
    return ImageWithChannels({{1, "146.52000", "CALL"}, {2, "155.16000", "FIRE"},
        {3, "162.55000", "WX1"}, {6, "446.00625", "CALL"}});
}

QString Mark(const Form &form, int record)
{
    return form.model()->headerData(record, Qt::Vertical, Qt::ToolTipRole).toString();
}

QList<int> Marked(const Form &form)
{
    QList<int> marked;
    for (int record = 0; record < kChannelCount; ++record) {
        const QVariant icon = form.model()->headerData(record, Qt::Vertical, Qt::DecorationRole);
        const QVariant colour = form.model()->headerData(record, Qt::Vertical, Qt::BackgroundRole);
        // Never a colour alone: a mark has both, and the reason to read. A label
        // with only part of a mark is listed as -1.
        const bool whole = icon.isValid() && colour.isValid() && !Mark(form, record).isEmpty();
        if (whole)
            marked << record;
        else if (icon.isValid() || colour.isValid() || !Mark(form, record).isEmpty())
            marked << -1;
    }
    return marked;
}

QList<int> ShownRows(const Form &form)
{
    QList<int> shown;
    for (int row = 0; row < kChannelCount; ++row) {
        if (!form.grid()->isRowHidden(row))
            shown << row;
    }
    return shown;
}

} // namespace

class TestPlanView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void marksFollowTableAndBandLimits();
    void find_data();
    void find();
    void findBarKeys();
    void hideEmptyChannels();
    void checkWindowGoesToChannel();

private:
    MessageRecorder m_messages;
};

void TestPlanView::init()
{
    SetLanguageState(QStringLiteral("English"));
    UserSettings::SetHideEmptyChannels(false);
}

void TestPlanView::marksFollowTableAndBandLimits()
{
    const MemoryImage image = PlanImage();
    Form form(&image);
    QCOMPARE(Marked(form), QList<int>({6}));
    QCOMPARE(Mark(form, 6), QStringLiteral("Name \"CALL\" is also used by channel 1"));

    // The VHF high limit narrowed to 148 and left: 155.16 and 162.55 are refused.
    QLineEdit *high = form.view->bandBoxes()->box(BandBox::VhfHigh);
    high->setFocus();
    high->selectAll();
    QTest::keyClicks(high, QStringLiteral("148"));
    form.click(1, kColName);
    QCOMPARE(form.doc.bands().vhfHigh, 148);
    QCOMPARE(Marked(form), QList<int>({2, 3, 6}));
    QVERIFY(
        Mark(form, 2).startsWith(QStringLiteral("Rx 155.16000 MHz, Tx 155.16000 MHz: outside")));

    // A channel typed to repeat channel 1 is marked at once; Undo takes the marks back.
    form.click(4, kColRx);
    Form::type(QStringLiteral("146.52"));
    Form::key(Qt::Key_Return);
    QCOMPARE(Marked(form), QList<int>({2, 3, 4, 6}));
    QCOMPARE(Mark(form, 4), QStringLiteral("Same Rx, Tx and tones as channel 1"));
    while (form.doc.undoStack()->canUndo())
        form.doc.undoStack()->undo();
    QCOMPARE(Marked(form), QList<int>({6}));
}

void TestPlanView::find_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<QPoint>>("visits"); // (row, column) after typing, then each F3
    QTest::addColumn<QString>("count"); // after typing
    QTest::newRow("part of a frequency, Rx then Tx")
        << "146.5" << QList<QPoint> {{1, kColRx}, {1, kColTx}, {1, kColRx}} << "1 of 2";
    QTest::newRow("a name in lower case") << "wx" << QList<QPoint> {{3, kColName}} << "1 of 1";
    QTest::newRow("a frequency in the UHF band")
        << "446.006" << QList<QPoint> {{6, kColRx}, {6, kColTx}} << "1 of 2";
    QTest::newRow("a name used twice")
        << "call" << QList<QPoint> {{1, kColName}, {6, kColName}, {1, kColName}} << "1 of 2";
    QTest::newRow("nothing found") << "zz" << QList<QPoint> {{0, kColRx}} << "No matches";
}

void TestPlanView::find()
{
    QFETCH(QString, typed);
    QFETCH(QList<QPoint>, visits);
    QFETCH(QString, count);
    const MemoryImage image = PlanImage();
    Form form(&image);
    form.click(0, kColRx);
    Form::key(Qt::Key_F, Qt::ControlModifier);
    ChannelFindBar *bar = form.view->findBar();
    QVERIFY(bar->isVisible());
    QCOMPARE(QApplication::focusWidget(), bar->field());
    Form::type(typed);
    QCOMPARE(bar->countLabel()->text(), count);
    for (int i = 0; i < visits.size(); ++i) {
        if (i > 0)
            Form::key(Qt::Key_F3);
        QCOMPARE(form.current(), visits.at(i));
        // The keyboard stays with the search; the cell's text is untouched.
        QCOMPARE(QApplication::focusWidget(), bar->field());
    }
    QCOMPARE(form.doc.undoStack()->count(), 0);
}

void TestPlanView::findBarKeys()
{
    const MemoryImage image = PlanImage();
    Form form(&image);
    form.click(2, kColRx);
    Form::key(Qt::Key_F, Qt::ControlModifier);
    ChannelFindBar *bar = form.view->findBar();
    Form::type(QStringLiteral("1")); // every channel holds a 1
    QCOMPARE(form.current(), QPoint(2, kColRx)); // the current cell matches itself
    Form::key(Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(form.current(), QPoint(1, kColTx));
    Form::key(Qt::Key_Escape);
    QVERIFY(!bar->isVisible());
    QVERIFY(form.grid()->openEditor());
    QCOMPARE(QApplication::focusWidget(), form.grid()->openEditor());
    // Chinese texts.
    SetLanguageState(QStringLiteral("Chinese"));
    Form chinese(&image);
    chinese.click(0, kColRx);
    Form::key(Qt::Key_F, Qt::ControlModifier);
    Form::type(QStringLiteral("wx"));
    QCOMPARE(chinese.view->findBar()->countLabel()->text(), QStringLiteral("第 1 个，共 1 个"));
}

void TestPlanView::hideEmptyChannels()
{
    const MemoryImage image = PlanImage();
    Form form(&image);
    QCOMPARE(ShownRows(form).size(), kChannelCount);
    form.view->setHideEmptyChannels(true);
    QCOMPARE(ShownRows(form), QList<int>({1, 2, 3, 6}));
    // The labels keep the channel numbers.
    QCOMPARE(form.model()->headerData(6, Qt::Vertical).toString(), QStringLiteral("  6"));

    // Tab from the last cell of channel 3 goes to channel 6.
    form.click(3, kColName);
    Form::key(Qt::Key_Tab);
    QCOMPARE(form.current(), QPoint(6, kColRx));

    // A label range across hidden rows selects the rows shown; Delete Row removes
    // them and the channel below moves up as it always does.
    form.grid()->selectRows({2, 3, 4, 5});
    QCOMPARE(form.grid()->selectedRows(), QList<int>({2, 3}));
    form.view->rowCommands()->run(ChannelRowCommands::DeleteRow);
    QTest::qWait(0);
    QCOMPARE(ShownRows(form), QList<int>({1, 4}));
    QCOMPARE(form.cell(4, kColName), QStringLiteral("CALL"));

    // Shown again: every row.
    form.view->setHideEmptyChannels(false);
    QCOMPARE(ShownRows(form).size(), kChannelCount);
    QCOMPARE(form.doc.undoStack()->count(), 1);
}

void TestPlanView::checkWindowGoesToChannel()
{
    MemoryImage image = PlanImage();
    const quint8 vhf136to148[] = {0x13, 0x14, 0x67};
    std::copy_n(vhf136to148, 3, &image[0x1FF0]);
    Form form(&image);
    auto *window = new CCheckPlanDlg(&form.doc);
    QSignalSpy activated(window, &CCheckPlanDlg::channelActivated);
    QTreeWidget *list = window->list();
    QCOMPARE(list->topLevelItemCount(), 3);
    QCOMPARE(window->summary()->text(),
        QStringLiteral("Errors: 2, warnings: 1. Double-click a problem to go to its channel."));
    const QTreeWidgetItem *first = list->topLevelItem(0);
    QCOMPARE(first->text(0), QStringLiteral("2"));
    QCOMPARE(first->text(1), QStringLiteral("Error"));
    QVERIFY(!first->icon(1).isNull());
    Q_EMIT list->itemActivated(list->topLevelItem(2), 0);
    QCOMPARE(activated.size(), 1);
    QCOMPARE(activated.constFirst(), QVariantList({6, int(kColName)}));

    // It follows the document: the repeated name changed, the band widened.
    QVERIFY(form.doc.commitCell(6, kColName, [&] {
        ChannelTexts row = form.doc.rowTexts(6);
        row[kColName] = QStringLiteral("UHF");
        return row;
    }()));
    QCOMPARE(list->topLevelItemCount(), 2);
    BandBoxes wide = form.doc.bands();
    wide.vhfHigh = 174;
    QVERIFY(form.doc.setBands(wide));
    QCOMPARE(list->isHidden(), true);
    QCOMPARE(window->summary()->text(), QStringLiteral("The channel plan has no problems."));
    delete window;
}

QTEST_MAIN(TestPlanView)
#include "tst_planview.moc"
