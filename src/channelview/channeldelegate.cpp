#include "channeldelegate.h"

#include "channelcodec.h"
#include "radionamevalidator.h"
#include "tonetable.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr int kNameLength = 6; // what the radio's display shows

QStringList pair(bool chinese, std::initializer_list<std::pair<const char *, const char *>> items)
{
    QStringList list;
    for (const auto &item : items)
        list << QString::fromUtf8(chinese ? item.second : item.first);
    return list;
}

} // namespace

ChannelDelegate::ChannelDelegate(const ToneTable *tones, bool chinese, QObject *parent)
    : CentredCellDelegate(parent)
    , m_tones(tones)
    , m_power(pair(chinese, {{"High", "高"}, {"Middle", "中"}, {"Low", "低"}}))
    , m_lock(pair(chinese, {{"Lock", "锁定"}, {"Unlock", "未锁定"}}))
    , m_scan(pair(chinese, {{"Yes", "有"}, {"No", "无"}}))
    , m_bandwidth(pair(chinese, {{"Wide", "宽"}, {"Narrow", "窄"}}))
{ }

int ChannelDelegate::helpIdForColumn(int column)
{
    static const int ids[kChannelColumns] = {2127, 2128, 2132, 2133, 1129, 1127, 1134, 1135, 1126};
    return column >= 0 && column < kChannelColumns ? ids[column] : ids[kColRx];
}

QStringList ChannelDelegate::choices(int column) const
{
    switch (column) {
    case kColRxTone:
    case kColTxTone:
        return m_tones->texts();
    case kColPower:
        return m_power;
    case kColLock:
        return m_lock;
    case kColScan:
        return m_scan;
    case kColBandwidth:
        return m_bandwidth;
    default:
        return QStringList();
    }
}

QWidget *ChannelDelegate::createEditor(
    QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    const QStringList items = choices(index.column());
    QWidget *editor;
    if (items.isEmpty()) {
        auto *edit = new QLineEdit(parent);
        edit->setAlignment(Qt::AlignCenter);
        if (index.column() == kColName)
            edit->setValidator(new RadioNameValidator(kNameLength, edit));
        editor = edit;
    } else {
        auto *list = new QComboBox(parent);
        list->addItems(items);
        list->setMaxVisibleItems(20);
        editor = list;
    }
    editor->setFont(parent->font());
    editor->setProperty("helpId", helpIdForColumn(index.column()));
    editor->setObjectName(QStringLiteral("editor%1").arg(index.column() + 1));
    m_editor = editor;
    m_editorIndex = index;
    return editor;
}

void ChannelDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto *list = qobject_cast<QComboBox *>(editor)) {
        // First choice that begins with the cell's text; a text that is no choice
        // (a tone outside the table, an empty cell) selects the first entry.
        list->setCurrentIndex(ToneTable::SelectByPrefix(choices(index.column()), text));
    } else if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
        // A name read from the radio may hold up to 8 characters: it is shown whole,
        // only typing is limited to what the display shows.
        if (auto *validator = edit->findChild<RadioNameValidator *>())
            validator->setMaxLength(qMax(kNameLength, text.size()));
        edit->setText(text);
        edit->selectAll();
    }
}

void ChannelDelegate::setModelData(QWidget *, QAbstractItemModel *, const QModelIndex &) const
{
    // Commits go through the view, which checks the value and updates the row.
}

void ChannelDelegate::updateEditorGeometry(
    QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}

void ChannelDelegate::destroyEditor(QWidget *editor, const QModelIndex &index) const
{
    if (editor == m_editor) {
        m_editor = nullptr;
        m_editorIndex = QPersistentModelIndex();
    }
    CentredCellDelegate::destroyEditor(editor, index);
}

QString ChannelDelegate::editorText(const QWidget *editor)
{
    if (auto *list = qobject_cast<const QComboBox *>(editor))
        return list->currentText();
    if (auto *edit = qobject_cast<const QLineEdit *>(editor))
        return edit->text();
    return QString();
}

bool ChannelDelegate::eventFilter(QObject *watched, QEvent *event)
{
    auto *editor = qobject_cast<QWidget *>(watched);
    if (!editor)
        return false;
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Q_EMIT enterPressed();
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            Q_EMIT tabPressed(
                key->key() == Qt::Key_Backtab || key->modifiers().testFlag(Qt::ShiftModifier));
            return true;
        case Qt::Key_Escape:
            // Undo the typing: the editor shows the cell's text again.
            if (editor == m_editor && m_editorIndex.isValid())
                setEditorData(editor, m_editorIndex);
            return true;
        default:
            if (!key->text().isEmpty())
                Q_EMIT typing();
            return false;
        }
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // Escape belongs to the editor, not to a window shortcut.
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
    }
    // Losing the focus (a band box, a message box, another window) leaves the editor
    // open with what was typed; it is committed when its cell is left or pulled.
    return false;
}
