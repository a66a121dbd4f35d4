// The channel grid's cell texts: 200 rows (record 0 "Pr", records 1-199) of nine
// texts in column order. Between a refresh and a pull these texts are the working
// copy of the channel table. Widget-free; the grid view shows it.
#pragma once

#include "channelcodec.h"

#include <QAbstractTableModel>
#include <QVector>

class ChannelTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The column headers are fixed in the interface language at construction.
    explicit ChannelTableModel(bool chinese, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    const QVector<ChannelTexts> &rows() const { return m_rows; }
    const ChannelTexts &rowTexts(int row) const { return m_rows.at(row); }
    QString text(int row, int column) const { return m_rows.at(row).at(column); }
    // Both return whether a text changed; only changed cells are reported to views.
    bool setRowTexts(int row, const ChannelTexts &texts);
    bool setAllRows(const QVector<ChannelTexts> &rows);

    static QString columnHeader(int column, bool chinese);

private:
    QVector<ChannelTexts> m_rows;
    QStringList m_headers;
};
