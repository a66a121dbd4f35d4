#include "uiservices/dialogfit.h"

#include "settings/usersettings.h"

#include <QApplication>
#include <QDialog>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QWindow>

namespace {

// The size the dialog had when it was fitted; a different size when it hides
// is the user's choice.
const char kFittedSize[] = "htprogFittedSize";

QString SizeKey(const QDialog *dialog)
{
    QString key = QString::fromLatin1(dialog->metaObject()->className());
    if (!dialog->objectName().isEmpty())
        key += QLatin1Char('-') + dialog->objectName();
    return key;
}

bool IsResizable(const QDialog *dialog)
{
    if (dialog->layout() && dialog->layout()->sizeConstraint() == QLayout::SetFixedSize)
        return false;
    return dialog->minimumSize() != dialog->maximumSize();
}

// The room a frame of the window manager takes around a window, as seen on the
// dialog or, before its frame is known, on its parent's window.
QSize FrameRoom(const QDialog *dialog)
{
    QMargins margins;
    if (const QWindow *own = dialog->windowHandle(); own && own->isVisible())
        margins = own->frameMargins();
    const QWidget *parent = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    if (margins.isNull() && parent && parent->windowHandle() && parent->isVisible())
        margins = parent->windowHandle()->frameMargins();
    return QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

// The available area of the screen the dialog opens on: its parent's screen.
QRect ScreenArea(const QDialog *dialog)
{
    const QWidget *placing = dialog->parentWidget() ? dialog->parentWidget()->window() : dialog;
    const QScreen *screen = placing->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// Before the dialog shows: the size the user gave it, no larger than the screen.
void FitSize(QDialog *dialog)
{
    const QRect screen = ScreenArea(dialog);
    if (screen.isEmpty())
        return;
    if (IsResizable(dialog)) {
        const QSize remembered = UserSettings::DialogSize(SizeKey(dialog));
        if (remembered.isValid())
            dialog->resize(remembered.expandedTo(dialog->minimumSize()));
    }
    const QSize room = screen.size() - FrameRoom(dialog);
    // A dialog that keeps the size its contents ask for can be larger than a
    // small screen with larger fonts: it may then shrink to the least its layout
    // allows, and grows no larger than its contents ask.
    QLayout *layout = dialog->layout();
    const QSize wanted = dialog->sizeHint();
    if (layout && layout->sizeConstraint() == QLayout::SetFixedSize
        && (wanted.width() > room.width() || wanted.height() > room.height())) {
        layout->setSizeConstraint(QLayout::SetMinimumSize);
        dialog->setMinimumSize(dialog->minimumSizeHint());
        dialog->setMaximumSize(wanted);
    }
    dialog->resize(dialog->size().boundedTo(room));
    dialog->setProperty(kFittedSize, dialog->size());
}

// Once the dialog has placed itself: its frame moved onto the screen where it
// reaches past an edge (the dialog's own placement may not allow for the frame,
// and one placed before may lie on a screen that is gone or smaller now).
void KeepOnScreen(QDialog *dialog)
{
    const QRect screen = ScreenArea(dialog);
    if (screen.isEmpty())
        return;
    QRect frame(dialog->pos(), dialog->size() + FrameRoom(dialog));
    frame.moveRight(qMin(frame.right(), screen.right()));
    frame.moveBottom(qMin(frame.bottom(), screen.bottom()));
    frame.moveLeft(qMax(frame.left(), screen.left()));
    frame.moveTop(qMax(frame.top(), screen.top()));
    if (frame.topLeft() != dialog->pos())
        dialog->move(frame.topLeft());
}

void Remember(const QDialog *dialog)
{
    const QVariant fitted = dialog->property(kFittedSize);
    if (fitted.isValid() && fitted.toSize() != dialog->size() && IsResizable(dialog))
        UserSettings::SetDialogSize(SizeKey(dialog), dialog->size());
}

} // namespace

void DialogFit::installForApplication()
{
    static QPointer<DialogFit> installed;
    if (installed || !qApp)
        return;
    installed = new DialogFit(qApp);
    qApp->installEventFilter(installed);
}

QWidget *DialogFit::scrolled(QWidget *content, QWidget *parent)
{
    auto *area = new QScrollArea(parent);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(content);
    return area;
}

bool DialogFit::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::ShowToParent && type != QEvent::Hide)
        return false;
    auto *dialog = qobject_cast<QDialog *>(watched);
    if (!dialog || !dialog->isWindow() || event->spontaneous())
        return false;
    if (type == QEvent::Show)
        FitSize(dialog);
    else if (type == QEvent::ShowToParent)
        KeepOnScreen(dialog);
    else
        Remember(dialog);
    return false;
}
