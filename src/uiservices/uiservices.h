// Services that the view and the dialogs ask of the application: message boxes,
// help at a context number and the main window's title. The application installs
// the real ones; tests install their own to answer messages and record requests.
#pragma once

#include "status/status.h"

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace UiServices {

using MessageFunction
    = std::function<QMessageBox::StandardButton(QWidget *parent, const QString &caption,
        const QString &text, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)>;
using HelpFunction = std::function<void(int context)>;
using TitleFunction = std::function<void(const QString &title)>;

// Shows a modal message box (or whatever the installed function does) and returns
// the button pressed. An empty caption means the application name.
QMessageBox::StandardButton Message(QWidget *parent, const QString &caption, const QString &text,
    QMessageBox::Icon icon, QMessageBox::StandardButtons buttons = QMessageBox::Ok);
// A failure of the core in its words, as a warning with an OK button.
void ShowFailure(QWidget *parent, const Status &failure);
void Help(int context);
void SetMainTitle(const QString &title);

void SetMessageFunction(MessageFunction f); // nullptr restores the real message box
void SetHelpFunction(HelpFunction f);
void SetTitleFunction(TitleFunction f);

} // namespace UiServices
