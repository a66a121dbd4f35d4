#include "channelview/channelgrid.h"

#include "channels/channelcodec.h"
#include "channelview/channeldelegate.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <algorithm>

ChannelGrid::ChannelGrid(QWidget *parent)
    : QTableView(parent)
{
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::AnyKeyPressed
        | QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);
    setTabKeyNavigation(true);
    setAutoScroll(true);
}

void ChannelGrid::setChannelDelegate(ChannelDelegate *delegate)
{
    m_delegate = delegate;
    setItemDelegate(delegate);
    // Typing into an editor whose cell was scrolled away brings the cell back.
    connect(delegate, &ChannelDelegate::typing, this, [this] {
        if (openEditorIndex().isValid())
            scrollTo(openEditorIndex());
    });
}

QWidget *ChannelGrid::openEditor() const
{
    return m_delegate ? m_delegate->openEditor() : nullptr;
}

QModelIndex ChannelGrid::openEditorIndex() const
{
    return m_delegate ? m_delegate->openIndex() : QModelIndex();
}

void ChannelGrid::commitOpenEditor()
{
    QWidget *editor = openEditor();
    if (!editor || m_committing)
        return;
    m_committing = true;
    commitData(editor);
    // When the editor goes the keyboard belongs to the grid again, also while
    // another window (a message box) is active.
    const bool editorHadFocus = window()->focusWidget() == openEditor();
    closeOpenEditor();
    if (editorHadFocus)
        setFocus();
    m_committing = false;
}

void ChannelGrid::closeOpenEditor()
{
    if (QWidget *editor = openEditor())
        closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void ChannelGrid::openCurrentEditor()
{
    const QModelIndex current = currentIndex();
    if (!current.isValid() || openEditor())
        return;
    scrollTo(current);
    edit(current, QAbstractItemView::AllEditTriggers, nullptr);
}

void ChannelGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    commitOpenEditor();
    QTableView::currentChanged(current, previous);
}

void ChannelGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // The table's own moves would select rows here, where rows are selected only
    // by their labels: the grid makes its own.
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (hint == QAbstractItemDelegate::EditNextItem)
        moveBy(1);
    else if (hint == QAbstractItemDelegate::EditPreviousItem)
        moveBy(-1);
}

void ChannelGrid::moveTo(int row, int column)
{
    clearSelection();
    setCurrentIndex(model()->index(row, column));
    openCurrentEditor();
}

void ChannelGrid::moveBy(int step)
{
    const QModelIndex current = currentIndex();
    const int cells = model()->rowCount() * kChannelColumns;
    int cell = current.isValid() ? current.row() * kChannelColumns + current.column() : -1;
    // Rows out of sight (empty channels hidden) are passed over.
    for (int tried = 0; tried < cells; ++tried) {
        cell = ((cell + step) % cells + cells) % cells;
        if (!isRowHidden(cell / kChannelColumns))
            break;
    }
    moveTo(cell / kChannelColumns, cell % kChannelColumns);
}

void ChannelGrid::keyPressEvent(QKeyEvent *event)
{
    QWidget *editor = openEditor();
    const bool endsEdit = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter
        || event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    const bool typed = !event->text().isEmpty() && event->text().at(0).isPrint();
    if (editor && (endsEdit || typed) && !m_keyToEditor) {
        // The keyboard is with the grid while an editor is open (its row scrolled
        // out of sight, a click beside the cells): the editor takes the key, as
        // if it had the keyboard, and its row comes back into sight.
        const QScopedValueRollback<bool> forwarding(m_keyToEditor, true);
        scrollTo(openEditorIndex());
        editor->setFocus();
        QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text());
        QCoreApplication::sendEvent(editor, &copy);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        moveBy(1);
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        moveBy(event->key() == Qt::Key_Backtab || event->modifiers().testFlag(Qt::ShiftModifier)
                ? -1
                : 1);
        return;
    case Qt::Key_F1:
        event->ignore(); // the view answers help requests
        return;
    case Qt::Key_Delete:
        if (selectionModel()->hasSelection()) {
            Q_EMIT deleteRowsPressed();
            return;
        }
        break;
    case Qt::Key_Escape:
        if (selectionModel()->hasSelection()) {
            clearSelection();
            openCurrentEditor();
            return;
        }
        break;
    default:
        if (extendBlockByKey(event) || extendByKey(event))
            return;
        break;
    }
    QTableView::keyPressEvent(event);
}

void ChannelGrid::mousePressEvent(QMouseEvent *event)
{
    // Shift or Ctrl with a click selects the row as the row label would.
    const QModelIndex index = indexAt(event->position().toPoint());
    const bool extend = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    if (event->button() == Qt::LeftButton && extend && index.isValid()) {
        selectRowsTo(index.row(), event->modifiers());
        return;
    }
    m_pressed = event->button() == Qt::LeftButton ? index : QModelIndex();
    QTableView::mousePressEvent(event);
    // A click on the current cell opens its editor again once it was closed.
    if (indexAt(event->position().toPoint()) == currentIndex())
        openCurrentEditor();
}

void ChannelGrid::mouseMoveEvent(QMouseEvent *event)
{
    // Dragging from one cell to another selects the block between them.
    const QModelIndex index = indexAt(event->position().toPoint());
    if ((event->buttons() & Qt::LeftButton) && m_pressed.isValid() && index.isValid()
        && (index != m_pressed || selectionModel()->hasSelection())) {
        selectBlock(m_pressed, index.row(), index.column());
        return;
    }
    QTableView::mouseMoveEvent(event);
}

QItemSelectionRange ChannelGrid::selectedBlock() const
{
    if (!selectionModel() || !selectionModel()->hasSelection()
        || !selectionModel()->selectedRows().isEmpty())
        return {};
    const QItemSelection selection = selectionModel()->selection();
    return selection.size() == 1 ? selection.first() : QItemSelectionRange();
}

void ChannelGrid::selectBlock(const QModelIndex &anchor, int row, int column)
{
    m_blockAnchor = anchor;
    const QModelIndex to = model()->index(row, column);
    const QItemSelectionRange block(
        model()->index(qMin(anchor.row(), row), qMin(anchor.column(), column)),
        model()->index(qMax(anchor.row(), row), qMax(anchor.column(), column)));
    selectionModel()->select(
        QItemSelection(block.topLeft(), block.bottomRight()), QItemSelectionModel::ClearAndSelect);
    selectionModel()->setCurrentIndex(to, QItemSelectionModel::NoUpdate);
    scrollTo(to);
}

bool ChannelGrid::extendBlockByKey(QKeyEvent *event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::ShiftModifier)
        return false;
    const bool block = selectedBlock().isValid() && m_blockAnchor.isValid();
    const int key = event->key();
    // Shift+Left/Right start a block; Shift+Up/Down extend one (else they select rows).
    if (!block && key != Qt::Key_Left && key != Qt::Key_Right)
        return false;
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return false;
    int row = current.row();
    int column = current.column();
    switch (key) {
    case Qt::Key_Left:
        column = qMax(0, column - 1);
        break;
    case Qt::Key_Right:
        column = qMin(kChannelColumns - 1, column + 1);
        break;
    case Qt::Key_Up:
        row = qMax(0, row - 1);
        break;
    case Qt::Key_Down:
        row = qMin(model()->rowCount() - 1, row + 1);
        break;
    default:
        return false;
    }
    setFocus();
    selectBlock(block ? QModelIndex(m_blockAnchor) : current, row, column);
    return true;
}

void ChannelGrid::enableRowSelection()
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setCornerButtonEnabled(true);
    QHeaderView *labels = verticalHeader();
    labels->setSectionsClickable(true);
    labels->setHighlightSections(true);
    // The row labels select rows here rather than through the table's own handling,
    // which would also select rows whenever the current cell moves.
    disconnect(labels, &QHeaderView::sectionPressed, this, nullptr);
    disconnect(labels, &QHeaderView::sectionEntered, this, nullptr);
    connect(labels, &QHeaderView::sectionPressed, this, [this](int row) {
        setFocus();
        selectRowsTo(row, QGuiApplication::keyboardModifiers());
    });
    connect(labels, &QHeaderView::sectionEntered, this,
        [this](int row) { selectRowsTo(row, Qt::ShiftModifier); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &ChannelGrid::rowSelectionChanged);
}

QList<int> ChannelGrid::selectedRows() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    const QModelIndexList selected = selectionModel()->selectedRows();
    for (const QModelIndex &index : selected) {
        // A range of rows selected across hidden ones holds those too.
        if (!isRowHidden(index.row()))
            rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ChannelGrid::selectRows(const QList<int> &rows)
{
    QItemSelection selection;
    for (int row : rows)
        selection.select(model()->index(row, 0), model()->index(row, kChannelColumns - 1));
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (rows.isEmpty())
        return;
    m_anchorRow = rows.constFirst();
    const QModelIndex first = model()->index(rows.constFirst(), qMax(0, currentIndex().column()));
    selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    scrollTo(first);
}

void ChannelGrid::selectAll()
{
    setFocus();
    m_anchorRow = 0;
    QTableView::selectAll();
}

void ChannelGrid::selectRowsTo(int row, Qt::KeyboardModifiers modifiers)
{
    QItemSelectionModel *selection = selectionModel();
    const bool extend = modifiers.testFlag(Qt::ShiftModifier);
    const bool toggle = modifiers.testFlag(Qt::ControlModifier) && !extend;
    if (!extend)
        m_anchorRow = row;
    else if (!selection->hasSelection())
        m_anchorRow = qMax(0, currentIndex().row());
    const QItemSelection rows(model()->index(qMin(m_anchorRow, row), 0),
        model()->index(qMax(m_anchorRow, row), kChannelColumns - 1));
    selection->select(
        rows, toggle ? QItemSelectionModel::Toggle : QItemSelectionModel::ClearAndSelect);
    const QModelIndex current = model()->index(row, qMax(0, currentIndex().column()));
    selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    scrollTo(current);
}

bool ChannelGrid::extendByKey(QKeyEvent *event)
{
    if (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)
        || !event->modifiers().testFlag(Qt::ShiftModifier))
        return false;
    const int page = qMax(1, viewport()->height() / qMax(1, rowHeight(0)) - 1);
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Up:
        step = -1;
        break;
    case Qt::Key_Down:
        step = 1;
        break;
    case Qt::Key_PageUp:
        step = -page;
        break;
    case Qt::Key_PageDown:
        step = page;
        break;
    default:
        return false;
    }
    int row = qBound(0, qMax(0, currentIndex().row()) + step, model()->rowCount() - 1);
    const int direction = step < 0 ? -1 : 1;
    while (isRowHidden(row) && row + direction >= 0 && row + direction < model()->rowCount())
        row += direction;
    setFocus();
    selectRowsTo(row, Qt::ShiftModifier);
    return true;
}

void ChannelGrid::rowSelectionChanged()
{
    // Rows selected: the cell being edited is left, and the keys go to the rows.
    if (!selectionModel()->hasSelection())
        return;
    if (openEditor())
        commitOpenEditor();
    setFocus();
}

bool ChannelGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    if (selectionModel() && selectionModel()->hasSelection()) {
        // Typing, a double click or F2 end the row selection; moving around does not.
        if (trigger != AnyKeyPressed && trigger != DoubleClicked && trigger != EditKeyPressed)
            return false;
        clearSelection();
    }
    return QTableView::edit(index, trigger, event);
}

QItemSelectionModel::SelectionFlags ChannelGrid::selectionCommand(
    const QModelIndex &index, const QEvent *event) const
{
    // The table selects nothing itself (rows are selected by selectRowsTo); a
    // click or a key in the cells ends a row selection, except a right click on
    // a selected row, which opens the context menu for the selection.
    const QEvent::Type type = event ? event->type() : QEvent::None;
    if (type == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<const QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton
            && (selectionModel()->isRowSelected(index.row())
                || selectionModel()->isSelected(index)))
            return QItemSelectionModel::NoUpdate;
    }
    if (type == QEvent::MouseButtonPress || type == QEvent::KeyPress)
        return QItemSelectionModel::Clear;
    return QItemSelectionModel::NoUpdate;
}
