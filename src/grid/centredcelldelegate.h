// Draws every cell of a grid with its text centred both ways, whatever alignment
// the model gives; the base of the grids' own editing delegates.
#pragma once

#include <QStyledItemDelegate>

class CentredCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
