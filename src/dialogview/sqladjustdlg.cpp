#include "dialogview/sqladjustdlg.h"

#include "codecs/squelchcodec.h"
#include "dialogview/latestlinklog.h"
#include "dialogview/portmessages.h"
#include "dialogview/squelchdelegate.h"
#include "dialogview/transferguard.h"
#include "document/programdoc.h"
#include "grid/gridsetup.h"
#include "link/comport.h"
#include "link/openradioport.h"
#include "link/squelchtransfer.h"
#include "settings/language.h"
#include "uiservices/dialoghelp.h"
#include "uiservices/uiservices.h"

#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace {

constexpr int kVhfGridId = 1003;
constexpr int kUhfGridId = 1001;
constexpr int kReadId = 1006;
constexpr int kWriteId = 1007;
// 500 and 1500 twips at 96 pixels per inch.
constexpr int kNumberColumnWidth = 34;
constexpr int kValueColumnWidth = 100;

QStringList ColumnTexts(const QTableWidget *grid)
{
    QStringList texts;
    for (int row = 0; row < grid->rowCount(); ++row) {
        const QTableWidgetItem *item = grid->item(row, 0);
        texts << (item ? item->text() : QString());
    }
    return texts;
}

void SetColumnTexts(QTableWidget *grid, const QStringList &texts)
{
    for (int row = 0; row < grid->rowCount() && row < texts.size(); ++row)
        grid->item(row, 0)->setText(texts.at(row));
}

} // namespace

CSqlAdjustDlg::CSqlAdjustDlg(CProgramDoc *document, QWidget *parent)
    : QDialog(parent)
    , m_document(document)
{
    setWindowTitle(LangText("Sql Adjust", "静噪调节"));
    m_vhfGrid = makeGrid(kVhfGridId, ImageMap::kVhfSquelchCount, QStringLiteral("VHF (0-127)"));
    m_uhfGrid = makeGrid(kUhfGridId, ImageMap::kUhfSquelchCount, QStringLiteral("UHF (0-127)"));

    auto *ok = new QPushButton(LangText("OK", "确定"), this);
    auto *cancel = new QPushButton(LangText("Cancel", "取消"), this);
    auto *read = new QPushButton(LangText("Read", "读"), this);
    auto *write = new QPushButton(LangText("Write", "写"), this);
    read->setObjectName(QStringLiteral("button%1").arg(kReadId));
    write->setObjectName(QStringLiteral("button%1").arg(kWriteId));
    DialogHelp::SetHelpId(ok, 1);
    DialogHelp::SetHelpId(cancel, 2);
    DialogHelp::SetHelpId(read, kReadId);
    DialogHelp::SetHelpId(write, kWriteId);
    // Enter belongs to the cell editor here; only a click on OK stores.
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    read->setAutoDefault(false);
    write->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(read, &QPushButton::clicked, this, &CSqlAdjustDlg::onRead);
    connect(write, &QPushButton::clicked, this, &CSqlAdjustDlg::onWrite);
    TransferGuard::Guard(ok, m_document);
    TransferGuard::Guard(read, m_document, true);
    TransferGuard::Guard(write, m_document, true);

    auto *buttons = new QGridLayout;
    buttons->addWidget(ok, 0, 0);
    buttons->addWidget(cancel, 0, 1);
    buttons->addWidget(read, 1, 0);
    buttons->addWidget(write, 1, 1);

    auto *layout = new QGridLayout(this);
    layout->setHorizontalSpacing(24);
    layout->addWidget(m_vhfGrid, 0, 0, Qt::AlignTop);
    layout->addLayout(buttons, 1, 0, Qt::AlignBottom);
    layout->addWidget(m_uhfGrid, 0, 1, 2, 1, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    loadGrids();
    DialogHelp::InstallF1(this);
}

QTableWidget *CSqlAdjustDlg::makeGrid(int id, int rows, const QString &heading)
{
    auto *grid = new QTableWidget(rows, 1, this);
    grid->setObjectName(QStringLiteral("grid%1").arg(id));
    DialogHelp::SetHelpId(grid, id);
    grid->setHorizontalHeaderLabels({heading});
    for (int row = 0; row < rows; ++row) {
        auto *number = new QTableWidgetItem(QString::number(row + 1));
        number->setTextAlignment(Qt::AlignCenter);
        grid->setVerticalHeaderItem(row, number);
        auto *value = new QTableWidgetItem;
        value->setTextAlignment(Qt::AlignCenter);
        grid->setItem(row, 0, value);
    }
    grid->setItemDelegate(new SquelchEntryDelegate(grid));
    GridSetup::apply(grid);
    grid->verticalHeader()->setFixedWidth(kNumberColumnWidth);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->setColumnWidth(0, kValueColumnWidth);
    grid->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked
        | QAbstractItemView::SelectedClicked | QAbstractItemView::AnyKeyPressed);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setFixedSize(kNumberColumnWidth + kValueColumnWidth + 2 * grid->frameWidth(),
        GridSetup::heightForRows(grid, rows));
    return grid;
}

void CSqlAdjustDlg::loadGrids()
{
    const SquelchTexts texts = LoadSquelchLevels(m_document->image());
    SetColumnTexts(m_vhfGrid, texts.vhf);
    SetColumnTexts(m_uhfGrid, texts.uhf);
}

void CSqlAdjustDlg::storeGrids()
{
    // An editor still open holds the latest typing: leaving its cell commits it.
    for (QTableWidget *grid : {m_vhfGrid, m_uhfGrid})
        grid->setCurrentIndex(QModelIndex());
    MemoryImage updated = m_document->image();
    StoreSquelchLevels(updated, {ColumnTexts(m_vhfGrid), ColumnTexts(m_uhfGrid)});
    m_document->changeBytes(updated, LangText("Change Sql Adjust", "修改静噪调整"));
}

void CSqlAdjustDlg::accept()
{
    storeGrids();
    QDialog::accept();
}

void CSqlAdjustDlg::showOutcome(const Status &outcome, bool writeDirection)
{
    QString text = SquelchMessage(outcome, writeDirection);
    if (IsPortOpenFailure(outcome))
        text = PortOpenFailureText(text, g_strComPort, outcome);
    const QMessageBox::Icon icon = outcome.ok() ? QMessageBox::Information : QMessageBox::Warning;
    UiServices::message(this, QString(), text, icon);
}

// The block transfer is short (a few dozen bytes at 9600 baud, about a second
// when the radio stays silent), so it runs here with a busy cursor.
void CSqlAdjustDlg::onRead()
{
    MemoryImage staging = m_document->image();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::shared_ptr<LinkTrace> log = StartLinkLog(); // held until the transfer ends
    const Status outcome = ReadSquelchBlock(g_strComPort, staging, {}, log.get());
    QApplication::restoreOverrideCursor();
    if (outcome.ok())
        m_document->changeBytes(staging, LangText("Read squelch levels", "读静噪数据"));
    showOutcome(outcome, false);
    if (outcome.ok())
        loadGrids();
}

void CSqlAdjustDlg::onWrite()
{
    storeGrids();
    const MemoryImage image = m_document->image();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::shared_ptr<LinkTrace> log = StartLinkLog();
    const Status outcome = WriteSquelchBlock(g_strComPort, image, {}, log.get());
    QApplication::restoreOverrideCursor();
    showOutcome(outcome, true);
}
