#include "programview.h"

#include "bandlimitboxes.h"
#include "channeldelegate.h"
#include "channelgrid.h"
#include "channeltablemodel.h"
#include "gridsetup.h"
#include "inifile.h"
#include "language.h"
#include "messages.h"
#include "productcodec.h"
#include "programdoc.h"
#include "tonetable.h"
#include "uiservices.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QVBoxLayout>

namespace {

constexpr double kLabelWidthFactor = 0.43;
const QVector<double> kColumnWidthFactors = {1.1, 1.1, 1.0, 1.0, 0.9, 0.9, 0.9, 0.9, 1.1};
constexpr int kGridHelpId = 1000;
constexpr int kVisibleRows = 16; // rows the form shows at its preferred size

} // namespace

CProgramView::CProgramView(CProgramDoc *document, QWidget *parent)
    : QWidget(parent)
    , m_document(document)
    , m_tones(std::make_unique<ToneTable>(g_bChinese))
{
    m_bands = new BandLimitBoxes(this);
    m_model = new ChannelTableModel(g_bChinese, this);
    m_grid = new ChannelGrid(this);
    m_grid->setObjectName(QStringLiteral("channelGrid"));
    m_grid->setProperty("helpId", kGridHelpId);
    m_grid->setModel(m_model);
    m_delegate = new ChannelDelegate(m_tones.get(), g_bChinese, m_grid);
    m_grid->setChannelDelegate(m_delegate);
    GridSetup::apply(m_grid);
    GridSetup::setWidthFactors(m_grid, kLabelWidthFactor, kColumnWidthFactors);
    GridSetup::setCornerText(m_grid, ChannelTableModel::columnHeader(-1, g_bChinese));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(8);
    layout->addWidget(m_bands);
    layout->addWidget(m_grid, 1);
    setFocusProxy(m_grid);

    connect(m_grid, &ChannelGrid::cellLeaving, this, [this] { commitOpenEditor(CellExit::Move); });
    connect(m_grid, &ChannelGrid::enterPressed, this, &CProgramView::enterPressed);
    connect(m_grid, &ChannelGrid::tabPressed, this, &CProgramView::tabPressed);
    connect(m_bands, &BandLimitBoxes::boxLeft, this, &CProgramView::bandBoxLeft);
    if (document) {
        connect(document, &CProgramDoc::aboutToSave, this, &CProgramView::PullIntoImage);
        connect(document, &CProgramDoc::imageReplaced, this, &CProgramView::RefreshFromImage);
    }
}

CProgramView::~CProgramView()
{
    // Closing the window moves the focus out of a band box; no longer of interest here.
    m_bands->disconnect(this);
    // The editors read the tone table; let them go before it does.
    delete m_grid;
}

CProgramDoc *CProgramView::GetDocument() const
{
    return m_document;
}

void CProgramView::OnInitialUpdate()
{
    loadFrameIcon();
    RefreshFromImage();
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
    // The image replaces the working copy: an open editor is dropped, not committed.
    const bool hadEditor = m_grid->openEditor() != nullptr;
    m_grid->closeOpenEditor();

    MemoryImage &image = m_document->image();
    m_storedBoxes = DecodeBands(image);
    m_bands->setBoxes(m_storedBoxes);

    QVector<ChannelTexts> rows(ImageMap::kChannelCount);
    for (int record = 0; record < ImageMap::kChannelCount; ++record)
        rows[record] = DecodeChannel(image, record, g_bChinese);
    m_model->setAllRows(rows);

    // After the grid took the names: the product range shares its bytes with the
    // name slot of record 106.
    ApplyProductSelection(image, g_iniFile, g_bNewImage);
    UiServices::setMainTitle(LanguageValue(QStringLiteral("AppName")));

    if (hadEditor)
        m_grid->openCurrentEditor();
}

void CProgramView::PullIntoImage()
{
    if (!m_document)
        return;
    CommitEditor();
    MemoryImage &image = m_document->image();
    const MemoryImage before = image;
    m_storedBoxes = m_bands->boxes();
    EncodeBands(image, m_storedBoxes);
    for (int record = 0; record < ImageMap::kChannelCount; ++record)
        EncodeChannel(image, record, m_model->rowTexts(record));
    if (image != before)
        m_document->SetModifiedFlag(true);
}

void CProgramView::CommitEditor()
{
    commitOpenEditor(CellExit::Move);
}

bool CProgramView::commitOpenEditor(CellExit exit)
{
    QWidget *editor = m_grid->openEditor();
    if (!editor || m_committing)
        return false;
    m_committing = true;
    const QModelIndex index = m_grid->openEditorIndex();
    const CellCommit result = CommitCellText(m_model->rowTexts(index.row()), index.column(),
        ChannelDelegate::editorText(editor), exit, BandLimits, g_bChinese);
    if (result.message)
        showMessage(result.message);
    if (m_model->setRowTexts(index.row(), result.row) && m_document)
        m_document->SetModifiedFlag(true);
    // A message box takes the focus from the editor; when the editor goes the
    // keyboard belongs to the grid again, even before the window is active again.
    const bool editorHadFocus = window()->focusWidget() == m_grid->openEditor();
    m_grid->closeOpenEditor();
    if (editorHadFocus)
        m_grid->setFocus();
    m_committing = false;
    return result.stay;
}

void CProgramView::showMessage(int id)
{
    UiServices::message(
        this, MessageText(kMsgCaution), MessageText(id), QMessageBox::Warning, QMessageBox::Ok);
}

void CProgramView::enterPressed()
{
    if (commitOpenEditor(CellExit::Enter))
        return;
    const QModelIndex current = m_grid->currentIndex();
    int row = current.isValid() ? current.row() : 0;
    int column = current.isValid() ? current.column() + 1 : 0;
    if (column >= kChannelColumns) {
        column = 0;
        row = row + 1 < m_model->rowCount() ? row + 1 : 0;
    }
    m_grid->setCurrentIndex(m_model->index(row, column));
    m_grid->openCurrentEditor();
}

void CProgramView::tabPressed(bool backward)
{
    const QModelIndex current = m_grid->currentIndex();
    const int cells = m_model->rowCount() * kChannelColumns;
    int cell = current.isValid() ? current.row() * kChannelColumns + current.column() : -1;
    cell = (cell + (backward ? cells - 1 : 1)) % cells;
    m_grid->setCurrentIndex(m_model->index(cell / kChannelColumns, cell % kChannelColumns));
    m_grid->openCurrentEditor();
}

void CProgramView::bandBoxLeft()
{
    if (!(m_bands->boxes() == m_storedBoxes) && m_document)
        m_document->SetModifiedFlag(true);
}

QVector<ChannelTexts> CProgramView::gridRows() const
{
    return m_model->rows();
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
        UiServices::help(helpIdOf(QApplication::focusWidget()));
        return;
    }
    QWidget::keyPressEvent(event);
}

QSize CProgramView::sizeHint() const
{
    const QMargins margins = layout()->contentsMargins();
    const int width = qMax(m_bands->sizeHint().width(), GridSetup::fullWidth(m_grid));
    const int height = m_bands->sizeHint().height() + layout()->spacing()
        + GridSetup::heightForRows(m_grid, kVisibleRows);
    return QSize(
        width + margins.left() + margins.right(), height + margins.top() + margins.bottom());
}
