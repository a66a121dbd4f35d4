#include "dialogview/csvimportdlg.h"

#include "channels/channelcolumns.h"
#include "dialogview/groupedtree.h"
#include "document/programdoc.h"
#include "settings/language.h"
#include "uiservices/dialoghelp.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kImportCsvHelp = 32812; // F1: the help of File > Import CSV
constexpr int kFirstChannelColumn = 2; // after the line and CH columns

QString LayoutName(CsvLayout layout)
{
    return layout == CsvLayout::Community ? LangText("community format", "通用格式")
                                          : LangText("channel table format", "信道表格式");
}

} // namespace

CCsvImportDlg::CCsvImportDlg(
    CProgramDoc *document, const QByteArray &csv, const QString &fileName, QWidget *parent)
    : QDialog(parent)
    , m_document(document)
    , m_csv(csv)
    , m_fileName(fileName)
{
    setWindowTitle(LangText("Import CSV - %1", "导入 CSV - %1").arg(fileName));
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_replace = new QCheckBox(LangText("Replace all channels", "替换全部信道"), this);
    m_replace->setToolTip(LangText(
        "Every channel the file does not list is emptied.", "文件中未列出的信道全部清空。"));
    m_skipBad = new QCheckBox(
        LangText("Skip lines that are refused and import the rest", "跳过被拒绝的行，导入其余各行"),
        this);
    m_intoFree = new QCheckBox(
        LangText("Add into free channels starting at", "添加到空闲信道，起始信道"), this);
    m_intoFree->setToolTip(LangText("The file's channel numbers are ignored: its rows fill the "
                                    "empty channels in order; channels in use stay as they are.",
        "忽略文件中的信道号：各行依次填入空信道；使用中的信道保持不变。"));
    m_firstFree = new QSpinBox(this);
    m_firstFree->setRange(1, ImageMap::kChannelCount - 1);
    m_firstFree->setEnabled(false);

    m_preview = new QTreeWidget(this);
    QStringList headers {LangText("Line", "行"), ColumnHeader(-1, g_bChinese)};
    for (int column = 0; column < kChannelColumns; ++column)
        headers << ColumnHeader(column, g_bChinese);
    m_preview->setHeaderLabels(headers);
    m_preview->setAllColumnsShowFocus(true);

    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(LangText("OK", "确定"), QDialogButtonBox::AcceptRole);
    m_ok->setDefault(true);
    buttons->addButton(LangText("Cancel", "取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CCsvImportDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_replace, &QCheckBox::toggled, this, &CCsvImportDlg::updatePreview);
    connect(m_skipBad, &QCheckBox::toggled, this, &CCsvImportDlg::updatePreview);
    // Filling free channels never empties one: the two exclude each other.
    connect(m_intoFree, &QCheckBox::toggled, this, [this](bool on) {
        m_firstFree->setEnabled(on);
        m_replace->setEnabled(!on);
        if (on)
            m_replace->setChecked(false);
        updatePreview();
    });
    connect(m_firstFree, &QSpinBox::valueChanged, this, [this] {
        if (m_intoFree->isChecked())
            updatePreview();
    });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_replace);
    layout->addWidget(m_skipBad);
    auto *free = new QHBoxLayout;
    free->addWidget(m_intoFree);
    free->addWidget(m_firstFree);
    free->addStretch(1);
    layout->addLayout(free);
    layout->addWidget(m_preview, 1);
    layout->addWidget(buttons);
    DialogHelp::InstallF1(this, kImportCsvHelp);
    resize(900, 520);
    updatePreview();
}

CsvImportResult CCsvImportDlg::importInto(MemoryImage &image) const
{
    image = m_document->image();
    CsvImportOptions options;
    options.replace = m_replace->isChecked();
    options.skipBad = m_skipBad->isChecked();
    options.intoFree = m_intoFree->isChecked() ? m_firstFree->value() : -1;
    return ImportChannelsCsv(m_csv, image, options);
}

QTreeWidgetItem *CCsvImportDlg::group(Group kind) const
{
    return GroupedTree::Group(m_preview, int(kind));
}

QTreeWidgetItem *CCsvImportDlg::addGroup(Group kind, const QString &title, int count)
{
    return GroupedTree::AddGroup(m_preview, int(kind), title, count);
}

void CCsvImportDlg::addTextGroup(Group kind, const QString &title, const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    QTreeWidgetItem *group = addGroup(kind, title, int(lines.size()));
    for (const QString &line : lines)
        new QTreeWidgetItem(group, {line});
    for (int i = 0; i < group->childCount(); ++i)
        group->child(i)->setFirstColumnSpanned(true);
}

void CCsvImportDlg::addWritten(const CsvImportResult &result, const MemoryImage &after)
{
    QTreeWidgetItem *written = addGroup(
        Group::Written, LangText("Channels written", "写入的信道"), int(result.rows.size()));
    for (const ChannelRow &row : result.rows) {
        QStringList texts {QString::number(row.line), RowLabel(row.record).trimmed()};
        const ChannelTexts shown = DecodeChannel(after, row.record, g_bChinese);
        for (const QString &text : shown)
            texts << text;
        if (shown[kColRx].isEmpty())
            texts[kFirstChannelColumn] = LangText("(emptied)", "(清空)");
        new QTreeWidgetItem(written, texts);
    }
}

void CCsvImportDlg::addEmptied(
    const CsvImportResult &result, const MemoryImage &before, const MemoryImage &after)
{
    QList<bool> listed(ImageMap::kChannelCount, false);
    for (const ChannelRow &row : result.rows)
        listed[row.record] = true;
    QList<QStringList> emptied;
    for (int record = 0; record < ImageMap::kChannelCount; ++record) {
        if (!listed[record] && !IsChannelEmpty(before, record) && IsChannelEmpty(after, record)) {
            QStringList texts {QString(), RowLabel(record).trimmed()};
            for (const QString &text : DecodeChannel(before, record, g_bChinese))
                texts << text;
            emptied << texts;
        }
    }
    if (emptied.isEmpty())
        return;
    QTreeWidgetItem *group = addGroup(Group::Emptied,
        LangText("Channels emptied (as they are now)", "清空的信道（当前内容）"),
        int(emptied.size()));
    for (const QStringList &texts : emptied) {
        auto *item = new QTreeWidgetItem(group, texts);
        for (int column = kFirstChannelColumn; column < texts.size(); ++column)
            item->setForeground(column, palette().color(QPalette::Disabled, QPalette::Text));
    }
}

void CCsvImportDlg::updatePreview()
{
    m_preview->clear();
    if (!m_document) {
        m_ok->setEnabled(false);
        return;
    }
    const MemoryImage before = m_document->image();
    MemoryImage after;
    const CsvImportResult result = importInto(after);
    // Lines that were all skipped leave nothing to import.
    m_ok->setEnabled(result.ok() && (result.skipped.isEmpty() || !result.rows.isEmpty()));
    if (!result.ok()) {
        m_summary->setText(
            LangText("Nothing can be imported from \"%1\": %2\nCorrect the file and import it "
                     "again. The document is unchanged.",
                "无法从“%1”导入：%2\n请改正文件后重新导入。文档未作改动。")
                .arg(m_fileName, result.message()));
        return;
    }
    addWritten(result, after);
    QStringList notes;
    for (const Wording &note : result.notes)
        notes << note.text();
    addTextGroup(Group::Notes, LangText("Notes", "说明"), notes);
    QStringList skipped;
    for (const SkippedLine &line : result.skipped)
        skipped << LineText(line.line, line.reason.text());
    addTextGroup(Group::Skipped, LangText("Lines skipped", "跳过的行"), skipped);
    addEmptied(result, before, after);
    m_preview->expandAll();
    for (int column = 0; column < m_preview->columnCount(); ++column)
        m_preview->resizeColumnToContents(column);
    m_summary->setText(summaryText(result));
}

QString CCsvImportDlg::summaryText(const CsvImportResult &result) const
{
    const QTreeWidgetItem *emptied = group(Group::Emptied);
    QStringList parts {LangText("\"%1\" (%2) sets %3 channels", "“%1”（%2）设置 %3 个信道")
                           .arg(m_fileName, LayoutName(result.layout))
                           .arg(result.rows.size())};
    if (emptied)
        parts << LangText("%1 other channels are emptied", "清空另外 %1 个信道")
                     .arg(emptied->childCount());
    if (!result.notes.isEmpty())
        parts << LangText("%1 values are adapted to the radio (see the notes)",
            "%1 个值按对讲机作了调整（见说明）")
                     .arg(result.notes.size());
    if (!result.skipped.isEmpty())
        parts << LangText("%1 lines are skipped", "跳过 %1 行").arg(result.skipped.size());
    if (result.replaced.size() == 1)
        parts << LangText("channel %1 in use will be replaced", "使用中的信道 %1 将被替换")
                     .arg(RecordRangesText(result.replaced));
    else if (!result.replaced.isEmpty())
        parts << LangText("channels %1 in use will be replaced", "使用中的信道 %1 将被替换")
                     .arg(RecordRangesText(result.replaced));
    return parts.join(LangText("; ", "；"))
        + LangText(". OK imports it as one change, which Edit > Undo takes back.",
            "。按“确定”导入，作为一次修改，可用“编辑 > 撤销”撤回。");
}

void CCsvImportDlg::accept()
{
    if (!m_document) {
        reject();
        return;
    }
    // Imported into the document as it is now: it may have changed while the
    // preview was shown (a read from the radio completes in the background).
    MemoryImage after;
    const CsvImportResult result = importInto(after);
    if (!result.ok() || (result.rows.isEmpty() && !result.skipped.isEmpty())) {
        updatePreview();
        return;
    }
    m_document->changeState(WithChannelsOf(m_document->state(), after, g_bChinese),
        LangText("Import %1", "导入 %1").arg(m_fileName));
    QDialog::accept();
}
