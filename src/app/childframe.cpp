#include "childframe.h"

#include "comport.h"
#include "hintstyle.h"
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

void CChildFrame::closeEvent(QCloseEvent *event)
{
    // The document stays open; Channel Information shows the window again.
    event->ignore();
    hide();
}

void CChildFrame::updateTitle()
{
    setWindowTitle(m_document->title() + QStringLiteral("[*]"));
    setWindowModified(m_document->IsModified());
}

void CChildFrame::fitToView()
{
    const QSize hint = sizeHint();
    setGeometry(0, 0, qMin(hint.width(), kMaxWidth), qMin(hint.height(), kMaxHeight));
}
