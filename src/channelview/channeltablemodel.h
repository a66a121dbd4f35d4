// The channel grid's model over a document: 200 rows (record 0 "Pr", records
// 1-199) of the nine texts of the document's channel table. setData commits an
// editor's text by the grid's rules (CommitCellText) as a command on the
// document. A refused text makes setData return false (after Enter the current
// cell then stays) and is reported by entryRefused, which the view turns into
// its message box once the commit is over.
// The row labels carry the marks of the channel plan's check: an icon and a
// colour by severity, the problems in the tool tip, kept up to date with the
// table and the band limits.
#pragma once

#include "channels/cellcommit.h"
#include "channels/channelcodec.h"
#include "channels/channelplan.h"

#include <QAbstractTableModel>
#include <QPointer>

class CProgramDoc;

class ChannelTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // setData with this role commits as the Enter key does; Qt::EditRole as
    // leaving the cell does.
    static constexpr int kCommitOnEnterRole = Qt::UserRole + 1;

    // The column headers are fixed in the interface language at construction.
    ChannelTableModel(CProgramDoc *document, bool chinese, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // False when the text was refused; the row may still have changed by the
    // rules (a refused Rx frequency clears the channel).
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    QString text(int row, int column) const;
    // The problems of the document's channel plan, in order of record.
    const QList<PlanProblem> &planProblems() const { return m_problems; }

Q_SIGNALS:
    // A typed value was refused: id is the message (61448 / 61456).
    void entryRefused(int messageId);
    // A commit emptied a whole channel (its Rx erased or refused, an off-step Tx).
    void channelCleared(int record);

private:
    void onRowsChanged(int first, int last);
    // Checks the plan again; the row labels whose marks changed are repainted.
    void updatePlanProblems();
    QVariant rowMark(int record, int role) const;

    QPointer<CProgramDoc> m_document;
    bool m_chinese;
    QList<PlanProblem> m_problems;
    QVector<QStringList> m_marks; // per record: its problems' texts
    QVector<int> m_worst; // per record: -1 none, else the PlanSeverity of its worst problem
};
