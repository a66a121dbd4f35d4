#include "grid/columnstretcher.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableView>

ColumnStretcher::ColumnStretcher(QTableView *table)
    : QObject(table)
    , m_table(table)
{
    for (int column = 0; column < table->horizontalHeader()->count(); ++column)
        m_base.append(table->columnWidth(column));
    table->viewport()->installEventFilter(this);
    apply();
}

QVector<int> ColumnStretcher::stretched(const QVector<int> &base, int available)
{
    qint64 total = 0;
    for (int width : base)
        total += width;
    if (total <= 0 || available <= total)
        return base;
    QVector<int> widths;
    int given = 0;
    for (int width : base) {
        widths.append(int(width * qint64(available) / total));
        given += widths.constLast();
    }
    widths.last() += available - given; // what the rounding left over
    return widths;
}

bool ColumnStretcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        apply();
    return QObject::eventFilter(watched, event);
}

void ColumnStretcher::apply()
{
    const QVector<int> widths = stretched(m_base, m_table->viewport()->width());
    for (int column = 0; column < widths.size(); ++column) {
        if (m_table->columnWidth(column) != widths.at(column))
            m_table->setColumnWidth(column, widths.at(column));
    }
}
