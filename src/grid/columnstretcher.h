// Lets the columns of a table share the width of its viewport: each column keeps
// the width it had when the stretcher was installed as its least, and the width
// beyond their sum is shared in proportion to those widths. A viewport narrower
// than the sum scrolls.
#pragma once

#include <QObject>
#include <QVector>

class QTableView;

class ColumnStretcher : public QObject
{
    Q_OBJECT

public:
    explicit ColumnStretcher(QTableView *table);

    // The widths that fill `available` pixels, each at least its base width.
    static QVector<int> stretched(const QVector<int> &base, int available);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply();

    QTableView *m_table;
    QVector<int> m_base;
};
