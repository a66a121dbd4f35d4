// Everyday editing in the channel grid, driven as a user drives it: pick lists that
// change only when asked, row selection, the row commands from keys, menus and the
// context menu, each one undoable in one step and checked on the saved bytes.
#include "channels/channelcolumns.h"
#include "channelview/channelrowcommands.h"
#include "settings/language.h"
#include "support/channelimages.h"
#include "support/messagerecorder.h"
#include "viewform.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTranslator>
#include <QWheelEvent>

using namespace ImageMap;
using Command = ChannelRowCommands::Command;

namespace {

// Channels in Pr (the lowest frequency) and records 1, 2, 3 and 5, each with a
// marker in byte 13 (which no column shows) and a name of its own where it has one.
MemoryImage RowsImage()
{
    MemoryImage image = ImageWithChannels({{0, "145.00000", "PRIO"}, {1, "146.52500", "ONE"},
        {2, "145.50000", "TWO"}, {3, "430.02500", ""}, {5, "438.50000", "FIVE"}});
    for (int record : {0, 1, 2, 3, 5})
        image[record * kChannelSize + 13] = quint8(0xA0 + record);
    return image;
}

void Press(const QKeySequence &key)
{
    QTest::keySequence(QApplication::focusWidget(), key);
}

enum Source { kNewEmpty = -1, kCleared = -2 };

QMenu *SubMenu(QMenu *menu, const QString &title)
{
    for (QAction *action : menu->actions()) {
        if (action->menu() && action->text() == title)
            return action->menu();
    }
    return nullptr;
}

} // namespace

class TestGridRows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void pickListKeepsItsValue_data();
    void pickListKeepsItsValue();
    void toneListShowsTwentyRows();
    void rowSelection_data();
    void rowSelection();
    void rowCommands_data();
    void rowCommands();
    void keysInTextEditorsEditText();
    void bulkPowerIsOneCommand();
    void cellsLikeASpreadsheet();
    void bulkFrequencyEditsAskFirst();
    void channelListGoesIntoFreeChannels();
    void refusedPasteChangesNothing_data();
    void refusedPasteChangesNothing();
    void insertRefusedWhenLastRowIsUsed();
    void clearingCommitSaysHowToUndo_data();
    void clearingCommitSaysHowToUndo();

private:
    MessageRecorder m_messages;
};

void TestGridRows::init()
{
    SetLanguageState(QStringLiteral("English"));
    m_messages.clear();
    QGuiApplication::clipboard()->clear();
}

void TestGridRows::cleanup()
{
    SetLanguageState(QStringLiteral("English"));
}

void TestGridRows::pickListKeepsItsValue_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("input"); // "wheel up", "wheel down" or a key
    QTest::addColumn<QPoint>("to"); // the current cell afterwards
    const int tone = kColRxTone;
    const int power = kColPower;
    QTest::newRow("wheel down over the tone list") << tone << "wheel down" << QPoint(2, tone);
    QTest::newRow("Down in the tone list") << tone << "Down" << QPoint(3, tone);
    QTest::newRow("Alt+Up in the tone list") << tone << "Alt+Up" << QPoint(1, tone);
    QTest::newRow("Home in the power list") << power << "Home" << QPoint(2, kColRx);
    QTest::newRow("Page Down in the tone list") << tone << "PgDown" << QPoint(-1, tone);
}

void TestGridRows::pickListKeepsItsValue()
{
    QFETCH(int, column);
    QFETCH(QString, input);
    QFETCH(QPoint, to);
    const MemoryImage image = RowsImage();
    Form form(&image);
    form.click(2, column);
    auto *list = qobject_cast<QComboBox *>(form.grid()->openEditor());
    QVERIFY(list);
    const QString before = form.cell(2, column);
    QScrollBar *bar = form.grid()->verticalScrollBar();
    bar->setValue(1);
    const int scrolled = bar->value();

    if (input.startsWith(QLatin1String("wheel"))) {
        const QPoint delta(0, input.endsWith(QLatin1String("down")) ? -120 : 120);
        QWheelEvent wheel(QPointF(5, 5), list->mapToGlobal(QPointF(5, 5)), QPoint(), delta,
            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &wheel);
        QVERIFY(bar->value() != scrolled); // the table scrolled instead
        QCOMPARE(form.editorText(), before);
    } else {
        const QKeyCombination key = QKeySequence::fromString(input)[0];
        QTest::keyClick(list, key.key(), key.keyboardModifiers());
    }
    if (to.x() >= 0)
        QCOMPARE(form.current(), to);
    else
        QVERIFY(form.current().x() > 3);
    form.view->PullIntoImage();
    QCOMPARE(form.cell(2, column), before);
    QCOMPARE(form.doc.undoStack()->count(), 0);
}

void TestGridRows::toneListShowsTwentyRows()
{
    const MemoryImage image = RowsImage();
    Form form(&image);
    form.click(1, kColTxTone);
    auto *list = qobject_cast<QComboBox *>(form.grid()->openEditor());
    QVERIFY(list);
    QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier); // Alt+Down still opens the list
    QAbstractItemView *popup = list->view();
    QTRY_VERIFY(popup->isVisible());
    const int rows = popup->viewport()->height() / popup->sizeHintForRow(0);
    QVERIFY2(rows >= 15 && rows <= 21, qPrintable(QString::number(rows)));
    QVERIFY(popup->verticalScrollBar()->maximum() > 0);
    list->hidePopup();
}

using Steps = std::function<void(Form &)>;
Q_DECLARE_METATYPE(Steps)

void TestGridRows::rowSelection_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QList<int>>("selected");
    const auto row = [](const char *name, Steps steps, QList<int> selected) {
        QTest::newRow(name) << steps << selected;
    };
    row("a row label selects its row", [](Form &f) { f.clickRowLabel(3); }, {3});
    row("Shift+click on a label extends from the first",
        [](Form &f) {
            f.clickRowLabel(3);
            f.clickRowLabel(6, Qt::ShiftModifier);
        },
        {3, 4, 5, 6});
    row("Ctrl+click adds and removes rows",
        [](Form &f) {
            f.clickRowLabel(0);
            f.clickRowLabel(5, Qt::ControlModifier);
            f.clickRowLabel(7, Qt::ControlModifier);
            f.clickRowLabel(5, Qt::ControlModifier);
        },
        {0, 7});
    row("Shift+Down from a cell editor",
        [](Form &f) {
            f.click(2, kColRx);
            Form::key(Qt::Key_Down, Qt::ShiftModifier);
            Form::key(Qt::Key_Down, Qt::ShiftModifier);
        },
        {2, 3, 4});
    row("Shift+Up from a pick list",
        [](Form &f) {
            f.click(2, kColPower);
            Form::key(Qt::Key_Up, Qt::ShiftModifier);
        },
        {1, 2});
    row(
        "the CH corner selects every row",
        [](Form &f) {
            QTest::mouseClick(
                f.grid()->findChild<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly),
                Qt::LeftButton);
        },
        QList<int>());
    row("a click on a cell ends the selection",
        [](Form &f) {
            f.clickRowLabel(3);
            f.click(7, kColPower);
        },
        {});
    row("Escape ends the selection",
        [](Form &f) {
            f.clickRowLabel(3);
            Form::key(Qt::Key_Escape);
        },
        {});
}

void TestGridRows::rowSelection()
{
    QFETCH(Steps, steps);
    QFETCH(QList<int>, selected);
    const MemoryImage image = RowsImage();
    Form form(&image);
    form.click(1, kColRx);
    steps(form);
    QList<int> rows = form.grid()->selectedRows();
    if (QTest::currentDataTag() == QLatin1String("the CH corner selects every row")) {
        QCOMPARE(rows.size(), kChannelCount);
        rows.clear();
    }
    QCOMPARE(rows, selected);
    // While rows are selected the keyboard is with the grid and no editor is open.
    const bool rowsSelected = !form.grid()->selectedRows().isEmpty();
    QCOMPARE(form.grid()->openEditor() == nullptr, rowsSelected);
    if (rowsSelected)
        QCOMPARE(QApplication::focusWidget(), form.grid());
    QCOMPARE(form.doc.undoStack()->count(), 0);
}

void TestGridRows::rowCommands_data()
{
    QTest::addColumn<QList<int>>("selection");
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<int>("pasteAt"); // after Cut or Copy; -1: no paste
    QTest::addColumn<QList<int>>("sources"); // of records 0-5 afterwards
    const auto row = [](const char *name, QList<int> selection, Command command, bool byKey,
                         int pasteAt, QList<int> sources) {
        QTest::newRow(name) << selection << int(command) << byKey << pasteAt << sources;
    };
    row("Delete clears the selected channels", {2, 3}, Command::Clear, true, -1,
        {0, 1, kCleared, kCleared, 4, 5});
    row("Ctrl+X, Ctrl+V moves a channel", {2}, Command::Cut, true, 4, {0, 1, kCleared, 3, 2, 5});
    row("copy and paste from the menu", {1, 2}, Command::Copy, false, 4, {0, 1, 2, 3, 1, 2});
    row("copy and paste into Pr", {5}, Command::Copy, true, 0, {5, 1, 2, 3, 4, 5});
    row("Ctrl+Shift+Up moves a block up", {2, 3}, Command::MoveUp, true, -1, {0, 2, 3, 1, 4, 5});
    row("Ctrl+Shift+Down", {1}, Command::MoveDown, true, -1, {0, 2, 1, 3, 4, 5});
    row("Insert Empty Row", {2}, Command::InsertRow, false, -1, {0, 1, kNewEmpty, 2, 3, 4});
    row("Delete Row", {1, 3}, Command::DeleteRow, false, -1, {0, 2, 4, 5, 6, 7});
    row("Sort by Rx Frequency", {1, 2, 3, 4, 5}, Command::SortByFrequency, false, -1,
        {0, 2, 1, 3, 5, 4});
    // Where Pr stays put is the row operations' (tst_rowoperations); one refusal here.
    row("channel 1 does not move up into Pr", {1}, Command::MoveUp, true, -1, {0, 1, 2, 3, 4, 5});
}

void TestGridRows::rowCommands()
{
    QFETCH(QList<int>, selection);
    QFETCH(int, command);
    QFETCH(bool, byKey);
    QFETCH(int, pasteAt);
    QFETCH(QList<int>, sources);
    const MemoryImage image = RowsImage();
    Form form(&image);
    form.click(0, kColRx);
    const MemoryImage before = form.doc.image();
    ChannelRowCommands *commands = form.view->rowCommands();
    const auto run = [&](Command c) {
        if (!byKey)
            commands->run(c);
        else
            Press(c == Command::Clear ? QKeySequence(Qt::Key_Delete)
                                      : commands->action(c)->shortcut());
    };

    form.grid()->selectRows(selection);
    run(Command(command));
    const bool unchanged = sources == QList<int>({0, 1, 2, 3, 4, 5});
    int steps = command == Command::Copy || unchanged ? 0 : 1;
    if (pasteAt >= 0) {
        form.grid()->selectRows({pasteAt});
        run(Command::Paste);
        ++steps;
    }
    QVERIFY(m_messages.shown().isEmpty());
    for (int record = 0; record < sources.size(); ++record) {
        const int source = sources.at(record);
        QByteArray expected = source >= 0 ? SlotBytes(before, source) : QByteArray(24, '\xFF');
        if (source == kCleared)
            expected = QByteArray(16, '\xFF') + SlotBytes(before, record).mid(16);
        QCOMPARE(SlotBytes(form.doc.image(), record).toHex(' '), expected.toHex(' '));
    }
    QCOMPARE(form.doc.undoStack()->count(), steps);
    while (form.doc.undoStack()->canUndo())
        form.doc.undoStack()->undo();
    QCOMPARE(form.doc.image(), before);
}

void TestGridRows::keysInTextEditorsEditText()
{
    const MemoryImage image = RowsImage();
    Form form(&image);
    form.click(1, kColRx); // the editor opens with its text selected
    Press(QKeySequence(Qt::CTRL | Qt::Key_C));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("146.52500"));
    Press(QKeySequence(Qt::Key_Delete));
    QCOMPARE(form.editorText(), QString());
    Form::key(Qt::Key_Escape);
    QCOMPARE(form.editorText(), QStringLiteral("146.52500"));
    // In a pick list Delete does nothing; Ctrl+C copies the cell's text as a text box does.
    form.click(1, kColPower);
    Press(QKeySequence(Qt::Key_Delete));
    form.view->PullIntoImage();
    QCOMPARE(form.cell(1, kColRx), QStringLiteral("146.52500"));
    Press(QKeySequence(Qt::CTRL | Qt::Key_C));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("High\n"));
    QCOMPARE(form.doc.undoStack()->count(), 0);
}

void TestGridRows::cellsLikeASpreadsheet()
{
    const MemoryImage image = RowsImage();
    Form form(&image);
    const MemoryImage before = form.doc.image();
    QAbstractItemModel *model = form.model();

    // Dragging from a cell to another selects the block between them; Ctrl+C
    // copies its texts, not the rows.
    const QModelIndex from = model->index(1, kColRx);
    const QModelIndex to = model->index(2, kColRxTone);
    form.grid()->scrollTo(from);
    QTest::mousePress(
        form.grid()->viewport(), Qt::LeftButton, {}, form.grid()->visualRect(from).center());
    QMouseEvent move(QEvent::MouseMove, form.grid()->visualRect(to).center(),
        form.grid()->viewport()->mapToGlobal(form.grid()->visualRect(to).center()), Qt::NoButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.grid()->viewport(), &move);
    QTest::mouseRelease(
        form.grid()->viewport(), Qt::LeftButton, {}, form.grid()->visualRect(to).center());
    const QItemSelectionRange block = form.grid()->selectedBlock();
    QCOMPARE(
        QRect(block.left(), block.top(), block.width(), block.height()), QRect(kColRx, 1, 3, 2));
    QVERIFY(form.grid()->selectedRows().isEmpty());
    Press(QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(),
        QStringLiteral("146.52500\t146.52500\tNone\n145.50000\t145.50000\tNone\n"));

    // One value pasted into a block of one column fills every cell: one command.
    form.grid()->selectBlock(model->index(1, kColPower), 3, kColPower);
    QGuiApplication::clipboard()->setText(QStringLiteral("low"));
    Press(QKeySequence::Paste);
    QCOMPARE(form.doc.undoStack()->count(), 1);
    for (int record : {1, 2, 3})
        QCOMPARE(form.cell(record, kColPower), QStringLiteral("Low"));

    // Cells pasted into a text cell go to the cells, not into its text box; a
    // refused cell names its channel and column, and nothing changes.
    form.click(2, kColRx);
    QGuiApplication::clipboard()->setText(QStringLiteral("146.5\t146.5\n147\t69.4\n"));
    Press(QKeySequence::Paste);
    QCOMPARE(m_messages.shown().size(), 1);
    QVERIFY2(m_messages.shown().first().text.contains(QStringLiteral("Channel 3, Tx Frequency")),
        qPrintable(m_messages.shown().first().text));
    QCOMPARE(form.doc.undoStack()->count(), 1);

    // Ctrl+D copies the top cell down; empty rows stay empty.
    form.grid()->selectBlock(model->index(1, kColName), 5, kColName);
    Press(QKeySequence(Qt::CTRL | Qt::Key_D));
    QCOMPARE(form.doc.undoStack()->count(), 2);
    for (int record : {1, 2, 3, 5})
        QCOMPARE(form.cell(record, kColName), QStringLiteral("ONE"));
    QVERIFY(form.cell(4, kColName).isEmpty());
    while (form.doc.undoStack()->canUndo())
        form.doc.undoStack()->undo();
    QCOMPARE(form.doc.image(), before);
}

void TestGridRows::bulkFrequencyEditsAskFirst()
{
    const MemoryImage image = RowsImage();
    Form form(&image);
    const MemoryImage before = form.doc.image();
    ChannelRowCommands *commands = form.view->rowCommands();
    form.grid()->selectRows({1, 2, 3, 4, 5});

    // Tx = Rx + 30 MHz leaves the VHF band for channels 1 and 2: they are listed
    // before anything changes, and No changes nothing.
    commands->setTxFromRx(3000000);
    QCOMPARE(m_messages.shown().size(), 1);
    const QString listed = m_messages.shown().constFirst().text;
    QVERIFY2(listed.contains(QStringLiteral("channel 1: Tx 176.52500")), qPrintable(listed));
    QVERIFY2(listed.contains(QStringLiteral("channel 2: Tx 175.50000")), qPrintable(listed));
    QCOMPARE(form.doc.image(), before);

    m_messages.queue({QMessageBox::Yes});
    commands->setTxFromRx(3000000);
    QCOMPARE(form.doc.undoStack()->count(), 1);
    QCOMPARE(form.cell(3, kColTx), QStringLiteral("460.02500"));
    QCOMPARE(form.cell(5, kColTx), QStringLiteral("468.50000"));
    QCOMPARE(form.cell(1, kColTx), QStringLiteral("146.52500"));

    // Shifting by 12.5 kHz moves Rx and Tx of every channel, one command.
    commands->shiftFrequencies(1250);
    QCOMPARE(form.doc.undoStack()->count(), 2);
    QCOMPARE(form.cell(1, kColRx), QStringLiteral("146.53750"));
    QCOMPARE(form.cell(5, kColTx), QStringLiteral("468.51250"));
    QCOMPARE(form.doc.undoStack()->undoText(), QStringLiteral("Shift 4 channels by +0.0125 MHz"));
    while (form.doc.undoStack()->canUndo())
        form.doc.undoStack()->undo();
    QCOMPARE(form.doc.image(), before);
}

void TestGridRows::channelListGoesIntoFreeChannels()
{
    const MemoryImage image = RowsImage();
    Form form(&image);
    const MemoryImage before = form.doc.image();
    ChannelRowCommands *commands = form.view->rowCommands();

    // From channel 2 on, the free channels are 4 and 6 onwards.
    form.click(2, kColRx);
    commands->insertChannelList(QStringLiteral("noaa"));
    QVERIFY(m_messages.shown().isEmpty());
    QCOMPARE(form.doc.undoStack()->count(), 1);
    QCOMPARE(form.cell(4, kColName), QStringLiteral("WX1"));
    QCOMPARE(form.cell(4, kColRx), QStringLiteral("162.55000"));
    QVERIFY(form.cell(4, kColTx).isEmpty()); // receive only
    QCOMPARE(form.cell(5, kColName), QStringLiteral("FIVE"));
    QCOMPARE(form.cell(11, kColName), QStringLiteral("WX7"));
    form.doc.undoStack()->undo();
    QCOMPARE(form.doc.image(), before);

    // Six free channels from 194 on: the seventh is listed as not inserted.
    form.click(194, kColRx);
    commands->insertChannelList(QStringLiteral("noaa"));
    QCOMPARE(form.cell(199, kColName), QStringLiteral("WX6"));
    QCOMPARE(m_messages.shown().size(), 1);
    QVERIFY2(m_messages.shown().constFirst().text.contains(
                 QStringLiteral("channel 7 of the list: no empty channel")),
        qPrintable(m_messages.shown().constFirst().text));
}

void TestGridRows::bulkPowerIsOneCommand()
{
    const MemoryImage image = RowsImage();
    Form form(&image);
    const MemoryImage before = form.doc.image();
    form.grid()->selectRows({1, 2, 3, 4});
    QMenu *menu = form.view->rowCommands()->contextMenu();
    QMenu *power = SubMenu(menu, QStringLiteral("Set Power for Selected"));
    QVERIFY(power);
    QCOMPARE(power->actions().size(), 3);
    power->actions().at(2)->trigger(); // Low
    QCOMPARE(form.doc.undoStack()->count(), 1);
    QCOMPARE(form.doc.undoStack()->undoText(), QStringLiteral("Set Power of channels 1-4 to Low"));
    for (int record : {1, 2, 3})
        QCOMPARE(form.doc.image()[record * kChannelSize + 12] & 0x30, 0x00);
    QVERIFY(form.cell(4, kColPower).isEmpty());
    QCOMPARE(form.cell(5, kColPower), QStringLiteral("High"));
    QCOMPARE(form.grid()->selectedRows(), QList<int>({1, 2, 3, 4}));
    form.doc.undoStack()->undo();
    QCOMPARE(form.doc.image(), before);

    // The tone lists come in groups short enough to read.
    QMenu *tones = SubMenu(menu, QStringLiteral("Set Rx Tone for Selected"));
    QVERIFY(tones);
    int offered = 0;
    for (QAction *action : tones->actions()) {
        const int size = action->menu() ? int(action->menu()->actions().size()) : 1;
        QVERIFY(size <= 25);
        offered += size;
    }
    QCOMPARE(offered, 261);
}

void TestGridRows::refusedPasteChangesNothing_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("English") << "English"
                             << "Nothing was pasted. Line 3 of the clipboard: Power \"Loud\" is "
                                "not one of High, 高, Middle, 中, Low, 低";
    QTest::newRow("Chinese") << "Chinese"
                             << "未粘贴任何内容。剪贴板第3行：功率 \"Loud\" 不是以下之一：High, "
                                "高, Middle, 中, Low, 低";
}

// The reason names the clipboard's line and comes in the interface language.
void TestGridRows::refusedPasteChangesNothing()
{
    QFETCH(QString, language);
    QFETCH(QString, message);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(HTPROG_BIN_DIR "/") + language + QLatin1String(".qm")));
    QCoreApplication::installTranslator(&translator);
    SetLanguageState(language);
    const MemoryImage image = RowsImage();
    Form form(&image);
    const MemoryImage before = form.doc.image();
    QGuiApplication::clipboard()->setText(
        QStringLiteral("CH\tRx Frequency\tPower\n1\t145.5\tLow\n2\t146.5\tLoud\n"));
    form.grid()->selectRows({10});
    Press(QKeySequence(Qt::CTRL | Qt::Key_V));
    QCOMPARE(m_messages.shown().size(), 1);
    const MessageRecorder::Shown shown = m_messages.shown().constFirst();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(shown.caption,
        QString::fromUtf8(language == QLatin1String("English") ? "Caution" : "注意"));
    QCOMPARE(shown.text, message);
    QCOMPARE(form.doc.image(), before);
    QCOMPARE(form.doc.undoStack()->count(), 0);
}

void TestGridRows::insertRefusedWhenLastRowIsUsed()
{
    MemoryImage image = RowsImage();
    EncodeChannel(image, kChannelCount - 1, NewChannelTexts(QStringLiteral("145.00000"), false));
    Form form(&image);
    const MemoryImage before = form.doc.image();
    form.grid()->selectRows({2});
    form.view->rowCommands()->run(Command::InsertRow);
    QCOMPARE(m_messages.shown().size(), 1);
    QVERIFY(m_messages.shown().constFirst().text.contains(QStringLiteral("channel 199")));
    QCOMPARE(form.doc.image(), before);
    QCOMPARE(form.doc.undoStack()->count(), 0);
}

void TestGridRows::clearingCommitSaysHowToUndo_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("status");
    QTest::newRow("Rx erased") << "English" << int(kColRx) << ""
                               << "Cleared channel 2. Ctrl+Z brings it back.";
    QTest::newRow("Rx out of range, Chinese") << "Chinese" << int(kColRx) << "900"
                                              << "已清除信道2，按 Ctrl+Z 可恢复。";
    QTest::newRow("off-step Tx left by moving") << "English" << int(kColTx) << "145.5001"
                                                << "Cleared channel 2. Ctrl+Z brings it back.";
    QTest::newRow("a new Rx says nothing") << "English" << int(kColRx) << "145.6"
                                           << "";
}

void TestGridRows::clearingCommitSaysHowToUndo()
{
    QFETCH(QString, language);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, status);
    SetLanguageState(language);
    const MemoryImage image = RowsImage();
    Form form(&image);
    const MemoryImage before = form.doc.image();
    QSignalSpy spy(form.view.get(), &CProgramView::statusMessage);
    form.click(2, column);
    if (typed.isEmpty())
        Form::key(Qt::Key_Delete);
    else
        Form::type(typed);
    form.click(4, kColName);
    QCOMPARE(spy.size(), status.isEmpty() ? 0 : 1);
    if (!status.isEmpty())
        QCOMPARE(spy.constFirst().constFirst().toString(), status);
    form.doc.undoStack()->undo();
    QCOMPARE(form.doc.image(), before);
}

QTEST_MAIN(TestGridRows)
#include "tst_gridrows.moc"
