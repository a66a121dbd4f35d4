#include "dialogview/writepreviewdlg.h"

#include "dialogview/comparedlg.h"
#include "settings/language.h"
#include "settings/usersettings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// "3 channels", "1 setting", "other bytes in 2 places" and their join.
QStringList ChangeParts(const ImageDiff &diff)
{
    QSet<int> records;
    for (const ChannelDifference &c : diff.channels)
        records.insert(c.record);
    const auto part = [](qsizetype n, const char *one, const char *many, const char *chinese) {
        return LangText(n == 1 ? one : many, chinese).arg(n);
    };
    QStringList parts;
    if (!records.isEmpty())
        parts << part(records.size(), "%1 channel", "%1 channels", "%1个信道");
    if (!diff.settings.isEmpty())
        parts << part(diff.settings.size(), "%1 setting", "%1 settings", "%1项设置");
    if (!diff.otherBytes.isEmpty())
        parts << part(diff.otherBytes.size(), "other bytes in %1 place", "other bytes in %1 places",
            "%1处其他字节");
    return parts;
}

QString JoinParts(QStringList parts)
{
    if (parts.size() < 2)
        return parts.value(0);
    const QString last = parts.takeLast();
    return parts.join(LangText(", ", "、")) + LangText(" and ", "和") + last;
}

} // namespace

QString CWritePreviewDlg::summaryText(
    const ImageDiff &diff, const QDateTime &readTime, const QDateTime &now)
{
    const QString time
        = readTime.toString(readTime.date() == now.date() ? QStringLiteral("HH:mm")
                                                          : QStringLiteral("yyyy-MM-dd HH:mm"));
    if (diff.same())
        return LangText("Compared with what was read from the radio at %1: the write changes "
                        "nothing.",
            "与 %1 从对讲机读出的数据相比：写入不改变任何数据。")
            .arg(time);
    return LangText("Compared with what was read from the radio at %1: %2 will change.",
        "与 %1 从对讲机读出的数据相比：将改变%2。")
        .arg(time, JoinParts(ChangeParts(diff)));
}

CWritePreviewDlg::CWritePreviewDlg(
    const ImageDiff &diff, const QDateTime &readTime, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(LangText("Write Data", "写数据"));
    m_summary = new QLabel(summaryText(diff, readTime, QDateTime::currentDateTime()), this);
    m_summary->setWordWrap(true);
    m_tree = new QTreeWidget(this);
    m_tree->setHeaderLabels({QString(), LangText("Radio as read", "对讲机（读出时）"),
        LangText("After the write", "写入后")});
    m_tree->setAllColumnsShowFocus(true);
    m_tree->setVisible(!diff.same());
    CCompareDlg::fillTree(m_tree, diff);
    m_dontShow = new QCheckBox(LangText("Don't show this again", "不再显示"), this);

    auto *buttons = new QDialogButtonBox(this);
    m_write = buttons->addButton(LangText("Write", "写入"), QDialogButtonBox::AcceptRole);
    buttons->addButton(LangText("Cancel", "取消"), QDialogButtonBox::RejectRole);
    m_write->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_tree, 1);
    layout->addWidget(m_dontShow);
    layout->addWidget(buttons);
    resize(640, diff.same() ? 160 : 480);
}

void CWritePreviewDlg::done(int result)
{
    if (m_dontShow->isChecked())
        UserSettings::SetShowWritePreview(false);
    QDialog::done(result);
}
