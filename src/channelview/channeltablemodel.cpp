#include "channelview/channeltablemodel.h"

#include "channels/bandlimits.h"
#include "channels/channelcolumns.h"
#include "document/programdoc.h"

ChannelTableModel::ChannelTableModel(CProgramDoc *document, bool chinese, QObject *parent)
    : QAbstractTableModel(parent)
    , m_document(document)
    , m_chinese(chinese)
{
    if (document) {
        connect(document, &CProgramDoc::rowsChanged, this, &ChannelTableModel::onRowsChanged);
        connect(document, &CProgramDoc::stateReset, this,
            [this] { onRowsChanged(0, ImageMap::kChannelCount - 1); });
    }
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
}
