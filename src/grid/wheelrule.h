// The wheel over a pick list or a spin box never changes its value: it goes on to
// the widgets around the control (a table or a scroll area scrolls, elsewhere
// nothing happens). Only a pick list's open list takes the wheel, and that list
// is a window of its own. Nor does the wheel give such a control the focus, so
// the keyboard changes a value only in the control that the user chose.
#pragma once

#include <QObject>

class WheelRule : public QObject
{
    Q_OBJECT

public:
    // Applies the rule to an event for watched (from any event filter): true
    // when the rule took the event and watched must not see it.
    static bool apply(QObject *watched, QEvent *event);
    // Applies the rule to every widget of the application, its dialogs included
    // (once, however often it is called).
    static void installForApplication();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
