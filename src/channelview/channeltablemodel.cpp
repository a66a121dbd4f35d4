#include "channeltablemodel.h"

ChannelTableModel::ChannelTableModel(bool chinese, QObject *parent)
    : QAbstractTableModel(parent)
    , m_rows(ImageMap::kChannelCount)
{
    for (int column = 0; column < kChannelColumns; ++column)
        m_headers << columnHeader(column, chinese);
}

QString ChannelTableModel::columnHeader(int column, bool chinese)
{
    static const char *const english[kChannelColumns] = {"Rx Frequency", "Tx Frequency", "Rx Tone",
        "Tx Tone", "Power", "Cha Lock", "Scan Add", "Bandwidth", "Cha Name"};
    static const char *const chineseTexts[kChannelColumns] = {"接收频率", "发射频率", "接收信令",
        "发射信令", "功率", "信道锁定", "扫描添加", "带宽", "信道名字"};
    if (column < 0 || column >= kChannelColumns)
        return chinese ? QString::fromUtf8("信道") : QStringLiteral("CH");
    return QString::fromUtf8(chinese ? chineseTexts[column] : english[column]);
}

int ChannelTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int ChannelTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kChannelColumns;
}

QVariant ChannelTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_rows.at(index.row()).at(index.column());
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
        return section >= 0 && section < m_rows.size() ? RowLabel(section) : QVariant();
    return section >= 0 && section < m_headers.size() ? m_headers.at(section) : QVariant();
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool ChannelTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    ChannelTexts texts = m_rows.at(index.row());
    texts[index.column()] = value.toString();
    setRowTexts(index.row(), texts);
    return true;
}

bool ChannelTableModel::setRowTexts(int row, const ChannelTexts &texts)
{
    ChannelTexts &current = m_rows[row];
    int first = -1;
    int last = -1;
    for (int column = 0; column < kChannelColumns; ++column) {
        if (current[column] == texts[column])
            continue;
        current[column] = texts[column];
        if (first < 0)
            first = column;
        last = column;
    }
    if (first < 0)
        return false;
    Q_EMIT dataChanged(index(row, first), index(row, last), {Qt::DisplayRole, Qt::EditRole});
    return true;
}

bool ChannelTableModel::setAllRows(const QVector<ChannelTexts> &rows)
{
    const int count = qMin(rows.size(), m_rows.size());
    int first = -1;
    int last = -1;
    for (int row = 0; row < count; ++row) {
        if (m_rows.at(row) == rows.at(row))
            continue;
        m_rows[row] = rows.at(row);
        if (first < 0)
            first = row;
        last = row;
    }
    if (first < 0)
        return false;
    Q_EMIT dataChanged(
        index(first, 0), index(last, kChannelColumns - 1), {Qt::DisplayRole, Qt::EditRole});
    return true;
}
