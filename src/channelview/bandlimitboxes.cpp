#include "channelview/bandlimitboxes.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace {

constexpr int kBoxDigits = 4; // decoded edges reach 1666 when a triple holds non-digit nibbles

} // namespace

BandLimitBoxes::BandLimitBoxes(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    const auto *validator
        = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    const int width = fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12;
    for (int i = 0; i < 4; ++i) {
        if (i % 2 == 0) {
            if (i == 2)
                layout->addSpacing(16);
            layout->addWidget(
                new QLabel(i == 0 ? QStringLiteral("VHF:") : QStringLiteral("UHF:"), this));
        } else {
            layout->addWidget(new QLabel(QStringLiteral("-"), this));
        }
        auto *edit = new QLineEdit(this);
        edit->setValidator(validator);
        edit->setMaxLength(kBoxDigits);
        edit->setAlignment(Qt::AlignCenter);
        edit->setFixedWidth(width);
        edit->setProperty("helpId", 1003 + i);
        edit->setObjectName(QStringLiteral("band%1").arg(1003 + i));
        edit->installEventFilter(this);
        m_boxes[i] = edit;
        layout->addWidget(edit);
    }
    layout->addStretch(1);
}

QLineEdit *BandLimitBoxes::box(BandBox which) const
{
    return m_boxes[int(which)];
}

BandBoxes BandLimitBoxes::boxes() const
{
    BandBoxes b;
    b.vhfLow = m_boxes[0]->text().toInt();
    b.vhfHigh = m_boxes[1]->text().toInt();
    b.uhfLow = m_boxes[2]->text().toInt();
    b.uhfHigh = m_boxes[3]->text().toInt();
    return b;
}

void BandLimitBoxes::setBoxes(const BandBoxes &boxes)
{
    const int values[4] = {boxes.vhfLow, boxes.vhfHigh, boxes.uhfLow, boxes.uhfHigh};
    for (int i = 0; i < 4; ++i) {
        const QString text = QString::number(values[i]);
        if (m_boxes[i]->text() != text)
            m_boxes[i]->setText(text);
    }
}

void BandLimitBoxes::leave(BandBox which)
{
    setBoxes(ClampBands(boxes(), which));
    Q_EMIT boxLeft(which);
}

bool BandLimitBoxes::eventFilter(QObject *watched, QEvent *event)
{
    for (int i = 0; i < 4; ++i) {
        if (watched != m_boxes[i])
            continue;
        if (event->type() == QEvent::FocusOut) {
            leave(BandBox(i));
        } else if (event->type() == QEvent::KeyPress) {
            // Enter takes the value as leaving the box would, keeping the focus.
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                leave(BandBox(i));
                m_boxes[i]->selectAll();
                return true;
            }
        }
        break;
    }
    return QWidget::eventFilter(watched, event);
}
