// File > Compare With...: what differs between the active document and another
// image, grouped Channels, Settings and Other bytes, with the value in each.
// A modeless window; double-clicking a channel difference asks for that cell
// of the grid (channelActivated), so the window can stay open beside it.
#pragma once

#include "compare/imagediff.h"

#include <QDialog>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

class CCompareDlg : public QDialog
{
    Q_OBJECT

public:
    // documentName and otherName name the two images; otherName heads the
    // column of the other image's values.
    CCompareDlg(const ImageDiff &diff, const QString &documentName, const QString &otherName,
        QWidget *parent = nullptr);

    // Fills tree with the grouped differences (channel lines carry their record
    // and column for channelActivated), expanded, columns fitted.
    static void fillTree(QTreeWidget *tree, const ImageDiff &diff);

    QTreeWidget *tree() const { return m_tree; }
    QLabel *summary() const { return m_summary; }
    // The group item of a kind of difference; nullptr when that kind has none.
    QTreeWidgetItem *group(DiffGroup kind) const;

Q_SIGNALS:
    // record: 0 is "Pr"; column: ChannelColumn.
    void channelActivated(int record, int column);

private:
    void onItemActivated(QTreeWidgetItem *item);

    QTreeWidget *m_tree = nullptr;
    QLabel *m_summary = nullptr;
};
