#include "dialogview/fleetwritedlg.h"

#include "backups/backupstore.h"
#include "dialogview/portmessages.h"
#include "dialogview/transferworker.h"
#include "files/fileaccess.h"
#include "fleet/fleetnames.h"
#include "image/datfile.h"
#include "link/comport.h"
#include "settings/inifile.h"
#include "settings/language.h"
#include "settings/messages.h"
#include "uiservices/uiservices.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QThread>
#include <QVBoxLayout>

namespace {

constexpr qint64 kLargestNameList = 1024 * 1024;

QString ResultText(FleetResult result)
{
    switch (result) {
    case FleetResult::Verified:
        return LangText("verified", "已校验");
    case FleetResult::Differs:
        return LangText("differs", "不一致");
    case FleetResult::Failed:
        break;
    }
    return LangText("failed", "失败");
}

QStringList ColumnTitles()
{
    return {LangText("Radio", "对讲机"), LangText("Time", "时间"),
        LangText("Power-on Name", "开机名称"), LangText("Result", "结果")};
}

QStringList RowTexts(const FleetRecord &record)
{
    QString result = ResultText(record.result);
    if (!record.detail.isEmpty())
        result += LangText(": ", "：") + record.detail;
    return {QString::number(record.radio), record.time.toString(QStringLiteral("HH:mm:ss")),
        record.powerOnName, result};
}

} // namespace

CFleetWriteDlg::CFleetWriteDlg(const MemoryImage &image, QWidget *parent)
    : QDialog(parent)
    , m_image(image)
{
    setWindowTitle(LangText("Write to Several Radios", "写入多台对讲机"));
    m_instruction = new QLabel(this);
    m_instruction->setWordWrap(true);
    QFont bold = m_instruction->font();
    bold.setBold(true);
    m_instruction->setFont(bold);

    m_names = new QPlainTextEdit(this);
    m_names->setPlaceholderText(LangText("Optional: one power-on name a line, one for each radio",
        "可选：每行一个开机名称，每台对讲机一个"));
    m_names->setMaximumHeight(90);
    m_loadNames = new QPushButton(LangText("Names from File...", "从文件读取名称..."), this);
    connect(m_loadNames, &QPushButton::clicked, this, &CFleetWriteDlg::loadNames);
    auto *namesRow = new QHBoxLayout;
    namesRow->addWidget(m_names, 1);
    namesRow->addWidget(m_loadNames, 0, Qt::AlignTop);

    m_table = new QTableWidget(0, 4, this);
    m_table->setHorizontalHeaderLabels(ColumnTitles());
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, kVerifiedWriteProgressSteps);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_logLabel = new QLabel(this);
    m_logLabel->setWordWrap(true);
    m_logLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_next = new QPushButton(LangText("Next", "下一台"), this);
    m_next->setDefault(true);
    m_print = new QPushButton(LangText("Print...", "打印..."), this);
    m_close = new QPushButton(LangText("Close", "关闭"), this);
    connect(m_next, &QPushButton::clicked, this, &CFleetWriteDlg::next);
    connect(m_print, &QPushButton::clicked, this, &CFleetWriteDlg::printLog);
    connect(m_close, &QPushButton::clicked, this, &CFleetWriteDlg::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_next);
    buttons->addStretch();
    buttons->addWidget(m_print);
    buttons->addWidget(m_close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(LangText("Power-on names:", "开机名称："), this));
    layout->addLayout(namesRow);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_progress);
    layout->addWidget(m_logLabel);
    layout->addWidget(m_instruction);
    layout->addLayout(buttons);
    resize(600, 480);
    updateState();
}

CFleetWriteDlg::~CFleetWriteDlg()
{
    if (m_thread) {
        m_cancel = true;
        m_thread->wait();
        delete m_thread;
    }
    delete m_worker;
}

void CFleetWriteDlg::loadNames()
{
    const QString path = QFileDialog::getOpenFileName(this, LangText("Power-on Names", "开机名称"),
        QString(), LangText("Text files (*.txt);;All files (*)", "文本文件 (*.txt);;所有文件 (*)"));
    if (path.isEmpty())
        return;
    QFile file;
    Status read = OpenRegularFile(file, path);
    QByteArray bytes;
    if (read.ok()) {
        bytes = file.read(kLargestNameList + 1);
        if (file.error() != QFileDevice::NoError)
            read = Status::fromFile(file);
    }
    if (!read.ok() || bytes.size() > kLargestNameList) {
        UiServices::Message(this, QString(),
            LangText("Cannot read %1: %2", "无法读取 %1：%2")
                .arg(QDir::toNativeSeparators(path),
                    read.ok() ? LangText("the file is too large", "文件太大") : read.text()),
            QMessageBox::Warning);
        return;
    }
    m_names->setPlainText(QString::fromUtf8(bytes));
}

// The names are fixed at the first radio: a list the radio cannot show is
// refused before anything is written.
bool CFleetWriteDlg::takeNames()
{
    if (m_namesTaken)
        return true;
    const QString text = m_names->toPlainText();
    if (!text.trimmed().isEmpty()) {
        const Status read = ReadNameList(text, &m_nameList);
        if (!read.ok()) {
            UiServices::Message(this, QString(),
                LangText("The power-on names cannot be used: %1", "开机名称无法使用：%1")
                    .arg(read.text()),
                QMessageBox::Warning);
            return false;
        }
    }
    m_namesTaken = true;
    m_names->setReadOnly(true);
    m_loadNames->setEnabled(false);
    return true;
}

void CFleetWriteDlg::next()
{
    if (m_thread || !m_next->isEnabled() || !takeNames())
        return;
    const int radio = int(m_records.size()) + 1;
    m_runningName = m_nameList.value(radio - 1);
    m_cancel = false;
    m_portName = g_strComPort;
    m_worker = new TransferWorker(TransferWorker::Kind::VerifiedWrite, m_portName,
        m_runningName.isEmpty() ? m_image : WithPowerOnName(m_image, m_runningName), m_cancel, this,
        [this] {
            return UiServices::Message(this, QString(), MessageText(kMsgCommunicationError),
                       QMessageBox::Warning, QMessageBox::Retry | QMessageBox::Cancel)
                == QMessageBox::Retry;
        });
    connect(m_worker, &TransferWorker::progressChanged, m_progress, &QProgressBar::setValue);
    m_progress->setValue(0);
    m_thread = QThread::create([worker = m_worker] { worker->run(); });
    connect(m_thread, &QThread::finished, this, &CFleetWriteDlg::onFinished);
    m_thread->start();
    updateState();
}

QString CFleetWriteDlg::detailOf(const TransferWorker &worker) const
{
    const VerifiedWriteOutcome &written = worker.written();
    if (!worker.outcome().ok())
        return worker.outcome().kind() == Status::Kind::Cancelled
            ? LangText("cancelled", "已取消")
            : TransferFailureText(worker.outcome(), m_portName).simplified();
    if (written.verify == VerifyResult::NotVerified)
        return VerifiedWriteText(written, m_portName).simplified();
    if (written.verify != VerifyResult::Different)
        return QString();
    QString detail = FleetDifferences(written, g_bChinese, g_iniFile);
    if (worker.readBackCopy().ok())
        detail
            += LangText("; what the radio holds is kept as %1", "；对讲机中现有的数据已保存为 %1")
                   .arg(QDir::toNativeSeparators(worker.readBackPath()));
    return detail;
}

void CFleetWriteDlg::onFinished()
{
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    FleetRecord record;
    record.radio = int(m_records.size()) + 1;
    record.time = QDateTime::currentDateTime();
    record.powerOnName = m_runningName;
    record.result = FleetResultOf(m_worker->written());
    record.detail = detailOf(*m_worker);
    delete m_worker;
    m_worker = nullptr;
    m_records << record;
    addRow(record);
    saveLog();
    updateState();
    Q_EMIT radioDone(record.radio);
}

void CFleetWriteDlg::addRow(const FleetRecord &record)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    const QStringList texts = RowTexts(record);
    for (int column = 0; column < texts.size(); ++column)
        m_table->setItem(row, column, new QTableWidgetItem(texts[column]));
    m_table->resizeColumnsToContents();
    m_table->scrollToBottom();
}

// Rewritten whole after every radio, so the log on the disk is never behind
// the table. The name comes from the first radio's time and never replaces a file.
void CFleetWriteDlg::saveLog()
{
    Status saved;
    if (m_logPath.isEmpty()) {
        const QString folder = BackupStore::defaultFolder(&saved);
        if (!folder.isEmpty())
            saved = MakeFolderPath(folder);
        if (!folder.isEmpty() && saved.ok()) {
            const QString stem = FleetLogName(m_records.first().time).chopped(4);
            QString path = folder + QLatin1Char('/') + stem + QStringLiteral(".csv");
            for (int n = 2; QFileInfo::exists(path); ++n)
                path = folder + QStringLiteral("/%1-%2.csv").arg(stem).arg(n);
            m_logPath = path;
        }
    }
    if (!m_logPath.isEmpty())
        saved = SaveFileAtomically(m_logPath, FleetLogCsv(m_records));
    m_logLabel->setText(saved.ok()
            ? LangText("The log is saved as %1", "记录已保存为 %1")
                  .arg(QDir::toNativeSeparators(m_logPath))
            : LangText("The log could not be saved: %1", "记录无法保存：%1").arg(saved.text()));
}

QString CFleetWriteDlg::logHtml() const
{
    QString html = QStringLiteral("<h3>%1</h3><table border=\"1\" cellspacing=\"0\" "
                                  "cellpadding=\"3\"><tr>")
                       .arg(windowTitle().toHtmlEscaped());
    for (const QString &title : ColumnTitles())
        html += QStringLiteral("<th>%1</th>").arg(title.toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (const FleetRecord &record : m_records) {
        html += QStringLiteral("<tr>");
        for (const QString &text : RowTexts(record))
            html += QStringLiteral("<td>%1</td>").arg(text.toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

void CFleetWriteDlg::printLog()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QTextDocument document;
    document.setHtml(logHtml());
    document.print(&printer);
}

void CFleetWriteDlg::updateState()
{
    const bool running = m_thread != nullptr;
    const bool namesLeft
        = !m_namesTaken || m_nameList.isEmpty() || m_records.size() < m_nameList.size();
    m_next->setEnabled(!running && namesLeft);
    m_print->setEnabled(!running && !m_records.isEmpty());
    m_close->setText(running ? LangText("Cancel", "取消") : LangText("Close", "关闭"));
    if (running)
        m_instruction->setText(
            LangText("Writing radio %1 and verifying it...", "正在写入并校验第 %1 台对讲机……")
                .arg(m_records.size() + 1));
    else if (!namesLeft)
        m_instruction->setText(
            LangText("Every name on the list is written.", "名单上的名称已全部写入。"));
    else if (m_records.isEmpty())
        m_instruction->setText(
            LangText("Connect the first radio and press Next", "连接第一台对讲机，然后按“下一台”"));
    else
        m_instruction->setText(
            LangText("Connect the next radio and press Next", "连接下一台对讲机，然后按“下一台”"));
}

void CFleetWriteDlg::reject()
{
    if (m_thread) {
        m_cancel = true; // the transfer ends at its next block and is logged
        return;
    }
    QDialog::reject();
}

void CFleetWriteDlg::closeEvent(QCloseEvent *event)
{
    if (m_thread) {
        m_cancel = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
