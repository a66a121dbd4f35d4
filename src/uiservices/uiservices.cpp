#include "uiservices/uiservices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>

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

QMessageBox::StandardButton Message(QWidget *parent, const QString &caption, const QString &text,
    QMessageBox::Icon icon, QMessageBox::StandardButtons buttons, const ButtonTexts &buttonTexts)
{
    const QString title = caption.isEmpty() ? QApplication::applicationDisplayName() : caption;
    if (s_message)
        return s_message(parent, title, text, icon, buttons);
    QMessageBox box(icon, title, text, buttons, parent);
    for (const auto &[button, label] : buttonTexts) {
        if (QAbstractButton *shown = box.button(button))
            shown->setText(label);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton MessageWhile(const QObject *subject, QWidget *parent,
    const QString &caption, const QString &text, QMessageBox::Icon icon,
    QMessageBox::StandardButtons buttons)
{
    const QPointer<const QObject> alive(subject);
    if (!alive)
        return QMessageBox::NoButton;
    const QString title = caption.isEmpty() ? QApplication::applicationDisplayName() : caption;
    QMessageBox::StandardButton answer = QMessageBox::NoButton;
    if (s_message) {
        answer = s_message(parent, title, text, icon, buttons);
    } else {
        QMessageBox box(icon, title, text, buttons, parent);
        QObject::connect(
            subject, &QObject::destroyed, &box, [&box] { box.done(QMessageBox::NoButton); });
        answer = static_cast<QMessageBox::StandardButton>(box.exec());
    }
    return alive ? answer : QMessageBox::NoButton;
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
