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
// dialog or, before it has a frame, on its parent's window.
QSize FrameRoom(const QDialog *dialog)
{
    const QWindow *window = dialog->windowHandle();
    if ((!window || !window->isVisible()) && dialog->parentWidget())
        window = dialog->parentWidget()->window()->windowHandle();
    if (!window || !window->isVisible())
        return QSize(0, 0);
    const QMargins margins = window->frameMargins();
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

// The top-left corner of the dialog's frame: where it was placed, or centred on
// its parent's window (on the screen without one), moved into screen.
QPoint FramePosition(const QDialog *dialog, const QRect &screen, const QSize &room)
{
    QRect placed(dialog->pos(), dialog->size() + room);
    if (!dialog->testAttribute(Qt::WA_Moved)) {
        const QWidget *parent = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
        placed.moveCenter(
            parent && parent->isVisible() ? parent->frameGeometry().center() : screen.center());
    }
    placed.moveRight(qMin(placed.right(), screen.right()));
    placed.moveBottom(qMin(placed.bottom(), screen.bottom()));
    placed.moveLeft(qMax(placed.left(), screen.left()));
    placed.moveTop(qMax(placed.top(), screen.top()));
    return placed.topLeft();
}

void Fit(QDialog *dialog)
{
    const QRect screen = ScreenArea(dialog);
    if (screen.isEmpty())
        return;
    const QSize room = FrameRoom(dialog);
    if (IsResizable(dialog)) {
        const QSize remembered = UserSettings::DialogSize(SizeKey(dialog));
        if (remembered.isValid())
            dialog->resize(remembered.expandedTo(dialog->minimumSize()));
    }
    dialog->resize(dialog->size().boundedTo(screen.size() - room));
    dialog->setProperty(kFittedSize, dialog->size());
    // Placed here rather than by the dialog itself, which does not allow for
    // the frame around it.
    dialog->move(FramePosition(dialog, screen, room));
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
    if (event->type() != QEvent::Show && event->type() != QEvent::Hide)
        return false;
    auto *dialog = qobject_cast<QDialog *>(watched);
    if (!dialog || !dialog->isWindow() || event->spontaneous())
        return false;
    if (event->type() == QEvent::Show)
        Fit(dialog);
    else
        Remember(dialog);
    return false;
}
