// File > Compare With...: what differs between the active document and another
// image, grouped Channels, Settings and Other bytes, with the value in each.
// A modeless window of its own (the document can come in front of it);
// double-clicking a channel difference asks for that cell of the grid
// (channelActivated), so the window can stay open beside it. Refresh asks for
// the comparison anew (refreshRequested); showDiff shows a new one.
#pragma once

#include "compare/imagediff.h"

#include <QDialog>

class QLabel;
class QPushButton;
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

    // Shows diff in place of what is shown, keeping the line that was current.
    void showDiff(const ImageDiff &diff);
    // Fills tree with the grouped differences (channel lines carry their record
    // and column for channelActivated), expanded, columns fitted.
    static void fillTree(QTreeWidget *tree, const ImageDiff &diff);

    QTreeWidget *tree() const { return m_tree; }
    QPushButton *refreshButton() const { return m_refresh; }
    QLabel *summary() const { return m_summary; }
    // The group item of a kind of difference; nullptr when that kind has none.
    QTreeWidgetItem *group(DiffGroup kind) const;

Q_SIGNALS:
    // record: 0 is "Pr"; column: ChannelColumn.
    void channelActivated(int record, int column);
    void refreshRequested();

private:
    void onItemActivated(QTreeWidgetItem *item);

    QString m_documentName;
    QString m_otherName;
    QTreeWidget *m_tree = nullptr;
    QLabel *m_summary = nullptr;
    QPushButton *m_refresh = nullptr;
};
