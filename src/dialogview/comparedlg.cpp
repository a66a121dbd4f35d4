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
    , m_documentName(documentName)
    , m_otherName(otherName)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // A window of its own rather than one kept above the main window, so that a
    // document brought forward from it is not hidden behind it.
    setWindowFlags(Qt::Window);
    setWindowTitle(LangText("Compare With %1", "与 %1 比较").arg(otherName));
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);

    m_tree = new QTreeWidget(this);
    m_tree->setHeaderLabels({QString(), LangText("This document", "本文档"), otherName});
    m_tree->setAllColumnsShowFocus(true);
    connect(m_tree, &QTreeWidget::itemActivated, this, &CCompareDlg::onItemActivated);

    auto *buttons = new QDialogButtonBox(this);
    m_refresh = buttons->addButton(LangText("Refresh", "刷新"), QDialogButtonBox::ActionRole);
    m_refresh->setAutoDefault(false);
    connect(m_refresh, &QPushButton::clicked, this, &CCompareDlg::refreshRequested);
    buttons->addButton(LangText("Close", "关闭"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_tree, 1);
    layout->addWidget(buttons);
    DialogHelp::InstallF1(this, kCompareWithHelp);
    showDiff(diff);
    resize(640, diff.same() ? 140 : 480);
}

void CCompareDlg::showDiff(const ImageDiff &diff)
{
    const int count = int(diff.channels.size() + diff.settings.size() + diff.otherBytes.size());
    QString summary;
    if (diff.same())
        summary = LangText(
            "The document \"%1\" and \"%2\" hold the same data.", "文档“%1”与“%2”的数据完全相同。");
    else if (count == 1)
        summary = LangText("The document \"%1\" and \"%2\" differ in 1 place. Double-click a "
                           "channel to go to it in the table.",
            "文档“%1”与“%2”有 1 处不同。双击信道可转到表格中的该信道。");
    else
        summary = LangText("The document \"%1\" and \"%2\" differ in %3 places. Double-click a "
                           "channel to go to it in the table.",
            "文档“%1”与“%2”有 %3 处不同。双击信道可转到表格中的该信道。");
    summary = summary.arg(m_documentName, m_otherName);
    m_summary->setText(count > 1 ? summary.arg(count) : summary);

    // The line that was current stays current when it is still there.
    const QTreeWidgetItem *current = m_tree->currentItem();
    const QString currentText = current ? current->text(0) : QString();
    int currentGroup = -1;
    for (DiffGroup kind : {DiffGroup::Channels, DiffGroup::Settings, DiffGroup::OtherBytes}) {
        if (current && current->parent() && current->parent() == group(kind))
            currentGroup = int(kind);
    }
    m_tree->clear();
    m_tree->setVisible(!diff.same());
    fillTree(m_tree, diff);
    if (QTreeWidgetItem *kept = currentGroup < 0 ? nullptr : group(DiffGroup(currentGroup))) {
        for (int i = 0; i < kept->childCount(); ++i) {
            if (kept->child(i)->text(0) == currentText)
                m_tree->setCurrentItem(kept->child(i));
        }
    }
}

void CCompareDlg::fillTree(QTreeWidget *tree, const ImageDiff &diff)
{
    if (!diff.channels.isEmpty()) {
        QTreeWidgetItem *group = AddGroup(tree, DiffGroup::Channels, int(diff.channels.size()));
        for (const ChannelDifference &c : diff.channels) {
            QTreeWidgetItem *item = AddLine(
                group, LangText("Channel %1, %2", "信道%1，%2").arg(c.channel, c.field), c.a, c.b);
            item->setData(0, kRecordRole, c.record);
            item->setData(0, kColumnRole, c.column);
        }
    }
    if (!diff.settings.isEmpty()) {
        QTreeWidgetItem *group = AddGroup(tree, DiffGroup::Settings, int(diff.settings.size()));
        for (const SettingDifference &s : diff.settings) {
            QTreeWidgetItem *item = AddLine(group, s.name, s.a, s.b);
            if (s.setAtOpen) {
                const QString note = LangText("set from your product choice when the file was "
                                              "opened",
                    "打开文件时按您选择的产品设置");
                item->setText(1, QStringLiteral("%1 (%2)").arg(item->text(1), note));
                item->setToolTip(1, note);
            }
        }
    }
    if (!diff.otherBytes.isEmpty()) {
        QTreeWidgetItem *group = AddGroup(tree, DiffGroup::OtherBytes, int(diff.otherBytes.size()));
        for (const ByteRangeDifference &r : diff.otherBytes)
            AddLine(group, ByteRangeText(r), ByteValuesText(r.a), ByteValuesText(r.b));
    }
    tree->expandAll();
    for (int column = 0; column < tree->columnCount(); ++column)
        tree->resizeColumnToContents(column);
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
