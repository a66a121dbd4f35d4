#include "uiservices/uiservices.h"

#include <QApplication>

namespace UiServices {
namespace {
MessageFunction s_message;
HelpFunction s_help;
TitleFunction s_title;
} // namespace

QMessageBox::StandardButton Message(QWidget *parent, const QString &caption, const QString &text,
    QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)
{
    const QString title = caption.isEmpty() ? QApplication::applicationDisplayName() : caption;
    if (s_message)
        return s_message(parent, title, text, icon, buttons);
    QMessageBox box(icon, title, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void ShowFailure(QWidget *parent, const Status &failure)
{
    Message(parent, QString(), failure.text(), QMessageBox::Warning);
}

void Help(int context)
{
    if (s_help)
        s_help(context);
}

void SetMainTitle(const QString &title)
{
    if (s_title)
        s_title(title);
}

void SetMessageFunction(MessageFunction f)
{
    s_message = std::move(f);
}
void SetHelpFunction(HelpFunction f)
{
    s_help = std::move(f);
}
void SetTitleFunction(TitleFunction f)
{
    s_title = std::move(f);
}

} // namespace UiServices
