#include "grid/wheelrule.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QWheelEvent>

namespace {

bool IsValueControl(const QObject *object)
{
    return qobject_cast<const QComboBox *>(object)
        || qobject_cast<const QAbstractSpinBox *>(object);
}

// Offers the wheel to the widgets around control, innermost first, until one
// takes it; true when one did.
bool PassOn(QWidget *control, const QWheelEvent *wheel)
{
    if (control->isWindow())
        return false;
    QPointF position = control->mapToParent(wheel->position());
    for (QWidget *outer = control->parentWidget(); outer; outer = outer->parentWidget()) {
        QWheelEvent passed(position, wheel->globalPosition(), wheel->pixelDelta(),
            wheel->angleDelta(), wheel->buttons(), wheel->modifiers(), wheel->phase(),
            wheel->inverted(), wheel->source());
        passed.setAccepted(false);
        if (QCoreApplication::sendEvent(outer, &passed) && passed.isAccepted())
            return true;
        if (outer->isWindow())
            break;
        position = outer->mapToParent(position);
    }
    return false;
}

} // namespace

bool WheelRule::apply(QObject *watched, QEvent *event)
{
    if (!IsValueControl(watched))
        return false;
    auto *control = static_cast<QWidget *>(watched);
    if (event->type() == QEvent::Polish) {
        // Qt's default for these controls lets the wheel take the focus.
        if (control->focusPolicy() == Qt::WheelFocus)
            control->setFocusPolicy(Qt::StrongFocus);
        return false;
    }
    if (event->type() != QEvent::Wheel)
        return false;
    const auto *list = qobject_cast<QComboBox *>(control);
    if (list && control->hasFocus() && list->view() && list->view()->isVisible())
        return false;
    PassOn(control, static_cast<QWheelEvent *>(event));
    event->accept();
    return true;
}

void WheelRule::installForApplication()
{
    static QPointer<WheelRule> installed;
    if (installed || !qApp)
        return;
    installed = new WheelRule(qApp);
    qApp->installEventFilter(installed);
}

bool WheelRule::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel || event->type() == QEvent::Polish)
        return apply(watched, event);
    return false;
}
