#include "channelview/channelrowcommands.h"

#include "channels/channelcolumns.h"
#include "channels/tonetable.h"
#include "channelview/channelclipboard.h"
#include "channelview/channelgrid.h"
#include "channelview/programview.h"
#include "document/programdoc.h"
#include "document/rowoperations.h"
#include "settings/language.h"
#include "settings/messages.h"
#include "uiservices/uiservices.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
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
    return {qMax(0, m_grid->currentIndex().row())};
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
        paste(rows.constFirst());
        break;
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
    Q_EMIT statusMessage(LangText("Pasted into %1.", "已粘贴到%1。").arg(rowsText(rows)));
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
    const QList<int> layout = {Cut, Copy, Paste, Clear, -1, InsertRow, DeleteRow, MoveUp, MoveDown,
        SortByFrequency, SortByName, -1};
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
