#include "channelview/channelfindbar.h"

#include "channels/channelcodec.h"
#include "channelview/channelgrid.h"
#include "settings/language.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

const int kSearched[] = {kColRx, kColTx, kColRxTone, kColTxTone, kColName};

QToolButton *Button(const QString &text, const QString &tip, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

} // namespace

ChannelFindBar::ChannelFindBar(ChannelGrid *grid, QWidget *parent)
    : QWidget(parent)
    , m_grid(grid)
{
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("findField"));
    m_field->setPlaceholderText(LangText("Name, frequency or tone", "名称、频率或亚音"));
    m_field->setClearButtonEnabled(true);
    m_count = new QLabel(this);
    QToolButton *previous
        = Button(LangText("Previous", "上一个"), QStringLiteral("Shift+F3"), this);
    QToolButton *next = Button(LangText("Next", "下一个"), QStringLiteral("F3"), this);
    QToolButton *closing = Button(QStringLiteral("✕"), LangText("Close (Esc)", "关闭 (Esc)"), this);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(LangText("Find:", "查找："), this));
    layout->addWidget(m_field, 1);
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addWidget(m_count);
    layout->addWidget(closing);
    connect(m_field, &QLineEdit::textEdited, this, [this] { go(0); });
    connect(previous, &QToolButton::clicked, this, [this] { findNext(-1); });
    connect(next, &QToolButton::clicked, this, [this] { findNext(1); });
    connect(closing, &QToolButton::clicked, this, &ChannelFindBar::closeBar);
    hide();
}

void ChannelFindBar::open()
{
    show();
    m_field->setFocus();
    m_field->selectAll();
    if (!m_field->text().isEmpty())
        go(0);
}

void ChannelFindBar::closeBar()
{
    hide();
    // The keyboard goes back to the cell being edited.
    if (QWidget *editor = m_grid->openEditor())
        editor->setFocus();
    else {
        m_grid->setFocus();
        m_grid->openCurrentEditor();
    }
}

void ChannelFindBar::findNext(int step)
{
    if (isHidden()) {
        open();
        return;
    }
    go(step);
}

QList<QPoint> ChannelFindBar::matches() const
{
    QList<QPoint> found;
    const QString needle = m_field->text().trimmed();
    const QAbstractItemModel *model = m_grid->model();
    if (needle.isEmpty() || !model)
        return found;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (m_grid->isRowHidden(row))
            continue;
        for (int column : kSearched) {
            if (model->index(row, column).data().toString().contains(needle, Qt::CaseInsensitive))
                found.append(QPoint(row, column));
        }
    }
    return found;
}

void ChannelFindBar::go(int step)
{
    const QList<QPoint> found = matches();
    if (found.isEmpty()) {
        showCount(found, -1);
        return;
    }
    const QModelIndex current = m_grid->currentIndex();
    const auto order = [](const QPoint &cell) { return cell.x() * kChannelColumns + cell.y(); };
    const int here = current.isValid() ? current.row() * kChannelColumns + current.column() : -1;
    int at = -1;
    if (step < 0) {
        at = int(found.size()) - 1; // round to the last one
        for (int i = 0; i < found.size(); ++i) {
            if (order(found.at(i)) < here)
                at = i;
        }
    } else {
        at = 0; // round to the first one
        for (int i = int(found.size()) - 1; i >= 0; --i) {
            if (order(found.at(i)) > here || (step == 0 && order(found.at(i)) == here))
                at = i;
        }
    }
    const QPoint cell = found.at(at);
    if (order(cell) != here) {
        m_grid->clearSelection();
        m_grid->setCurrentIndex(m_grid->model()->index(cell.x(), cell.y()));
    }
    m_grid->scrollTo(m_grid->currentIndex());
    // The grid opens the cell's editor; the keyboard stays with the search.
    if (isVisible())
        m_field->setFocus();
    showCount(found, at);
}

void ChannelFindBar::showCount(const QList<QPoint> &found, int at)
{
    if (m_field->text().trimmed().isEmpty())
        m_count->clear();
    else if (found.isEmpty())
        m_count->setText(LangText("No matches", "无匹配"));
    else
        m_count->setText(LangText("%1 of %2", "第 %1 个，共 %2 个").arg(at + 1).arg(found.size()));
}

void ChannelFindBar::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        closeBar();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        findNext(event->modifiers().testFlag(Qt::ShiftModifier) ? -1 : 1);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
