// The channel grid view driven as a user drives it: clicks, typing, Enter, Tab and
// arrows on real widgets, messages answered through the injectable message function.
#include "channels/channelcolumns.h"
#include "channelview/bandlimitboxes.h"
#include "channelview/channelgrid.h"
#include "channelview/channeltablemodel.h"
#include "channelview/programview.h"
#include "document/programdoc.h"
#include "settings/language.h"
#include "settings/messages.h"
#include "support/channelimages.h"
#include "support/messagerecorder.h"
#include "uiservices/uiservices.h"
#include "viewform.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>
#include <memory>

namespace {

QList<int> g_helpRequests;

MemoryImage ImageWithChannel(int record, const ChannelTexts &texts)
{
    MemoryImage image = NewImage();
    EncodeChannel(image, record, texts);
    return image;
}

const ChannelTexts kChannel
    = {"146.52500", "146.52500", "67.0", "D023N", "Low", "Unlock", "No", "Narrow", "HOME"};

QStringList List(const ChannelTexts &r)
{
    return QStringList(r.begin(), r.end());
}

} // namespace

class TestProgramView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void newImageShowsEmptyRows();
    void typedRxMakesChannel_data();
    void typedRxMakesChannel();
    void commitRules_data();
    void commitRules();
    void keyboardMoves_data();
    void keyboardMoves();
    void valueOutsideListIsKept_data();
    void valueOutsideListIsKept();
    void nameEditorAcceptsRadioCharacters_data();
    void nameEditorAcceptsRadioCharacters();
    void bandBoxClamping_data();
    void bandBoxClamping();
    void scrollingKeepsTypedValue();
    void modifiedOnlyOnRealChange_data();
    void modifiedOnlyOnRealChange();
    void helpAsksForFocusedControl_data();
    void helpAsksForFocusedControl();

private:
    MessageRecorder m_messages;
};

void TestProgramView::initTestCase()
{
    UiServices::SetHelpFunction([](int context) { g_helpRequests << context; });
}

void TestProgramView::init()
{
    SetLanguageState(QStringLiteral("English"));
    m_messages.clear();
    g_helpRequests.clear();
}

void TestProgramView::cleanup()
{
    SetLanguageState(QStringLiteral("English"));
    // Every validation message has the caution caption and the warning icon.
    for (const MessageRecorder::Shown &shown : m_messages.shown()) {
        QCOMPARE(shown.caption, MessageText(kMsgCaution));
        QCOMPARE(shown.icon, QMessageBox::Warning);
    }
}

void TestProgramView::newImageShowsEmptyRows()
{
    Form form;
    QCOMPARE(form.model()->rowCount(), 200);
    for (int row = 0; row < 200; ++row)
        QCOMPARE(List(form.doc.rowTexts(row)), QStringList(9, QString()));
    const auto label
        = [&](int row) { return form.model()->headerData(row, Qt::Vertical).toString(); };
    QCOMPARE(label(0), QStringLiteral("Pr"));
    QCOMPARE(label(1), QStringLiteral("  1"));
    QCOMPARE(label(199), QStringLiteral("199"));
    QCOMPARE(form.view->bandBoxes()->boxes(), (BandBoxes {136, 174, 400, 480}));
}

void TestProgramView::typedRxMakesChannel_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English") << "English"
                             << "146.52500,146.52500,None,None,High,Lock,Yes,Wide,";
    QTest::newRow("Chinese") << "Chinese"
                             << "146.52500,146.52500,无,无,高,锁定,有,宽,";
}

void TestProgramView::typedRxMakesChannel()
{
    QFETCH(QString, language);
    QFETCH(QString, expected);
    SetLanguageState(language);
    Form form;
    form.click(5, kColRx);
    Form::type(QStringLiteral("146.525"));
    Form::key(Qt::Key_Down);
    QCOMPARE(List(form.doc.rowTexts(5)).join(','), expected);
    QCOMPARE(form.current(), QPoint(6, kColRx));
    QVERIFY(m_messages.shown().isEmpty());
}

void TestProgramView::commitRules_data()
{
    QTest::addColumn<QPoint>("cell"); // row 3 holds a channel, row 4 is empty
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<int>("message");
    QTest::addColumn<QStringList>("after");

    const QStringList cleared(9, QString());
    QStringList txCleared = List(kChannel);
    txCleared[kColTx].clear();
    QStringList rxChanged = List(kChannel);
    rxChanged[kColRx] = QStringLiteral("440.01250");
    // One case per rule family; every rule is in tst_cellcommit.
    const QPoint tx(3, kColTx);
    QTest::newRow("off-step Tx with Enter clears only Tx and stays")
        << tx << "146.5126" << true << int(kMsgOffStep) << txCleared;
    QTest::newRow("out-of-range Rx clears the channel")
        << QPoint(3, kColRx) << "300" << false << int(kMsgOutOfRange) << cleared;
    QTest::newRow("new Rx of a channel changes only that cell")
        << QPoint(3, kColRx) << "440.0125" << true << 0 << rxChanged;
    QTest::newRow("Tx typed into an empty row is discarded")
        << QPoint(4, kColTx) << "146.525" << true << 0 << cleared;
    QTest::newRow("146,525 is not a frequency: refused, the channel stays")
        << QPoint(3, kColRx) << "146,525" << false << int(kMsgNotAFrequency) << List(kChannel);
}

void TestProgramView::commitRules()
{
    QFETCH(QPoint, cell);
    QFETCH(QString, typed);
    QFETCH(bool, byEnter);
    QFETCH(int, message);
    QFETCH(QStringList, after);

    const MemoryImage image = ImageWithChannel(3, kChannel);
    Form form(&image);
    form.click(cell.x(), cell.y());
    if (typed.isEmpty())
        Form::key(Qt::Key_Delete); // the editor opens with its text selected
    else
        Form::type(typed);
    const QPoint next(cell.x(), cell.y() + 1);
    if (byEnter)
        Form::key(Qt::Key_Return);
    else
        form.click(next.x(), next.y());
    // The message comes once the commit is over, never from inside it.
    QVERIFY(m_messages.ids().isEmpty());
    QCoreApplication::processEvents();
    QCOMPARE(m_messages.ids(), message ? QList<int> {message} : QList<int>());
    QCOMPARE(List(form.doc.rowTexts(cell.x())), after);
    // A change is one command, and undoing it gives the row back.
    const bool changed = cell.x() == 3 && after != List(kChannel);
    QUndoStack *stack = form.doc.undoStack();
    QCOMPARE(stack->count(), changed ? 1 : 0);
    if (changed) {
        stack->undo();
        QCOMPARE(List(form.doc.rowTexts(3)), List(kChannel));
        stack->redo();
        QCOMPARE(List(form.doc.rowTexts(3)), after);
    }
    const bool stays = byEnter && message;
    QCOMPARE(form.current(), stays ? cell : next);
    if (stays) {
        // The key was consumed: no editor. Typing a digit opens it again, Escape
        // takes the typing back, and Enter then moves on.
        QVERIFY(!form.grid()->openEditor());
        Form::type(QStringLiteral("1"));
        QCOMPARE(form.editorText(), QStringLiteral("1"));
        Form::key(Qt::Key_Escape);
        QCOMPARE(form.editorText(), QString());
        Form::key(Qt::Key_Return);
        QCOMPARE(form.current(), next);
    }
}

void TestProgramView::keyboardMoves_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QPoint>("to");
    auto row = [](const char *name, QPoint from, int key, QPoint to) {
        QTest::newRow(name) << from << key << to;
    };
    row("Enter at the end of a row wraps to the next row", {5, kColName}, Qt::Key_Return,
        {6, kColRx});
    row("Enter at the end of row 200 wraps to row 1", {199, kColName}, Qt::Key_Return, {0, kColRx});
    row("Down from an edit box", {4, kColRx}, Qt::Key_Down, {5, kColRx});
    row("Right from a list", {4, kColPower}, Qt::Key_Right, {4, kColLock});
    row("Tab moves right", {4, kColRx}, Qt::Key_Tab, {4, kColTx});
    row("Tab at the row end wraps", {4, kColName}, Qt::Key_Tab, {5, kColRx});
    row("Shift+Tab at the row start goes back", {4, kColRx}, Qt::Key_Backtab, {3, kColName});
}

void TestProgramView::keyboardMoves()
{
    QFETCH(QPoint, from);
    QFETCH(int, key);
    QFETCH(QPoint, to);
    Form form;
    form.click(from.x(), from.y());
    Form::key(key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(form.current(), to);
    QVERIFY(form.grid()->openEditor());
    QCOMPARE(form.grid()->openEditorIndex(), form.grid()->currentIndex());
    // The new cell is scrolled into view.
    QVERIFY(form.grid()->viewport()->rect().contains(
        form.grid()->visualRect(form.grid()->currentIndex()).center()));
}

void TestProgramView::valueOutsideListIsKept_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("offset"); // in record 2
    QTest::addColumn<QByteArray>("bytes"); // a value the list does not offer
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("typed"); // empty: the cell is only passed through
    QTest::addColumn<QString>("after");
    const QByteArray tone = QByteArray::fromHex("0510"); // 100.5 Hz: shown by rule, not listed
    QTest::newRow("a tone set elsewhere survives passing through")
        << int(kColRxTone) << 8 << tone << "100.5"
        << ""
        << "100.5";
    QTest::newRow("choosing a listed tone replaces it") << int(kColRxTone) << 8 << tone << "100.5"
                                                        << "88"
                                                        << "88.5";
    QTest::newRow("power bits 11 survive passing through")
        << int(kColPower) << 12 << QByteArray::fromHex("f1") << ""
        << ""
        << "";
}

void TestProgramView::valueOutsideListIsKept()
{
    QFETCH(int, column);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    MemoryImage image = ImageWithChannel(2, kChannel);
    for (int i = 0; i < bytes.size(); ++i)
        image[2 * 16 + offset + i] = quint8(bytes[i]);
    Form form(&image);
    const MemoryImage before = form.doc.image();
    QCOMPARE(form.cell(2, column), shown);
    form.click(2, column);
    auto *list = qobject_cast<QComboBox *>(form.grid()->openEditor());
    QVERIFY(list);
    QCOMPARE(list->currentText(), shown);
    QCOMPARE(list->count(), ColumnChoices(column, false).size() + 1);
    Form::type(typed);
    form.click(3, column);
    QCOMPARE(form.cell(2, column), after);
    if (typed.isEmpty())
        QCOMPARE(form.doc.image(), before);
}

void TestProgramView::nameEditorAcceptsRadioCharacters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("lower case is upper-cased")
        << "ab-1_"
        << "AB-1_" << QByteArray::fromHex("0a0b240126ffffff");
    QTest::newRow("a seventh character cannot be typed")
        << "ABCDEFG"
        << "ABCDEF" << QByteArray::fromHex("0a0b0c0d0e0fffff");
    QTest::newRow("characters the radio cannot show cannot be typed")
        << "A B.c!"
        << "ABC" << QByteArray::fromHex("0a0b0cffffffffff");
}

void TestProgramView::nameEditorAcceptsRadioCharacters()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QByteArray, stored);
    const MemoryImage image = ImageWithChannel(7, kChannel);
    Form form(&image);
    form.click(7, kColName);
    Form::type(typed);
    QCOMPARE(form.editorText(), shown);
    Form::key(Qt::Key_Return);
    QCOMPARE(form.cell(7, kColName), shown);
    form.view->PullIntoImage();
    QCOMPARE(SlotBytes(form.doc.image(), 7).mid(16), stored);
}

void TestProgramView::bandBoxClamping_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<BandBoxes>("before");
    QTest::addColumn<BandBoxes>("after");
    const BandBoxes usual {136, 174, 400, 480};
    // The clamping table is the band-limit code's; here the boxes apply it on focus loss.
    QTest::newRow("emptied VHF low becomes 136") << int(BandBox::VhfLow) << "" << usual << usual;
    QTest::newRow("VHF low above high resets the band")
        << int(BandBox::VhfLow) << "150" << BandBoxes {136, 140, 400, 480} << usual;
    QTest::newRow("UHF low inside the band stays")
        << int(BandBox::UhfLow) << "420" << usual << BandBoxes {136, 174, 420, 480};
}

void TestProgramView::bandBoxClamping()
{
    QFETCH(int, box);
    QFETCH(QString, typed);
    QFETCH(BandBoxes, before);
    QFETCH(BandBoxes, after);
    Form form;
    BandLimitBoxes *boxes = form.view->bandBoxes();
    boxes->setBoxes(before);
    QLineEdit *edit = boxes->box(BandBox(box));
    edit->setFocus();
    edit->selectAll();
    Form::type(typed.isEmpty() ? QStringLiteral("x") : typed); // "x" is refused: digits only
    if (typed.isEmpty())
        Form::key(Qt::Key_Delete);
    QCOMPARE(edit->text(), typed);
    form.click(0, kColRx); // leaves the box
    QCOMPARE(boxes->boxes(), after);
    QCOMPARE(BandLimits.vhfLow, after.vhfLow * 100000);
    QCOMPARE(BandLimits.vhfHigh, after.vhfHigh * 100000);
    QCOMPARE(BandLimits.uhfLow, after.uhfLow * 100000);
    QCOMPARE(BandLimits.uhfHigh, after.uhfHigh * 100000);
}

void TestProgramView::scrollingKeepsTypedValue()
{
    Form form;
    form.click(1, kColRx);
    Form::type(QStringLiteral("435.0125"));
    QScrollBar *bar = form.grid()->verticalScrollBar();
    bar->setValue(bar->maximum());
    QTest::qWait(20); // let the table lay out its editors
    // The editor is out of sight but still holds the text; the cell did not move.
    QCOMPARE(form.current(), QPoint(1, kColRx));
    QCOMPARE(form.editorText(), QStringLiteral("435.0125"));
    Form::type(QStringLiteral("0")); // typing brings the editor back into view
    const QRect cellRect = form.grid()->visualRect(form.model()->index(1, kColRx));
    QVERIFY(form.grid()->viewport()->rect().contains(cellRect));
    QCOMPARE(form.grid()->openEditor()->geometry(), cellRect);
    QCOMPARE(form.editorText(), QStringLiteral("435.01250"));
    // Also when the keyboard is with the grid rather than the editor.
    bar->setValue(bar->maximum());
    form.grid()->setFocus();
    Form::type(QStringLiteral("0"));
    QCOMPARE(form.editorText(), QStringLiteral("435.012500"));
    QVERIFY(form.grid()->viewport()->rect().contains(cellRect));
    bar->setValue(bar->maximum() / 2);
    form.view->PullIntoImage();
    QCOMPARE(form.cell(1, kColRx), QStringLiteral("435.01250"));
    QCOMPARE(form.doc.image()[1 * 16 + 3], quint8(0x43));
}

void TestProgramView::modifiedOnlyOnRealChange_data()
{
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("modified");
    QTest::newRow("passing through cells changes nothing") << QPoint(0, kColRx) << "" << false;
    QTest::newRow("retyping the same frequency changes nothing")
        << QPoint(0, kColRx) << "146.525" << false;
    QTest::newRow("a new name is a change") << QPoint(0, kColName) << "NEW" << true;
}

void TestProgramView::modifiedOnlyOnRealChange()
{
    QFETCH(QPoint, cell);
    QFETCH(QString, typed);
    QFETCH(bool, modified);
    const MemoryImage image = ImageWithChannel(0, kChannel);
    Form form(&image);
    form.click(cell.x(), cell.y());
    Form::type(typed);
    Form::key(Qt::Key_Return);
    form.click(5, kColPower);
    QCOMPARE(form.doc.IsModified(), modified);
    form.view->PullIntoImage();
    QCOMPARE(form.doc.IsModified(), modified);
}

void TestProgramView::helpAsksForFocusedControl_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("context");
    QTest::newRow("Rx frequency editor") << int(kColRx) << 2127;
    QTest::newRow("bandwidth list") << int(kColBandwidth) << 1135;
    QTest::newRow("UHF high box") << -1 << 1006;
}

void TestProgramView::helpAsksForFocusedControl()
{
    QFETCH(int, column);
    QFETCH(int, context);
    Form form;
    if (column < 0)
        form.view->bandBoxes()->box(BandBox::UhfHigh)->setFocus();
    else
        form.click(3, column);
    Form::key(Qt::Key_F1);
    QCOMPARE(g_helpRequests, QList<int> {context});
}

QTEST_MAIN(TestProgramView)
#include "tst_programview.moc"
