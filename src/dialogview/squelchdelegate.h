// The cell editor of the squelch grids: a line edit of at most three
// characters whose text, when the cell is left, becomes a level 0-127.
#pragma once

#include "grid/centredcelldelegate.h"

class SquelchEntryDelegate : public CentredCellDelegate
{
    Q_OBJECT

public:
    using CentredCellDelegate::CentredCellDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(
        QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
};
