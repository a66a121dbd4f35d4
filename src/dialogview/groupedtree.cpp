#include "dialogview/groupedtree.h"

#include <QTreeWidget>

namespace GroupedTree {
namespace {
constexpr int kGroupRole = Qt::UserRole + 10;
} // namespace

QTreeWidgetItem *AddGroup(QTreeWidget *tree, int id, const QString &title, int count)
{
    auto *item = new QTreeWidgetItem(tree, {QStringLiteral("%1 (%2)").arg(title).arg(count)});
    item->setData(0, kGroupRole, id);
    item->setFirstColumnSpanned(true);
    QFont bold = item->font(0);
    bold.setBold(true);
    item->setFont(0, bold);
    return item;
}

QTreeWidgetItem *Group(const QTreeWidget *tree, int id)
{
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = tree->topLevelItem(i);
        if (item->data(0, kGroupRole) == id)
            return item;
    }
    return nullptr;
}

} // namespace GroupedTree
