#include "channelview/channelrowcommands.h"

#include "channels/bandlimits.h"
#include "channels/channelcolumns.h"
#include "channels/frequencyedits.h"
#include "channels/tonetable.h"
#include "channelview/channelclipboard.h"
#include "channelview/channelgrid.h"
#include "channelview/programview.h"
#include "csv/channelcsv.h"
#include "csv/channellists.h"
#include "document/programdoc.h"
#include "document/rowoperations.h"
#include "settings/language.h"
#include "settings/messages.h"
#include "settings/visibletext.h"
#include "uiservices/uiservices.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMenu>
#include <QMimeData>

namespace {

struct CommandInfo
{
    const char *text;
    QKeySequence::StandardKey standardKey; // QKeySequence::UnknownKey: key below
    QKeySequence key;
    const char *keyText; // shown only: the grid takes Delete itself
};

const CommandInfo &InfoOf(ChannelRowCommands::Command command)
{
    using K = QKeySequence;
    static const CommandInfo table[ChannelRowCommands::kCommandCount] = {
        {QT_TRANSLATE_NOOP("ChannelRowCommands", "Cu&t"), K::Cut, {}, nullptr},
        {QT_TRANSLATE_NOOP("ChannelRowCommands", "Cop&y"), K::Copy, {}, nullptr},
        {QT_TRANSLATE_NOOP("ChannelRowCommands", "&Paste"), K::Paste, {}, nullptr},
        {QT_TRANSLATE_NOOP("ChannelRowCommands", "&Delete"), K::UnknownKey, {}, "Del"},
        {QT_TRANSLATE_NOOP("ChannelRowCommands", "&Insert Empty Row"), K::UnknownKey, {}, nullptr},
        {QT_TRANSLATE_NOOP("ChannelRowCommands", "Delete Ro&w"), K::UnknownKey, {}, nullptr},
        {QT_TRANSLATE_NOOP("ChannelRowCommands", "Mo&ve Up"), K::UnknownKey,
            K(Qt::CTRL | Qt::SHIFT | Qt::Key_Up), nullptr},
        {QT_TRANSLATE_NOOP("ChannelRowCommands", "Move Dow&n"), K::UnknownKey,
            K(Qt::CTRL | Qt::SHIFT | Qt::Key_Down), nullptr},
        {QT_TRANSLATE_NOOP("ChannelRowCommands", "&Sort by Rx Frequency"), K::UnknownKey, {},
            nullptr},
        {QT_TRANSLATE_NOOP("ChannelRowCommands", "Sort by Na&me"), K::UnknownKey, {}, nullptr},
        {QT_TRANSLATE_NOOP("ChannelRowCommands", "Fill Down"), K::UnknownKey,
            K(Qt::CTRL | Qt::Key_D), nullptr},
        {QT_TRANSLATE_NOOP("ChannelRowCommands", "Set T&x from Rx..."), K::UnknownKey, {}, nullptr},
        {QT_TRANSLATE_NOOP("ChannelRowCommands", "Shift Fre&quencies..."), K::UnknownKey, {},
            nullptr},
        {QT_TRANSLATE_NOOP("ChannelRowCommands", "Insert Channel &List..."), K::UnknownKey, {},
            nullptr},
    };
    return table[command];
}

QList<QKeySequence> KeysOf(ChannelRowCommands::Command command)
{
    const CommandInfo &info = InfoOf(command);
    if (info.standardKey != QKeySequence::UnknownKey)
        return QKeySequence::keyBindings(info.standardKey);
    return info.key.isEmpty() ? QList<QKeySequence>() : QList<QKeySequence> {info.key};
}

QList<int> Span(int first, int count)
{
    QList<int> rows;
    for (int i = 0; i < count; ++i)
        rows.append(first + i);
    return rows;
}

QString Label(int row)
{
    return RowLabel(row).trimmed();
}

// "+0.6", "-5", "+0.0125": MHz with its sign and without trailing zeros.
QString FormatOffset(qint32 units)
{
    QString text = FormatFrequency(qAbs(units));
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return (units < 0 ? QStringLiteral("-") : QStringLiteral("+")) + text.trimmed();
}

} // namespace

ChannelRowCommands::ChannelRowCommands(CProgramDoc *document, ChannelGrid *grid, CProgramView *view)
    : QObject(view)
    , m_document(document)
    , m_grid(grid)
    , m_view(view)
{
    for (int i = 0; i < kCommandCount; ++i) {
        const auto command = Command(i);
        auto *action = new QAction(menuText(command), view);
        action->setShortcuts(KeysOf(command));
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        view->addAction(action);
        connect(action, &QAction::triggered, this, [this, command] { run(command); });
        m_actions[i] = action;
    }
    connect(grid, &ChannelGrid::deleteRowsPressed, this, [this] { run(Clear); });
}

QString ChannelRowCommands::menuText(Command command)
{
    const CommandInfo &info = InfoOf(command);
    const QList<QKeySequence> keys = KeysOf(command);
    QString key = info.keyText ? QString::fromLatin1(info.keyText) : QString();
    if (!keys.isEmpty())
        key = keys.constFirst().toString(QKeySequence::PortableText);
    const QString text = tr(info.text);
    return key.isEmpty() ? text : text + QLatin1Char('\t') + key;
}

QList<int> ChannelRowCommands::targetRows() const
{
    const QList<int> selected = m_grid->selectedRows();
    if (!selected.isEmpty())
        return selected;
    const QItemSelectionRange block = m_grid->selectedBlock();
    if (block.isValid())
        return Span(block.top(), block.height());
    return {qMax(0, m_grid->currentIndex().row())};
}

CellBlock::Block ChannelRowCommands::targetBlock() const
{
    const QList<int> rows = m_grid->selectedRows();
    if (!rows.isEmpty())
        return {rows.constFirst(), 0, rows.constLast(), kChannelColumns - 1};
    const QItemSelectionRange block = m_grid->selectedBlock();
    if (block.isValid())
        return {block.top(), block.left(), block.bottom(), block.right()};
    const QModelIndex current = m_grid->currentIndex();
    const int row = qMax(0, current.row());
    const int column = qMax(0, current.column());
    return {row, column, row, column};
}

QString ChannelRowCommands::rowsText(const QList<int> &rows)
{
    if (rows.size() == 1)
        return LangText("channel %1", "信道%1").arg(Label(rows.constFirst()));
    if (rows.constLast() - rows.constFirst() + 1 == rows.size())
        return LangText("channels %1-%2", "信道%1-%2")
            .arg(Label(rows.constFirst()), Label(rows.constLast()));
    return LangText("%1 channels", "%1个信道").arg(rows.size());
}

QString ChannelRowCommands::clearedText(const QList<int> &rows)
{
    const QString text = rows.size() == 1
        ? LangText("Cleared %1. Ctrl+Z brings it back.", "已清除%1，按 Ctrl+Z 可恢复。")
        : LangText("Cleared %1. Ctrl+Z brings them back.", "已清除%1，按 Ctrl+Z 可恢复。");
    return text.arg(rowsText(rows));
}

bool ChannelRowCommands::canRun(Command command) const
{
    const QList<int> rows = targetRows();
    switch (command) {
    case Paste: {
        const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
        return mime && mime->hasText();
    }
    case InsertRow:
        return rows.constFirst() > 0;
    case MoveUp:
        // Pr is the top of the table, channel 1 the top of the list below it.
        return rows.constFirst() > 1;
    case MoveDown:
        return rows.constLast() < ImageMap::kChannelCount - 1;
    case SortByFrequency:
    case SortByName:
        // Pr keeps its channel: only channels 1-199 are sorted.
        return rows.size() - (rows.constFirst() == 0 ? 1 : 0) > 1;
    case FillDown:
        return targetBlock().rows() > 1;
    default:
        return true;
    }
}

void ChannelRowCommands::run(Command command)
{
    if (!m_document)
        return;
    // What is still being typed goes in first, as when the cell is left.
    m_view->PullIntoImage();
    const QList<int> rows = targetRows();
    const DocumentState &state = m_document->state();
    switch (command) {
    case Copy:
        if (m_grid->selectedRows().isEmpty())
            copyCells();
        else
            copy(rows);
        break;
    case Cut:
        copy(rows);
        if (m_document->changeState(
                ClearRows(state, rows), LangText("Cut %1", "剪切%1").arg(rowsText(rows))))
            Q_EMIT statusMessage(clearedText(rows));
        break;
    case Clear:
        if (m_document->changeState(
                ClearRows(state, rows), LangText("Clear %1", "清除%1").arg(rowsText(rows))))
            Q_EMIT statusMessage(clearedText(rows));
        break;
    case Paste:
        if (m_grid->selectedRows().isEmpty()
            && !ChannelClipboard::HoldsRows(
                QGuiApplication::clipboard()->mimeData(), targetBlock().left))
            pasteCells();
        else
            paste(rows.constFirst());
        break;
    case FillDown:
        fillDown();
        break;
    case SetTxFromRx: {
        qint32 offset = 0;
        if (askOffset(LangText("Set Tx from Rx", "由接收频率设置发射频率"),
                LangText("Tx = Rx plus this offset in MHz (0 or simplex: Tx = Rx):",
                    "发射频率 = 接收频率加上此偏移（MHz；0 或 simplex：发射 = 接收）："),
                {QStringLiteral("+0.6"), QStringLiteral("-0.6"), QStringLiteral("+5"),
                    QStringLiteral("-5"), QStringLiteral("simplex")},
                &offset))
            setTxFromRx(offset);
        break;
    }
    case InsertChannelList: {
        QStringList offered;
        for (const ChannelList &list : ChannelLists())
            offered << list.description(g_bChinese);
        bool ok = false;
        const QString chosen = QInputDialog::getItem(m_view,
            LangText("Insert Channel List", "插入信道列表"),
            LangText("Add into the free channels from channel %1 on:", "从信道%1起添加到空闲信道：")
                .arg(Label(qMax(1, rows.constFirst()))),
            offered, 0, false, &ok);
        const qsizetype index = offered.indexOf(chosen);
        if (ok && index >= 0)
            insertChannelList(ChannelLists().at(index).name);
        break;
    }
    case ShiftFrequencies: {
        qint32 amount = 0;
        if (askOffset(LangText("Shift Frequencies", "平移频率"),
                LangText("Move Rx and Tx by this amount in MHz (+ up, - down):",
                    "接收和发射频率平移此量（MHz；+ 向上，- 向下）："),
                {QStringLiteral("+0.0125"), QStringLiteral("-0.0125"), QStringLiteral("+1"),
                    QStringLiteral("-1")},
                &amount))
            shiftFrequencies(amount);
        break;
    }
    case InsertRow:
        insertRow(rows.constFirst());
        break;
    case DeleteRow:
        if (m_document->changeState(DeleteRows(state, rows),
                LangText("Delete the rows of %1", "删除%1的行").arg(rowsText(rows)))) {
            Q_EMIT statusMessage(LangText("Deleted the rows of %1. Ctrl+Z brings them back.",
                "已删除%1的行，按 Ctrl+Z 可恢复。")
                                     .arg(rowsText(rows)));
            m_grid->moveTo(rows.constFirst(), qMax(0, m_grid->currentIndex().column()));
        }
        break;
    case MoveUp:
    case MoveDown:
        moveRows(rows, command == MoveUp ? -1 : 1);
        break;
    case SortByFrequency:
    case SortByName: {
        DocumentState after = state;
        const bool byName = command == SortByName;
        SortRows(after, rows, byName ? RowSortKey::Name : RowSortKey::RxFrequency);
        m_document->changeState(after,
            byName ? LangText("Sort %1 by name", "按名字排序%1").arg(rowsText(rows))
                   : LangText("Sort %1 by Rx frequency", "按接收频率排序%1").arg(rowsText(rows)));
        break;
    }
    }
    m_grid->openCurrentEditor();
}

void ChannelRowCommands::copy(const QList<int> &rows)
{
    QGuiApplication::clipboard()->setMimeData(
        ChannelClipboard::CopyRows(m_document->image(), rows));
    Q_EMIT statusMessage(LangText("Copied %1.", "已复制%1。").arg(rowsText(rows)));
}

void ChannelRowCommands::paste(int first)
{
    const ChannelClipboard::Paste pasted = ChannelClipboard::ReadRows(
        QGuiApplication::clipboard()->mimeData(), m_document->image(), first, g_bChinese);
    if (!pasted.ok()) {
        refused(pasted.line > 0
                ? LangText("Nothing was pasted. Line %1 of the clipboard: %2",
                    "未粘贴任何内容。剪贴板第%1行：%2")
                      .arg(pasted.line)
                      .arg(pasted.error)
                : LangText("Nothing was pasted: %1", "未粘贴任何内容：%1").arg(pasted.error));
        return;
    }
    DocumentState after = m_document->state();
    for (int i = 0; i < pasted.channels.size(); ++i)
        PutSlot(after, first + i, pasted.channels.at(i));
    const QList<int> rows = Span(first, int(pasted.channels.size()));
    m_document->changeState(after, LangText("Paste into %1", "粘贴到%1").arg(rowsText(rows)));
    m_grid->selectRows(rows);
    QString done = LangText("Pasted into %1.", "已粘贴到%1。").arg(rowsText(rows));
    if (!pasted.notes.isEmpty())
        done += QLatin1Char(' ') + pasted.notes.join(QStringLiteral("; "));
    Q_EMIT statusMessage(done);
}

void ChannelRowCommands::copyCells()
{
    const CellBlock::Block block = targetBlock();
    QGuiApplication::clipboard()->setText(CellBlock::CopyText(m_document->state(), block));
    Q_EMIT statusMessage(
        LangText("Copied %1 cells.", "已复制%1个单元格。").arg(block.rows() * block.columns()));
}

bool ChannelRowCommands::applyCells(const CellBlock::Paste &pasted, const QString &what)
{
    if (!pasted.ok()) {
        refused(LangText("Nothing was changed: %1", "未作任何改动：%1").arg(pasted.error));
        return false;
    }
    if (!pasted.rows.isEmpty())
        m_document->changeState(pasted.after, what.arg(rowsText(pasted.rows)));
    QString done = what.arg(rowsText(pasted.rows.isEmpty() ? targetRows() : pasted.rows))
        + LangText(".", "。");
    if (!pasted.notes.isEmpty())
        done += QLatin1Char(' ') + pasted.notes.join(QStringLiteral("; "));
    Q_EMIT statusMessage(done);
    return true;
}

void ChannelRowCommands::pasteCells()
{
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    const CellBlock::Block block = targetBlock();
    const CellBlock::Paste pasted = CellBlock::PasteText(
        m_document->state(), block, mime ? mime->text() : QString(), BandLimits, g_bChinese);
    applyCells(pasted, LangText("Paste cells into %1", "粘贴单元格到%1"));
}

void ChannelRowCommands::fillDown()
{
    const CellBlock::Block block = targetBlock();
    if (block.rows() < 2)
        return;
    applyCells(CellBlock::FillDown(m_document->state(), block, BandLimits, g_bChinese),
        LangText("Fill down %1", "向下填充%1"));
}

void ChannelRowCommands::insertRow(int row)
{
    if (row == 0) {
        Q_EMIT statusMessage(LangText("Rows are inserted among channels 1-199; Pr stays as it is.",
            "空行只能插入信道1-199之间，Pr 保持不变。"));
        return;
    }
    DocumentState after = m_document->state();
    if (!InsertEmptyRow(after, row)) {
        refused(LangText("The last row (channel 199) holds a channel, which an inserted row would "
                         "push out of the table.\nDelete or move that channel first.",
            "最后一行（信道199）有信道，插入空行会把它挤出信道表。\n请先删除或移动该信道。"));
        return;
    }
    m_document->changeState(
        after, LangText("Insert an empty row at channel %1", "在信道%1插入空行").arg(Label(row)));
    m_grid->moveTo(row, kColRx);
}

void ChannelRowCommands::moveRows(const QList<int> &rows, int step)
{
    DocumentState after = m_document->state();
    const bool selected = !m_grid->selectedRows().isEmpty();
    const QList<int> moved = MoveRows(after, rows, step);
    if (moved.isEmpty())
        return;
    m_document->changeState(after,
        (step < 0 ? LangText("Move %1 up", "上移%1") : LangText("Move %1 down", "下移%1"))
            .arg(rowsText(rows)));
    if (selected)
        m_grid->selectRows(moved);
    else
        m_grid->moveTo(moved.constFirst(), qMax(0, m_grid->currentIndex().column()));
}

void ChannelRowCommands::setColumn(int column, const QString &text)
{
    if (!m_document)
        return;
    m_view->PullIntoImage();
    const QList<int> rows = targetRows();
    DocumentState after = m_document->state();
    SetColumnOfRows(after, rows, column, text);
    m_document->changeState(after,
        LangText("Set %2 of %1 to %3", "将%1的%2设为%3")
            .arg(rowsText(rows), ColumnHeader(column, g_bChinese), text));
    m_grid->openCurrentEditor();
}

bool ChannelRowCommands::askOffset(
    const QString &title, const QString &label, const QStringList &presets, qint32 *units)
{
    bool ok = false;
    const QString text
        = QInputDialog::getItem(m_view, title, label, presets, 0, true, &ok).trimmed();
    if (!ok)
        return false;
    if (ParseFrequencyOffset(text, units))
        return true;
    refused(LangText("%1 is not an amount in MHz (as +0.6, -5 or simplex).",
        "%1 不是以 MHz 为单位的量（例如 +0.6、-5 或 simplex）。")
                .arg(QuotedInput(text)));
    return false;
}

void ChannelRowCommands::applyFrequencyEdits(
    const FrequencyEdits &edits, const QString &what, const QString &amount)
{
    if (!edits.refused.isEmpty()) {
        QString text
            = LangText("These channels cannot take the change:\n%1", "以下信道不能作此修改：\n%1")
                  .arg(edits.refused.join(QLatin1Char('\n')));
        if (edits.records.isEmpty()) {
            refused(text + LangText("\nNothing was changed.", "\n未作任何改动。"));
            return;
        }
        text += LangText("\n\nChange the other %1?", "\n\n修改其余%1吗？")
                    .arg(rowsText(edits.records));
        if (UiServices::Message(m_view, MessageText(kMsgCaution), text, QMessageBox::Question,
                QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::Yes)
            return;
    }
    if (edits.records.isEmpty())
        return;
    DocumentState after = m_document->state();
    for (qsizetype i = 0; i < edits.records.size(); ++i)
        after.rows[edits.records.at(i)] = edits.after.at(i);
    const QString text = what.contains(QLatin1String("%2"))
        ? what.arg(rowsText(edits.records), amount)
        : what.arg(rowsText(edits.records));
    if (m_document->changeState(after, text))
        Q_EMIT statusMessage(text + LangText(".", "。"));
}

void ChannelRowCommands::setTxFromRx(qint32 offset)
{
    if (!m_document)
        return;
    m_view->PullIntoImage();
    applyFrequencyEdits(
        ::SetTxFromRx(m_document->state().rows, targetRows(), offset, BandLimits, g_bChinese),
        offset == 0 ? LangText("Set Tx = Rx of %1", "将%1的发射频率设为接收频率")
                    : LangText("Set Tx = Rx %2 MHz of %1", "将%1的发射频率设为接收频率 %2 MHz"),
        FormatOffset(offset));
}

void ChannelRowCommands::shiftFrequencies(qint32 amount)
{
    if (!m_document)
        return;
    m_view->PullIntoImage();
    applyFrequencyEdits(
        ::ShiftFrequencies(m_document->state().rows, targetRows(), amount, BandLimits, g_bChinese),
        LangText("Shift %1 by %2 MHz", "将%1平移 %2 MHz"), FormatOffset(amount));
}

void ChannelRowCommands::insertChannelList(const QString &name)
{
    const ChannelList *list = FindChannelList(name);
    if (!m_document || !list)
        return;
    m_view->PullIntoImage();
    MemoryImage after = m_document->image();
    CsvImportOptions options;
    options.skipBad = true;
    options.intoFree = qMax(1, targetRows().constFirst());
    const CsvImportResult result = ImportChannelsCsv(list->csv, after, options);
    QStringList skipped;
    for (const SkippedLine &line : result.skipped) {
        // Line 1 is the header: line 2 holds the list's first channel.
        skipped << LangText("channel %1 of the list: %2", "列表中第%1个信道：%2")
                       .arg(line.line - 1)
                       .arg(line.reason.text());
    }
    QList<int> added;
    for (const ChannelRow &row : result.rows)
        added << row.record;
    if (!added.isEmpty()) {
        const QString text = LangText("Insert %1 into %2", "插入%1到%2")
                                 .arg(list->description(g_bChinese), rowsText(added));
        m_document->changeState(WithChannelsOf(m_document->state(), after, g_bChinese), text);
        m_grid->selectRows(added);
        Q_EMIT statusMessage(text + LangText(".", "。"));
    }
    if (!result.ok() || !skipped.isEmpty()) {
        refused((added.isEmpty()
                ? LangText("No channel of the list was inserted:\n%1", "列表中的信道均未插入：\n%1")
                : LangText("These channels of the list were not inserted:\n%1",
                    "列表中的以下信道未插入：\n%1"))
                    .arg(result.ok() ? skipped.join(QLatin1Char('\n')) : result.message()));
    }
}

void ChannelRowCommands::refused(const QString &text)
{
    UiServices::Message(
        m_view, MessageText(kMsgCaution), text, QMessageBox::Warning, QMessageBox::Ok);
}

QMenu *ChannelRowCommands::valueMenu(int column)
{
    auto *menu = new QMenu(tr("Set %1 for Selected").arg(ColumnHeader(column, g_bChinese)), m_view);
    const QStringList choices = ColumnChoices(column, g_bChinese);
    const auto add = [this, column](QMenu *to, const QString &text) {
        connect(to->addAction(text), &QAction::triggered, this,
            [this, column, text] { setColumn(column, text); });
    };
    if (choices.size() <= 3) {
        for (const QString &choice : choices)
            add(menu, choice);
        return menu;
    }
    // The tone list: None, then the CTCSS tones and the two DCS polarities in
    // submenus of at most 25 tones, each titled by its first and last tone.
    add(menu, choices.constFirst());
    const int ctcss = int(ToneTable::ctcssTones().size());
    const int dcs = int(ToneTable::dcsCodes().size());
    const std::pair<int, int> kinds[] = {{1, ctcss}, {1 + ctcss, dcs}, {1 + ctcss + dcs, dcs}};
    for (const auto &[start, count] : kinds) {
        const int parts = (count + 24) / 25;
        for (int part = 0; part < parts; ++part) {
            const int from = start + count * part / parts;
            const int to = start + count * (part + 1) / parts - 1;
            QMenu *group
                = menu->addMenu(QStringLiteral("%1 – %2").arg(choices.at(from), choices.at(to)));
            for (int i = from; i <= to; ++i)
                add(group, choices.at(i));
        }
    }
    return menu;
}

QMenu *ChannelRowCommands::contextMenu()
{
    if (m_menu)
        return m_menu;
    m_menu = new QMenu(m_view);
    const QList<int> layout
        = {Cut, Copy, Paste, Clear, FillDown, -1, InsertRow, DeleteRow, MoveUp, MoveDown,
            SortByFrequency, SortByName, -1, SetTxFromRx, ShiftFrequencies, InsertChannelList, -1};
    for (int command : layout) {
        if (command < 0)
            m_menu->addSeparator();
        else
            m_menu->addAction(m_actions[command]);
    }
    for (int column = kColRxTone; column <= kColBandwidth; ++column) {
        m_valueMenus.append(valueMenu(column));
        m_menu->addMenu(m_valueMenus.constLast());
    }
    connect(m_menu, &QMenu::aboutToShow, this, &ChannelRowCommands::updateStates);
    // Outside the menu the keys work whenever a command can run at all.
    connect(m_menu, &QMenu::aboutToHide, this, [this] {
        for (QAction *action : m_actions)
            action->setEnabled(true);
    });
    return m_menu;
}

void ChannelRowCommands::updateStates()
{
    for (int i = 0; i < kCommandCount; ++i)
        m_actions[i]->setEnabled(canRun(Command(i)));
    bool channel = false;
    for (int row : targetRows())
        channel = channel || !m_document->rowTexts(row)[kColRx].isEmpty();
    for (QMenu *menu : m_valueMenus)
        menu->setEnabled(channel);
}

void ChannelRowCommands::showContextMenu(const QPoint &globalPos)
{
    if (m_document)
        contextMenu()->exec(globalPos);
}
