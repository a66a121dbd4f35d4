#include "channelview/programview.h"

#include "channels/channelcolumns.h"
#include "channelview/bandlimitboxes.h"
#include "channelview/channeldelegate.h"
#include "channelview/channelfindbar.h"
#include "channelview/channelgrid.h"
#include "channelview/channelrowcommands.h"
#include "channelview/channeltablemodel.h"
#include "document/programdoc.h"
#include "grid/columnstretcher.h"
#include "grid/gridsetup.h"
#include "settings/language.h"
#include "settings/messages.h"
#include "settings/usersettings.h"
#include "uiservices/uiservices.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QVBoxLayout>

namespace {

constexpr int kGridHelpId = 1000;
constexpr int kVisibleRows = 16; // rows the form shows at its preferred size

QVector<double> ColumnWidthFactors()
{
    QVector<double> factors;
    for (int column = 0; column < kChannelColumns; ++column)
        factors << ChannelColumnAt(column).widthFactor;
    return factors;
}

} // namespace

CProgramView::CProgramView(CProgramDoc *document, QWidget *parent)
    : QWidget(parent)
    , m_document(document)
{
    m_bands = new BandLimitBoxes(this);
    m_model = new ChannelTableModel(document, g_bChinese, this);
    m_grid = new ChannelGrid(this);
    m_grid->setObjectName(QStringLiteral("channelGrid"));
    m_grid->setProperty("helpId", kGridHelpId);
    m_grid->setModel(m_model);
    m_grid->setChannelDelegate(new ChannelDelegate(g_bChinese, m_grid));
    GridSetup::Apply(m_grid);
    GridSetup::SetWidthFactors(m_grid, kLabelColumnWidthFactor, ColumnWidthFactors());
    new ColumnStretcher(m_grid); // the columns share what the window is wider than they are
    GridSetup::SetCornerText(m_grid, ColumnHeader(-1, g_bChinese));
    m_grid->enableRowSelection();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(8);
    layout->addWidget(m_bands);
    m_find = new ChannelFindBar(m_grid, this);
    layout->addWidget(m_find);
    layout->addWidget(m_grid, 1);
    setFocusProxy(m_grid);

    // The message of a refused cell waits until the commit is over: a message box
    // opened from inside the commit would run events while the editor and the
    // current cell are half way.
    connect(m_model, &ChannelTableModel::entryRefused, this, &CProgramView::showMessage,
        Qt::QueuedConnection);
    connect(m_model, &ChannelTableModel::channelCleared, this,
        [this](int record) { Q_EMIT statusMessage(ChannelRowCommands::clearedText({record})); });
    setUpRowCommands();
    setUpFind();
    connect(m_bands, &BandLimitBoxes::boxLeft, this, &CProgramView::commitBands);
    if (document) {
        connect(document, &CProgramDoc::stateReset, this, &CProgramView::RefreshFromImage);
        connect(document, &CProgramDoc::bandsChanged, this, &CProgramView::showBands);
        connect(document, &CProgramDoc::receivingChanged, this, &CProgramView::setReceiving);
        setReceiving(document->isReceiving());
        // After the change is through: a commit may be under way in the grid.
        connect(document, &CProgramDoc::rowsChanged, this, &CProgramView::applyHiddenRows,
            Qt::QueuedConnection);
        connect(document, &CProgramDoc::stateReset, this, &CProgramView::applyHiddenRows,
            Qt::QueuedConnection);
    }
    setHideEmptyChannels(UserSettings::HideEmptyChannels());
}

CProgramView::~CProgramView()
{
    // Closing the window moves the focus out of a band box, and a transfer dialog
    // that goes with the window releases the document; no longer of interest here.
    m_bands->disconnect(this);
    if (m_document)
        m_document->disconnect(this);
    delete m_grid;
}

CProgramDoc *CProgramView::document() const
{
    return m_document;
}

void CProgramView::initialUpdate()
{
    loadFrameIcon();
    RefreshFromImage();
}

void CProgramView::setUpRowCommands()
{
    m_rows = new ChannelRowCommands(m_document, m_grid, this);
    connect(m_rows, &ChannelRowCommands::statusMessage, this, &CProgramView::statusMessage);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        m_rows->showContextMenu(m_grid->viewport()->mapToGlobal(pos));
    });
    // A right click on a row label that is not selected selects that row first.
    QHeaderView *labels = m_grid->verticalHeader();
    labels->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(labels, &QWidget::customContextMenuRequested, this, [this, labels](const QPoint &pos) {
        const int row = labels->logicalIndexAt(pos);
        if (row >= 0 && !m_grid->selectedRows().contains(row))
            m_grid->selectRows({row});
        m_rows->showContextMenu(labels->mapToGlobal(pos));
    });
}

void CProgramView::setUpFind()
{
    const struct
    {
        QKeySequence key;
        int step;
    } keys[] = {{QKeySequence::Find, 0}, {Qt::Key_F3, 1}, {Qt::SHIFT | Qt::Key_F3, -1}};
    for (const auto &key : keys) {
        auto *action = new QAction(this);
        action->setShortcut(key.key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, [this, step = key.step] {
            if (step == 0)
                m_find->open();
            else
                m_find->findNext(step);
        });
    }
}

void CProgramView::setHideEmptyChannels(bool hide)
{
    m_hideEmpty = hide;
    applyHiddenRows();
}

void CProgramView::applyHiddenRows()
{
    if (!m_document)
        return;
    for (int row = 0; row < ImageMap::kChannelCount; ++row) {
        const bool hidden = m_hideEmpty && m_document->rowTexts(row)[kColRx].isEmpty();
        if (m_grid->isRowHidden(row) != hidden)
            m_grid->setRowHidden(row, hidden);
    }
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid() || !m_grid->isRowHidden(current.row()))
        return;
    m_grid->closeOpenEditor();
    for (int step : {1, -1}) {
        for (int row = current.row() + step; row >= 0 && row < ImageMap::kChannelCount;
             row += step) {
            if (!m_grid->isRowHidden(row)) {
                m_grid->setCurrentIndex(m_model->index(row, current.column()));
                return;
            }
        }
    }
}

void CProgramView::loadFrameIcon()
{
    if (!QFileInfo::exists(QStringLiteral("title.ico")))
        return;
    const QIcon icon(QStringLiteral("title.ico"));
    if (icon.isNull())
        return;
    for (QWidget *w = parentWidget(); w; w = w->parentWidget()) {
        if (auto *frame = qobject_cast<QMdiSubWindow *>(w)) {
            frame->setWindowIcon(icon);
            return;
        }
    }
    if (isWindow())
        setWindowIcon(icon);
}

void CProgramView::RefreshFromImage()
{
    if (!m_document)
        return;
    // The document's table replaces what an open editor holds: it is dropped, not
    // committed, and opens again on the same cell with the new text.
    const bool hadEditor = m_grid->openEditor() != nullptr;
    m_grid->closeOpenEditor();
    showBands();
    UiServices::SetMainTitle(LanguageValue(QStringLiteral("AppName")));
    if (hadEditor)
        m_grid->openCurrentEditor();
}

void CProgramView::showBands()
{
    m_bands->setBoxes(m_document->bands());
    takeBands(m_document->bands());
}

void CProgramView::takeBands(const BandBoxes &boxes)
{
    SetBandLimits(boxes);
}

void CProgramView::PullIntoImage()
{
    m_grid->commitOpenEditor();
    // A box still being typed in goes in as it stands, without the clamping of
    // leaving it.
    commitBands();
    // The message of a refused cell comes before what the caller does next.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void CProgramView::setReceiving(bool receiving)
{
    for (int i = 0; i < 4; ++i)
        m_bands->box(BandBox(i))->setReadOnly(receiving);
    if (receiving)
        m_grid->closeOpenEditor();
    else if (m_grid->isVisible())
        m_grid->openCurrentEditor();
}

void CProgramView::showMessage(int id)
{
    UiServices::Message(
        this, MessageText(kMsgCaution), MessageText(id), QMessageBox::Warning, QMessageBox::Ok);
}

void CProgramView::commitBands()
{
    const BandBoxes boxes = m_bands->boxes();
    takeBands(boxes);
    if (m_document)
        m_document->setBands(boxes);
}

int CProgramView::helpIdOf(const QWidget *widget)
{
    for (; widget; widget = widget->parentWidget()) {
        const QVariant id = widget->property("helpId");
        if (id.isValid())
            return id.toInt();
    }
    return 0;
}

void CProgramView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        UiServices::Help(helpIdOf(QApplication::focusWidget()));
        return;
    }
    QWidget::keyPressEvent(event);
}

QSize CProgramView::sizeHint() const
{
    const QMargins margins = layout()->contentsMargins();
    const int width = qMax(m_bands->sizeHint().width(), GridSetup::FullWidth(m_grid));
    const int height = m_bands->sizeHint().height() + layout()->spacing()
        + GridSetup::HeightForRows(m_grid, kVisibleRows);
    return QSize(
        width + margins.left() + margins.right(), height + margins.top() + margins.bottom());
}
