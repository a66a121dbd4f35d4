// Paints a text into a table's corner button (the cell above the label column),
// which Qt otherwise leaves blank, in the header's font and colour.
#pragma once

#include <QObject>
#include <QString>

class QAbstractButton;

class CornerLabel : public QObject
{
    Q_OBJECT

public:
    CornerLabel(QAbstractButton *corner, const QString &text);

    void setText(const QString &text);
    QString text() const { return m_text; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractButton *m_corner;
    QString m_text;
};
