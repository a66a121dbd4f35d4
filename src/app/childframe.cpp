#include "childframe.h"

#include "comport.h"
#include "programdoc.h"
#include "programview.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

CChildFrame::CChildFrame(CProgramDoc *document, QWidget *parent)
    : QMdiSubWindow(parent)
    , m_document(document)
{
    m_document->setParent(this);
    // Every new document window takes the port stored by the COM Setup dialog.
    LoadComPortFromSettings();
    m_view = new CProgramView(m_document, this);
    setWidget(m_view);
    setWindowTitle(m_document->title());
    setWindowIcon(QIcon(QStringLiteral(":/icons/document.svg")));
    setAttribute(Qt::WA_DeleteOnClose, false);
    // The window menu's own shortcuts (Ctrl+W for Close among them) would make
    // Program > Write's Ctrl+W ambiguous, so neither would run.
    if (QMenu *menu = systemMenu()) {
        for (QAction *action : menu->actions())
            action->setShortcut(QKeySequence());
    }
}

void CChildFrame::closeEvent(QCloseEvent *event)
{
    // The document stays open; Channel Information shows the window again.
    event->ignore();
    hide();
}

void CChildFrame::fitToView()
{
    const QSize hint = sizeHint();
    setGeometry(0, 0, qMin(hint.width(), kMaxWidth), qMin(hint.height(), kMaxHeight));
}
