// Services that the view and the dialogs ask of the application: message boxes,
// help at a context number and the main window's title. The application installs
// the real ones; tests install their own to answer messages and record requests.
#pragma once

#include "status/status.h"

#include <QList>
#include <QMessageBox>
#include <QPair>
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
// As Message, with some standard buttons saying what they do ("Write Again"
// on Retry); the answer is still the standard button.
using ButtonTexts = QList<QPair<QMessageBox::StandardButton, QString>>;
QMessageBox::StandardButton Message(QWidget *parent, const QString &caption, const QString &text,
    QMessageBox::Icon icon, QMessageBox::StandardButtons buttons, const ButtonTexts &buttonTexts);
// As Message, for a question about something that may end by itself (a running
// transfer): when subject is destroyed while the question is open, the box goes
// away and NoButton is returned, whatever the answer, as it no longer applies.
QMessageBox::StandardButton MessageWhile(const QObject *subject, QWidget *parent,
    const QString &caption, const QString &text, QMessageBox::Icon icon,
    QMessageBox::StandardButtons buttons);
// A failure of the core in its words, as a warning with an OK button.
void ShowFailure(QWidget *parent, const Status &failure);
void Help(int context);
void SetMainTitle(const QString &title);

void SetMessageFunction(MessageFunction f); // nullptr restores the real message box
void SetHelpFunction(HelpFunction f);
void SetTitleFunction(TitleFunction f);

} // namespace UiServices
