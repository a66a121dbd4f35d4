// Every dialog of the application fits the screen it opens on: its frame is
// never larger than the screen's available area nor placed off it. A dialog the
// user can resize opens at the size the user last gave it (kept per user, by
// dialog class), shrunk to the screen when that is smaller, so a size chosen on
// a big monitor never pushes OK off a small one.
#pragma once

#include <QObject>

class QWidget;

class DialogFit : public QObject
{
    Q_OBJECT

public:
    // Fits every dialog of the application as it is shown (once, however often
    // it is called).
    static void installForApplication();
    // Puts content, for example a tall form, in a frameless scroll area that
    // scrolls when the dialog is shrunk to a small screen.
    static QWidget *scrolled(QWidget *content, QWidget *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
