// The lists of the comparison and import windows: a tree whose top-level items
// are groups, shown in bold as "Title (count)" and found again by their id.
#pragma once

#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

namespace GroupedTree {

QTreeWidgetItem *AddGroup(QTreeWidget *tree, int id, const QString &title, int count);
// The group item of id; nullptr when the tree has none.
QTreeWidgetItem *Group(const QTreeWidget *tree, int id);

} // namespace GroupedTree
