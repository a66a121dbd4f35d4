#include "dialogview/checkplandlg.h"

#include "channels/channelplan.h"
#include "document/programdoc.h"
#include "settings/language.h"
#include "uiservices/dialoghelp.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kCheckPlanHelp = 32831; // F1: the help of View > Check Channel Plan
constexpr int kRecordRole = Qt::UserRole;
constexpr int kColumnRole = Qt::UserRole + 1;
constexpr int kProblemColumn = 3;

int ColumnOf(PlanProblemKind kind)
{
    return kind == PlanProblemKind::DuplicateName ? kColName : kColRx;
}

// Measures an item at the width of its column, so that a text that wraps gets
// the lines it needs (a tree view asks for the height without a width).
class ColumnWidthDelegate : public QStyledItemDelegate
{
public:
    explicit ColumnWidthDelegate(QTreeView *view)
        : QStyledItemDelegate(view)
        , m_view(view)
    { }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem sized = option;
        sized.rect = QRect(0, 0, m_view->columnWidth(index.column()), 1);
        return QStyledItemDelegate::sizeHint(sized, index);
    }

private:
    QTreeView *m_view;
};

} // namespace

CCheckPlanDlg::CCheckPlanDlg(CProgramDoc *document, QWidget *parent)
    : QDialog(parent)
    , m_document(document)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(LangText("Check Channel Plan", "检查信道表"));
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    m_list = new QTreeWidget(this);
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    // A problem's text wraps within its column, whatever the window's width:
    // the rows take their heights anew when a column's width changes.
    m_list->setWordWrap(true);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setItemDelegateForColumn(kProblemColumn, new ColumnWidthDelegate(m_list));
    connect(m_list->header(), &QHeaderView::sectionResized, m_list,
        [this] { m_list->doItemsLayout(); });
    m_list->setHeaderLabels({LangText("CH", "信道"), LangText("Severity", "级别"),
        LangText("Kind", "类别"), LangText("Problem", "问题")});
    connect(m_list, &QTreeWidget::itemActivated, this, &CCheckPlanDlg::onItemActivated);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(LangText("Close", "关闭"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    DialogHelp::InstallF1(this, kCheckPlanHelp);

    if (document) {
        connect(document, &CProgramDoc::rowsChanged, this, &CCheckPlanDlg::refresh);
        connect(document, &CProgramDoc::bandsChanged, this, &CCheckPlanDlg::refresh);
        connect(document, &CProgramDoc::stateReset, this, &CCheckPlanDlg::refresh);
        connect(document, &QObject::destroyed, this, &QWidget::close);
    }
    refresh();
    resize(720, 420);
}

CProgramDoc *CCheckPlanDlg::document() const
{
    return m_document;
}

void CCheckPlanDlg::refresh()
{
    m_list->clear();
    if (!m_document)
        return;
    const QList<PlanProblem> problems
        = CheckChannelPlan(m_document->rows(), LimitsOf(m_document->bands()), g_bChinese);
    int errors = 0;
    for (const PlanProblem &p : problems) {
        const bool error = p.severity == PlanSeverity::Error;
        errors += error ? 1 : 0;
        auto *item = new QTreeWidgetItem(m_list,
            {RowLabel(p.record).trimmed(), PlanSeverityText(p.severity, g_bChinese),
                PlanKindText(p.kind, g_bChinese), p.text});
        item->setIcon(1,
            QApplication::style()->standardIcon(
                error ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxWarning));
        item->setToolTip(kProblemColumn, p.text);
        item->setData(0, kRecordRole, p.record);
        item->setData(0, kColumnRole, ColumnOf(p.kind));
    }
    // The columns before the problem's text take their texts' widths; the
    // problem's text has the rest.
    for (int column = 0; column < kProblemColumn; ++column)
        m_list->resizeColumnToContents(column);
    m_list->setVisible(!problems.isEmpty());
    m_summary->setText(problems.isEmpty()
            ? LangText("The channel plan has no problems.", "信道表没有问题。")
            : LangText("Errors: %1, warnings: %2. Double-click a problem to go to its channel.",
                "错误：%1，警告：%2。双击问题可转到该信道。")
                  .arg(errors)
                  .arg(problems.size() - errors));
}

void CCheckPlanDlg::onItemActivated(QTreeWidgetItem *item)
{
    const QVariant record = item->data(0, kRecordRole);
    if (record.isValid())
        Q_EMIT channelActivated(record.toInt(), item->data(0, kColumnRole).toInt());
}
