#include "uiservices/dialoghelp.h"

#include "uiservices/uiservices.h"

#include <QApplication>
#include <QDialog>
#include <QShortcut>

namespace DialogHelp {

int HelpIdOf(const QWidget *widget, const QDialog *dialog)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        const int id = w->property("helpId").toInt();
        if (id != 0)
            return id;
        if (w == dialog)
            break;
    }
    return 0;
}

void InstallF1(QDialog *dialog, int fixedContext)
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::Key_F1), dialog);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, dialog, [dialog, fixedContext] {
        QWidget *focus = QApplication::focusWidget();
        if (focus && focus->window() != dialog)
            focus = nullptr;
        const int context = fixedContext != 0 ? fixedContext : HelpIdOf(focus, dialog);
        if (context != 0)
            UiServices::Help(context);
    });
}

void SetHelpId(QWidget *widget, int id)
{
    widget->setProperty("helpId", id);
}

} // namespace DialogHelp
