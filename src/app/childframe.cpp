#include "app/childframe.h"

#include "channelview/programview.h"
#include "document/programdoc.h"
#include "grid/hintstyle.h"
#include "link/comport.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenu>
#include <QScrollArea>

CChildFrame::CChildFrame(CProgramDoc *document, QWidget *parent)
    : QMdiSubWindow(parent)
    , m_document(document)
{
    m_document->setParent(this);
    // Every new document window takes the port stored by the COM Setup dialog.
    LoadComPortFromSettings();
    m_view = new CProgramView(m_document, this);
    // A window smaller than the form (a small screen, a large scale factor)
    // scrolls it, so nothing of it is out of reach.
    auto *scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(m_view);
    scroller->setFocusProxy(m_view);
    setWidget(scroller);
    updateTitle();
    connect(m_document, &CProgramDoc::modifiedChanged, this, &QWidget::setWindowModified);
    setWindowIcon(QIcon(QStringLiteral(":/icons/document.svg")));
    setAttribute(Qt::WA_DeleteOnClose, false);
    // A maximised document window keeps its own title bar. Otherwise Qt moves its
    // buttons into the menu bar and writes the document's name into the main
    // window's title, which shows only the product name and the radio type.
    setStyle(StyleWithHint(QStyle::SH_Workspace_FillSpaceOnMaximize, 1));
    // The window menu's own shortcuts (Ctrl+W for Close among them) would make
    // Program > Write's Ctrl+W ambiguous, so neither would run.
    if (QMenu *menu = systemMenu()) {
        for (QAction *action : menu->actions())
            action->setShortcut(QKeySequence());
    }
}

void CChildFrame::commitPendingEdits()
{
    m_view->PullIntoImage();
}

void CChildFrame::closeEvent(QCloseEvent *event)
{
    // The document stays open; Channel Information shows the window again.
    event->ignore();
    if (isHidden() || !m_closeGuard || m_closeGuard(this))
        hide();
}

void CChildFrame::showEvent(QShowEvent *event)
{
    QMdiSubWindow::showEvent(event);
    Q_EMIT shownChanged();
}

void CChildFrame::hideEvent(QHideEvent *event)
{
    QMdiSubWindow::hideEvent(event);
    Q_EMIT shownChanged();
}

void CChildFrame::updateTitle()
{
    setWindowTitle(m_document->title() + QStringLiteral("[*]"));
    setWindowModified(m_document->IsModified());
}

void CChildFrame::fitToView()
{
    // The form's own size plus the window's title bar and frame (the scroll
    // area's hint would cap the form at a few hundred pixels).
    const QSize frame = sizeHint() - widget()->sizeHint();
    QSize size = (m_view->sizeHint() + frame).boundedTo(QSize(kMaxWidth, kMaxHeight));
    if (QMdiArea *area = mdiArea(); area && area->isVisible())
        size = size.boundedTo(area->viewport()->size());
    setGeometry(0, 0, size.width(), size.height());
}
