#include "channelview/channeltablemodel.h"

#include "channels/bandlimits.h"
#include "channels/channelcolumns.h"
#include "document/programdoc.h"
#include "theme/theme.h"

#include <QApplication>
#include <QBrush>
#include <QIcon>
#include <QStyle>

ChannelTableModel::ChannelTableModel(CProgramDoc *document, bool chinese, QObject *parent)
    : QAbstractTableModel(parent)
    , m_document(document)
    , m_chinese(chinese)
    , m_marks(ImageMap::kChannelCount)
    , m_worst(ImageMap::kChannelCount, -1)
{
    if (document) {
        connect(document, &CProgramDoc::rowsChanged, this, &ChannelTableModel::onRowsChanged);
        connect(document, &CProgramDoc::stateReset, this,
            [this] { onRowsChanged(0, ImageMap::kChannelCount - 1); });
        // Narrowed or widened limits mark and unmark channels at once.
        connect(document, &CProgramDoc::bandsChanged, this, &ChannelTableModel::updatePlanProblems);
    }
    updatePlanProblems();
}

int ChannelTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ImageMap::kChannelCount;
}

int ChannelTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kChannelColumns;
}

QString ChannelTableModel::text(int row, int column) const
{
    return m_document ? m_document->rowTexts(row).at(column) : QString();
}

QVariant ChannelTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return QVariant();
    }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (orientation == Qt::Vertical && role != Qt::DisplayRole)
        return rowMark(section, role);
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return section >= 0 && section < ImageMap::kChannelCount ? RowLabel(section) : QVariant();
    return section >= 0 && section < kChannelColumns ? ColumnHeader(section, m_chinese)
                                                     : QVariant();
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // No editor opens while a read will replace the table.
    if (m_document && m_document->isReceiving())
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool ChannelTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if ((role != Qt::EditRole && role != kCommitOnEnterRole)
        || !checkIndex(index, CheckIndexOption::IndexIsValid) || !m_document
        || m_document->isReceiving())
        return false;
    const int record = index.row();
    const CellExit exit = role == kCommitOnEnterRole ? CellExit::Enter : CellExit::Move;
    const CellCommit result = CommitCellText(m_document->rowTexts(record), index.column(),
        value.toString(), exit, BandLimits, m_chinese);
    // The pick lists offer only what the columns take: a text outside them comes
    // from no editor and changes nothing.
    if (!result.refusal.isEmpty())
        return false;
    const bool cleared
        = result.row[kColRx].isEmpty() && !m_document->rowTexts(record)[kColRx].isEmpty();
    m_document->commitCell(record, index.column(), result.row);
    if (cleared)
        Q_EMIT channelCleared(record);
    if (result.message)
        Q_EMIT entryRefused(result.message);
    return result.message == 0;
}

void ChannelTableModel::onRowsChanged(int first, int last)
{
    Q_EMIT dataChanged(
        index(first, 0), index(last, kChannelColumns - 1), {Qt::DisplayRole, Qt::EditRole});
    updatePlanProblems();
}

void ChannelTableModel::updatePlanProblems()
{
    m_problems = m_document
        ? CheckChannelPlan(m_document->rows(), LimitsOf(m_document->bands()), m_chinese)
        : QList<PlanProblem>();
    QVector<QStringList> marks(ImageMap::kChannelCount);
    QVector<int> worst(ImageMap::kChannelCount, -1);
    for (const PlanProblem &problem : m_problems) {
        marks[problem.record].append(problem.text);
        const int severity = int(problem.severity); // Error (0) is worse than Warning
        if (worst[problem.record] < 0 || severity < worst[problem.record])
            worst[problem.record] = severity;
    }
    int first = -1, last = -1;
    for (int record = 0; record < ImageMap::kChannelCount; ++record) {
        if (marks[record] != m_marks[record] || worst[record] != m_worst[record]) {
            first = first < 0 ? record : first;
            last = record;
        }
    }
    m_marks = marks;
    m_worst = worst;
    if (first >= 0)
        Q_EMIT headerDataChanged(Qt::Vertical, first, last);
}

QVariant ChannelTableModel::rowMark(int record, int role) const
{
    if (record < 0 || record >= ImageMap::kChannelCount || m_worst[record] < 0)
        return QVariant();
    const bool error = PlanSeverity(m_worst[record]) == PlanSeverity::Error;
    switch (role) {
    case Qt::DecorationRole:
        return QApplication::style()->standardIcon(
            error ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxWarning);
    case Qt::BackgroundRole:
        return QBrush(
            Theme::Colours(error ? Theme::Role::ErrorMark : Theme::Role::WarningMark).background);
    case Qt::ForegroundRole:
        return QBrush(
            Theme::Colours(error ? Theme::Role::ErrorMark : Theme::Role::WarningMark).text);
    case Qt::ToolTipRole:
        return m_marks[record].join(QLatin1Char('\n'));
    default:
        return QVariant();
    }
}
