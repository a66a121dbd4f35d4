#include "childframe.h"

#include "programdoc.h"
#include "programview.h"

#include <QCloseEvent>

CChildFrame::CChildFrame(CProgramDoc *document, QWidget *parent)
    : QMdiSubWindow(parent)
    , m_document(document)
{
    m_document->setParent(this);
    m_view = new CProgramView(m_document, this);
    setWidget(m_view);
    setWindowTitle(m_document->title());
    setWindowIcon(QIcon(QStringLiteral(":/icons/document.svg")));
    setAttribute(Qt::WA_DeleteOnClose, false);
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
