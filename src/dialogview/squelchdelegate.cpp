#include "dialogview/squelchdelegate.h"

#include "codecs/squelchcodec.h"

#include <QLineEdit>

namespace {
constexpr int kEntryLength = 3;
}

QWidget *SquelchEntryDelegate::createEditor(
    QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *editor = new QLineEdit(parent);
    editor->setMaxLength(kEntryLength);
    editor->setAlignment(Qt::AlignCenter);
    editor->setFrame(false);
    return editor;
}

void SquelchEntryDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *line = static_cast<QLineEdit *>(editor);
    line->setText(index.data(Qt::EditRole).toString());
    line->selectAll();
}

void SquelchEntryDelegate::setModelData(
    QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    const auto *line = static_cast<QLineEdit *>(editor);
    model->setData(index, QString::number(ClampSquelchEntry(line->text())), Qt::EditRole);
}
