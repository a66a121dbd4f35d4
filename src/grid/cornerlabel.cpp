#include "grid/cornerlabel.h"

#include <QAbstractButton>
#include <QEvent>
#include <QStyleOptionHeader>
#include <QStylePainter>

CornerLabel::CornerLabel(QAbstractButton *corner, const QString &text)
    : QObject(corner)
    , m_corner(corner)
    , m_text(text)
{
    corner->installEventFilter(this);
    corner->update();
}

void CornerLabel::setText(const QString &text)
{
    m_text = text;
    m_corner->update();
}

bool CornerLabel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_corner || event->type() != QEvent::Paint)
        return QObject::eventFilter(watched, event);
    QStylePainter painter(m_corner);
    QStyleOptionHeader option;
    option.initFrom(m_corner);
    option.rect = m_corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = m_text;
    option.textAlignment = Qt::AlignCenter;
    option.state |= QStyle::State_Raised | QStyle::State_Horizontal;
    painter.drawControl(QStyle::CE_Header, option);
    return true;
}
