// F1 inside a dialog: help at the context number of the focused control. Each
// control carries its control number as the dynamic property "helpId".
#pragma once

class QDialog;
class QWidget;

namespace DialogHelp {

// The helpId of the widget or, failing that, of its nearest parent inside the
// dialog that has one; 0 when none does.
int HelpIdOf(const QWidget *widget, const QDialog *dialog);

// F1 in the dialog asks UiServices::help for the focused control's helpId.
// With a fixedContext other than 0, F1 always asks for that context instead.
void InstallF1(QDialog *dialog, int fixedContext = 0);

void SetHelpId(QWidget *widget, int id);

} // namespace DialogHelp
