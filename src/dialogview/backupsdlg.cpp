#include "dialogview/backupsdlg.h"

#include "settings/language.h"
#include "uiservices/dialoghelp.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
// F1 opens the help of the command: File > Open Backup, File > Compare With.
constexpr int kOpenBackupHelp = 32810;
constexpr int kCompareWithHelp = 32811;
} // namespace

CBackupsDlg::CBackupsDlg(
    const QVector<BackupEntry> &entries, const QString &folder, Purpose purpose, QWidget *parent)
    : QDialog(parent)
{
    const bool open = purpose == Purpose::Open;
    setWindowTitle(open ? LangText("Open Backup", "打开备份") : LangText("Compare With", "比较"));
    auto *intro = new QLabel(open
            ? LangText(
                "Choose the backup copy to open as a new document.", "选择要作为新文档打开的备份。")
            : LangText("Choose the backup copy or the file to compare the active document with.",
                "选择要与当前文档比较的备份或文件。"),
        this);
    intro->setWordWrap(true);

    m_list = new QTreeWidget(this);
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setHeaderLabels({LangText("Date and time", "日期和时间"), LangText("Copy", "备份类型"),
        LangText("Channels", "信道数"), LangText("Power-on name", "开机名称")});
    m_empty = new QLabel(
        LangText("No backup copies have been kept yet. A copy is kept of every "
                 "image read from the radio and of every image written to it.",
            "尚未保留任何备份。每次从对讲机读取数据和向对讲机写入数据时都会保留一份备份。"),
        this);
    m_empty->setWordWrap(true);
    auto *where = new QLabel(
        LangText("Folder: %1", "文件夹：%1").arg(QDir::toNativeSeparators(folder)), this);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    where->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(open ? LangText("Open", "打开") : LangText("Compare", "比较"),
        QDialogButtonBox::AcceptRole);
    m_ok->setDefault(true);
    if (!open) {
        m_otherFile = buttons->addButton(
            LangText("Other File...", "其他文件..."), QDialogButtonBox::ActionRole);
        connect(m_otherFile, &QPushButton::clicked, this, [this] { done(kOtherFile); });
    }
    buttons->addButton(LangText("Cancel", "取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &CBackupsDlg::updateButtons);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (!selectedPath().isEmpty())
            accept();
    });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_list);
    layout->addWidget(m_empty);
    layout->addWidget(where);
    layout->addWidget(buttons);
    DialogHelp::InstallF1(this, open ? kOpenBackupHelp : kCompareWithHelp);
    fill(entries);
    resize(620, 420);
}

QString CBackupsDlg::kindText(const BackupEntry &entry)
{
    if (entry.kind == BackupKind::Radio)
        return LangText("Read from the radio", "从对讲机读取");
    const int block = entry.writeEnd.block;
    switch (entry.writeEnd.kind) {
    case WriteEnd::Kind::Complete:
        break;
    case WriteEnd::Kind::Failed:
        if (block == 0)
            return LangText("Write failed before the first block: radio unchanged",
                "写入在第一块之前失败：对讲机未改变");
        return LangText("Write failed at block %1: radio holds a mix",
            "写入在第 %1 块失败：对讲机中新旧数据混杂")
            .arg(block);
    case WriteEnd::Kind::Cancelled:
        if (block == 0)
            return LangText("Write cancelled before the first block: radio unchanged",
                "写入在第一块之前取消：对讲机未改变");
        return LangText("Write cancelled after block %1: radio holds a mix",
            "写入在第 %1 块后取消：对讲机中新旧数据混杂")
            .arg(block);
    }
    return LangText("Sent to the radio", "写入对讲机");
}

QString CBackupsDlg::channelsText(const BackupEntry &entry)
{
    return entry.channels < 0 ? LangText("not a complete image", "不是完整的数据")
                              : QString::number(entry.channels);
}

void CBackupsDlg::fill(const QVector<BackupEntry> &entries)
{
    for (const BackupEntry &entry : entries) {
        auto *item = new QTreeWidgetItem(m_list,
            {entry.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), kindText(entry),
                channelsText(entry), entry.powerOnName});
        item->setData(0, Qt::UserRole, entry.path);
        item->setToolTip(0, QDir::toNativeSeparators(entry.path));
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        if (entry.channels < 0)
            item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
    }
    for (int column = 0; column < m_list->columnCount(); ++column)
        m_list->resizeColumnToContents(column);
    m_list->setVisible(!entries.isEmpty());
    m_empty->setVisible(entries.isEmpty());
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_list->topLevelItem(i);
        if (item->flags() & Qt::ItemIsSelectable) {
            m_list->setCurrentItem(item);
            break;
        }
    }
    updateButtons();
}

QString CBackupsDlg::selectedPath() const
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->data(0, Qt::UserRole).toString();
}

void CBackupsDlg::updateButtons()
{
    m_ok->setEnabled(!selectedPath().isEmpty());
}
