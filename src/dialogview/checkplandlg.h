// View > Check Channel Plan: every problem of the active document's channel plan
// (channels outside the band limits, off step, repeated, names used twice) with
// its severity. A modeless window that follows the document as it changes;
// double-clicking a problem asks for that channel's cell (channelActivated).
#pragma once

#include <QDialog>
#include <QPointer>

class CProgramDoc;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

class CCheckPlanDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CCheckPlanDlg(CProgramDoc *document, QWidget *parent = nullptr);

    CProgramDoc *document() const;
    QTreeWidget *list() const { return m_list; }
    QLabel *summary() const { return m_summary; }

Q_SIGNALS:
    // record: 0 is "Pr"; column: the ChannelColumn the problem is about.
    void channelActivated(int record, int column);

private:
    void refresh();
    void onItemActivated(QTreeWidgetItem *item);

    QPointer<CProgramDoc> m_document;
    QTreeWidget *m_list = nullptr;
    QLabel *m_summary = nullptr;
};
