// The four band-limit boxes above the channel grid: "VHF:" low "-" high and
// "UHF:" low "-" high, in whole MHz, digits only. Leaving a box clamps the band to
// sane edges and reports it; the view takes the values into the document.
#pragma once

#include "channels/bandlimits.h"

#include <QWidget>

class QLineEdit;

class BandLimitBoxes : public QWidget
{
    Q_OBJECT

public:
    explicit BandLimitBoxes(QWidget *parent = nullptr);

    // An empty box reads as 0.
    BandBoxes boxes() const;
    void setBoxes(const BandBoxes &boxes);
    QLineEdit *box(BandBox which) const;

Q_SIGNALS:
    // A box was left (after its clamping); boxes() holds the values now in force.
    void boxLeft(BandBox which);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void leave(BandBox which);

    QLineEdit *m_boxes[4];
};
