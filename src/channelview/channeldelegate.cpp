#include "channelview/channeldelegate.h"

#include "channels/channelcodec.h"
#include "channels/channelcolumns.h"
#include "channels/tonetable.h"
#include "channelview/channeltablemodel.h"
#include "grid/hintstyle.h"
#include "grid/wheelrule.h"
#include "uiservices/radionamevalidator.h"

#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr int kNameLength = 6; // what the radio's display shows
constexpr int kVisibleChoices = 20;

// Keys that belong to the table, not to the open editor: Shift with Up, Down,
// Page Up and Page Down selects rows from any editor; over a pick list the keys
// that move the current cell do so, as they do from a text box, since a list
// changes only when it is opened (arrow, Alt+Down, F4, Space) or typed into.
bool IsTableKey(const QKeyEvent *key, bool pickList)
{
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (modifiers == Qt::ShiftModifier)
            return true;
        // Alt+Down opens the list.
        return pickList && !(key->key() == Qt::Key_Down && modifiers.testFlag(Qt::AltModifier));
    case Qt::Key_Home:
    case Qt::Key_End:
        return pickList;
    case Qt::Key_Left:
    case Qt::Key_Right:
        // Shift+Left/Right on a pick list starts a block of cells.
        return pickList && modifiers == Qt::ShiftModifier;
    default:
        return false;
    }
}

} // namespace

ChannelDelegate::ChannelDelegate(bool chinese, QObject *parent)
    : CentredCellDelegate(parent)
    , m_chinese(chinese)
{ }

int ChannelDelegate::helpIdForColumn(int column)
{
    return ChannelColumnAt(column).helpId;
}

QStringList ChannelDelegate::choices(int column) const
{
    return ColumnChoices(column, m_chinese);
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
        list->setMaxVisibleItems(kVisibleChoices);
        // A list of about 20 rows with a scroll bar, never a menu as high as the
        // screen, which some styles make of a list that cannot be typed into.
        list->setStyle(StyleWithHint(QStyle::SH_ComboBox_Popup, 0));
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
        // An empty row's list shows its first entry. A channel's value that is no
        // choice (a tone set by another program, power bits without a text) stays
        // as an entry of its own at the top, so that passing through the cell keeps
        // it; only choosing another entry changes it.
        int found = list->findText(text, Qt::MatchExactly);
        const bool channel = !index.siblingAtColumn(kColRx).data().toString().isEmpty();
        if (found < 0 && channel) {
            list->insertItem(0, text);
            found = 0;
        }
        list->setCurrentIndex(
            found >= 0 ? found : ToneTable::selectByPrefix(choices(index.column()), text));
    } else if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
        // A name read from the radio may hold up to 8 characters: it is shown whole,
        // only typing is limited to what the display shows.
        if (auto *validator = edit->findChild<RadioNameValidator *>())
            validator->setMaxLength(qMax(kNameLength, text.size()));
        edit->setText(text);
        edit->selectAll();
    }
}

void ChannelDelegate::setModelData(
    QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    const int role = m_enterCommits ? ChannelTableModel::kCommitOnEnterRole : int(Qt::EditRole);
    m_refused = !model->setData(index, editorText(editor), role);
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

void ChannelDelegate::endEdit(QWidget *editor, const QKeyEvent *key)
{
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    m_enterCommits = enter;
    m_refused = false;
    Q_EMIT commitData(editor);
    m_enterCommits = false;
    const bool backward
        = !enter && (key->key() == Qt::Key_Backtab || key->modifiers().testFlag(Qt::ShiftModifier));
    EndEditHint hint = backward ? EditPreviousItem : EditNextItem;
    if (enter && m_refused)
        hint = NoHint; // the current cell stays
    Q_EMIT closeEditor(editor, hint);
}

bool ChannelDelegate::eventFilter(QObject *watched, QEvent *event)
{
    auto *editor = qobject_cast<QWidget *>(watched);
    if (!editor)
        return false;
    const bool pickList = qobject_cast<QComboBox *>(editor) != nullptr;
    // The wheel scrolls the table, over a pick list too.
    if (WheelRule::apply(editor, event))
        return true;
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (IsTableKey(key, pickList)) {
            // Not for the editor: an ignored key goes on to the table, as the keys
            // an edit box does not take do.
            key->ignore();
            return true;
        }
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            endEdit(editor, key);
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
        auto *key = static_cast<QKeyEvent *>(event);
        // Escape belongs to the editor, not to a window shortcut.
        if (key->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
        // Ctrl+Z / Ctrl+Y undo the typing in an edit box while it has typing to
        // undo; otherwise they reach Edit > Undo and Redo of the document.
        if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
            // Cells copied from a spreadsheet are pasted into the cells, not into
            // this one text box.
            const QString pasted = QGuiApplication::clipboard()->text().trimmed();
            if (key->matches(QKeySequence::Paste)
                && (pasted.contains(QLatin1Char('\t')) || pasted.contains(QLatin1Char('\n'))))
                return true; // not accepted: the window's Paste takes the key
            const bool redo = key->matches(QKeySequence::Redo)
                || (key->modifiers() == Qt::ControlModifier && key->key() == Qt::Key_Y);
            if ((key->matches(QKeySequence::Undo) && !edit->isUndoAvailable())
                || (redo && !edit->isRedoAvailable()))
                return true; // not accepted: the window's shortcut takes the key
        }
    }
    // Losing the focus (a band box, a message box, another window) leaves the editor
    // open with what was typed; it is committed when its cell is left or pulled.
    return false;
}
