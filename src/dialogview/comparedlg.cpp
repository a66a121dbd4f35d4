#include "dialogview/comparedlg.h"

#include "dialogview/groupedtree.h"
#include "settings/language.h"
#include "uiservices/dialoghelp.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kCompareWithHelp = 32811; // F1: the help of File > Compare With
constexpr int kRecordRole = Qt::UserRole;
constexpr int kColumnRole = Qt::UserRole + 1;

QTreeWidgetItem *AddGroup(QTreeWidget *tree, DiffGroup group, int count)
{
    return GroupedTree::AddGroup(tree, int(group), DiffGroupTitle(group, g_bChinese), count);
}

QTreeWidgetItem *AddLine(
    QTreeWidgetItem *group, const QString &what, const QString &a, const QString &b)
{
    return new QTreeWidgetItem(
        group, {what, DiffValueText(a, g_bChinese), DiffValueText(b, g_bChinese)});
}

} // namespace

CCompareDlg::CCompareDlg(
    const ImageDiff &diff, const QString &documentName, const QString &otherName, QWidget *parent)
    : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(LangText("Compare With %1", "与 %1 比较").arg(otherName));
    const int count = int(diff.channels.size() + diff.settings.size() + diff.otherBytes.size());
    m_summary = new QLabel(diff.same()
            ? LangText("The document \"%1\" and \"%2\" hold the same data.",
                "文档“%1”与“%2”的数据完全相同。")
                  .arg(documentName, otherName)
            : LangText("The document \"%1\" and \"%2\" differ in %3 places. Double-click a "
                       "channel to go to it in the table.",
                "文档“%1”与“%2”有 %3 处不同。双击信道可转到表格中的该信道。")
                  .arg(documentName, otherName)
                  .arg(count),
        this);
    m_summary->setWordWrap(true);

    m_tree = new QTreeWidget(this);
    m_tree->setHeaderLabels({QString(), LangText("This document", "本文档"), otherName});
    m_tree->setAllColumnsShowFocus(true);
    m_tree->setVisible(!diff.same());
    if (!diff.channels.isEmpty()) {
        QTreeWidgetItem *group = AddGroup(m_tree, DiffGroup::Channels, int(diff.channels.size()));
        for (const ChannelDifference &c : diff.channels) {
            QTreeWidgetItem *item = AddLine(
                group, LangText("Channel %1, %2", "信道%1，%2").arg(c.channel, c.field), c.a, c.b);
            item->setData(0, kRecordRole, c.record);
            item->setData(0, kColumnRole, c.column);
        }
    }
    if (!diff.settings.isEmpty()) {
        QTreeWidgetItem *group = AddGroup(m_tree, DiffGroup::Settings, int(diff.settings.size()));
        for (const SettingDifference &s : diff.settings)
            AddLine(group, s.name, s.a, s.b);
    }
    if (!diff.otherBytes.isEmpty()) {
        QTreeWidgetItem *group
            = AddGroup(m_tree, DiffGroup::OtherBytes, int(diff.otherBytes.size()));
        for (const ByteRangeDifference &r : diff.otherBytes)
            AddLine(group, ByteRangeText(r), ByteValuesText(r.a), ByteValuesText(r.b));
    }
    m_tree->expandAll();
    for (int column = 0; column < m_tree->columnCount(); ++column)
        m_tree->resizeColumnToContents(column);
    connect(m_tree, &QTreeWidget::itemActivated, this, &CCompareDlg::onItemActivated);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(LangText("Close", "关闭"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_tree, 1);
    layout->addWidget(buttons);
    DialogHelp::InstallF1(this, kCompareWithHelp);
    resize(640, diff.same() ? 140 : 480);
}

QTreeWidgetItem *CCompareDlg::group(DiffGroup kind) const
{
    return GroupedTree::Group(m_tree, int(kind));
}

void CCompareDlg::onItemActivated(QTreeWidgetItem *item)
{
    const QVariant record = item->data(0, kRecordRole);
    if (record.isValid())
        Q_EMIT channelActivated(record.toInt(), item->data(0, kColumnRole).toInt());
}
