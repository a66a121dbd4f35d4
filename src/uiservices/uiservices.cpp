#include "uiservices/uiservices.h"

#include <QApplication>

namespace UiServices {
namespace {
MessageFunction s_message;
HelpFunction s_help;
TitleFunction s_title;
} // namespace

QMessageBox::StandardButton message(QWidget *parent, const QString &caption, const QString &text,
    QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)
{
    const QString title = caption.isEmpty() ? QApplication::applicationDisplayName() : caption;
    if (s_message)
        return s_message(parent, title, text, icon, buttons);
    QMessageBox box(icon, title, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void showFailure(QWidget *parent, const Status &failure)
{
    message(parent, QString(), failure.text(), QMessageBox::Warning);
}

void help(int context)
{
    if (s_help)
        s_help(context);
}

void setMainTitle(const QString &title)
{
    if (s_title)
        s_title(title);
}

void setMessageFunction(MessageFunction f)
{
    s_message = std::move(f);
}
void setHelpFunction(HelpFunction f)
{
    s_help = std::move(f);
}
void setTitleFunction(TitleFunction f)
{
    s_title = std::move(f);
}

} // namespace UiServices
