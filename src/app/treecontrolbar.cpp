#include "app/treecontrolbar.h"

#include "settings/language.h"
#include "theme/theme.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QRubberBand>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

CTreeControlBar::CTreeControlBar(QMainWindow *frame)
    : QDockWidget(frame)
    , m_frame(frame)
{
    setObjectName(QStringLiteral("IE Control Bar"));
    setWindowTitle(tr("IE Control Bar"));
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    setAllowedAreas(Qt::LeftDockWidgetArea);

    m_font = QFont(QStringLiteral("Time New Roman"));
    m_font.setPixelSize(14);
    m_font.setWeight(QFont::Normal);
    setFont(m_font);

    m_strCaption = LanguageValue(QStringLiteral("company"));
    setTitleBarWidget(createTitleBar());

    auto *body = new QWidget(this);
    auto *row = new QHBoxLayout(body);
    row->setContentsMargins(3, 3, 0, 6);
    row->setSpacing(0);
    m_pTree = new QTreeWidget(body);
    m_pTree->setObjectName(QStringLiteral("navigationTree"));
    m_pTree->setProperty("helpId", 1032);
    m_pTree->setHeaderHidden(true);
    m_pTree->setRootIsDecorated(true);
    m_pTree->setFont(m_font);
    m_pTree->setMinimumWidth(0);
    m_pTree->viewport()->installEventFilter(this);
    row->addWidget(m_pTree, 1);

    m_sizingStrip = new QWidget(body);
    m_sizingStrip->setObjectName(QStringLiteral("sizingStrip"));
    m_sizingStrip->setFixedWidth(kSizingStripWidth);
    m_sizingStrip->setCursor(Qt::SplitHCursor);
    m_sizingStrip->installEventFilter(this);
    row->addWidget(m_sizingStrip);
    setWidget(body);

    m_trackLine = new QRubberBand(QRubberBand::Line, frame);
    setFixedWidth(m_nWidth);
}

QWidget *CTreeControlBar::createTitleBar()
{
    auto *bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("controlBarCaption"));
    bar->setFrameShape(QFrame::StyledPanel);
    bar->setFixedHeight(kCaptionHeight + 4);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(5, 0, 2, 0);
    m_captionLabel = new QLabel(m_strCaption, bar);
    m_captionLabel->setFont(m_font);
    m_captionLabel->setMinimumWidth(0);
    m_captionLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(m_captionLabel, 1);

    m_closeButton = new QToolButton(bar);
    m_closeButton->setObjectName(QStringLiteral("controlBarClose"));
    m_closeButton->setAutoRaise(true);
    m_closeButton->setIcon(Theme::GlyphIcon(QStringLiteral(":/icons/close.svg")));
    m_closeButton->setIconSize(QSize(16, 16));
    m_closeButton->setFixedSize(18, 18);
    m_closeButton->setToolTip(tr("Close"));
    connect(m_closeButton, &QToolButton::clicked, this, &QWidget::hide);
    layout->addWidget(m_closeButton);
    return bar;
}

QTreeWidgetItem *CTreeControlBar::rootItem() const
{
    return m_pTree->topLevelItemCount() > 0 ? m_pTree->topLevelItem(0) : nullptr;
}

void CTreeControlBar::populate(const QString &rootLabel)
{
    m_pTree->clear();
    auto *root = new QTreeWidgetItem(m_pTree, {rootLabel});
    new QTreeWidgetItem(root, {LangText("Channel Information", "信道信息")});
    new QTreeWidgetItem(root, {LangText("Optional Features", "可选功能")});
    root->setExpanded(true);
}

int CTreeControlBar::halfFrameWidth() const
{
    return m_frame->width() / 2;
}

int CTreeControlBar::trackingX(int x) const
{
    return qMin(qMax(x, kMinimumTrackX), halfFrameWidth());
}

int CTreeControlBar::widthForRelease(int x) const
{
    if (x < kMinimumWidth)
        return kMinimumWidth;
    return qMin(x, halfFrameWidth());
}

void CTreeControlBar::beginSizing()
{
    m_bSizing = true;
}

void CTreeControlBar::trackSizing(int x)
{
    if (!m_bSizing)
        return;
    const QPoint top = mapTo(m_frame, QPoint(trackingX(x), 0));
    m_trackLine->setGeometry(top.x(), top.y(), 3, qMax(1, height() - 43));
    m_trackLine->show();
}

void CTreeControlBar::endSizing(int x)
{
    m_trackLine->hide();
    if (!m_bSizing)
        return;
    m_bSizing = false;
    m_nWidth = widthForRelease(x);
    setFixedWidth(m_nWidth);
}

bool CTreeControlBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_sizingStrip) {
        const auto *mouse = dynamic_cast<QMouseEvent *>(event);
        if (!mouse)
            return QDockWidget::eventFilter(watched, event);
        const auto xInBar = [&] { return mapFromGlobal(mouse->globalPosition().toPoint()).x(); };
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (mouse->button() == Qt::LeftButton)
                beginSizing();
            return true;
        case QEvent::MouseMove:
            trackSizing(xInBar());
            return true;
        case QEvent::MouseButtonRelease:
            if (mouse->button() == Qt::LeftButton)
                endSizing(xInBar());
            return true;
        default:
            break;
        }
    } else if (watched == m_pTree->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        QTreeWidgetItem *item = m_pTree->itemAt(mouse->position().toPoint());
        Q_EMIT treeDoubleClicked(item ? item->text(0) : QString());
        // The tree's own handling of this click moves the selection after us, so
        // the root is selected again once the click has been dealt with.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (QTreeWidgetItem *root = rootItem())
                    m_pTree->setCurrentItem(root);
            },
            Qt::QueuedConnection);
    }
    return QDockWidget::eventFilter(watched, event);
}
