#include "dialogview/processdlg.h"

#include "dialogview/portmessages.h"
#include "dialogview/transferworker.h"
#include "document/programdoc.h"
#include "link/comport.h"
#include "link/openradioport.h"
#include "settings/language.h"
#include "settings/messages.h"
#include "settings/usersettings.h"
#include "uiservices/dialoghelp.h"
#include "uiservices/uiservices.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTime>
#include <QVBoxLayout>

namespace {
constexpr int kInitialRange = 305; // replaced by every transfer before its first step
constexpr int kProgressId = 1001;
constexpr int kCountId = 1009;
constexpr int kVerifyId = 1010;
constexpr int kStepId = 1011;
constexpr int kBytesPerStep = 16;

// What to do before OK, on the port the transfer will open.
QString InstructionText(const QString &port)
{
    if (port == SimulatedPortName())
        return LangText("The simulated radio — press OK to start", "模拟对讲机 — 按“确定”开始");
    if (port.isEmpty())
        return LangText("Connect the cable, switch the radio on, then press OK",
            "请连接数据线并打开对讲机电源，然后按“确定”");
    return LangText("Radio on %1 — connect the cable, switch the radio on, then press OK",
        "对讲机端口 %1 — 请连接数据线并打开对讲机电源，然后按“确定”")
        .arg(QDir::toNativeSeparators(port));
}

// "4" for 4 KB of the image at a progress position (16 bytes a step).
QString Kilobytes(int position)
{
    return QString::number((position * kBytesPerStep + 512) / 1024);
}
} // namespace

CProcessDlg::CProcessDlg(CProgramDoc *document, Direction direction, QWidget *parent)
    : QDialog(parent)
    , m_document(document)
    , m_direction(direction)
{
    // Not a child of the view: the dialog (and the transfer it runs) outlives a
    // document window that is closed meanwhile.
    setAttribute(Qt::WA_DeleteOnClose);
    if (m_document && direction == Direction::Read)
        m_document->setReceiving(true);
    m_strTitle = direction == Direction::Read ? LangText("Read Data", "读数据")
                                              : LangText("Write Data", "写数据");
    setWindowTitle(m_strTitle);

    m_step = new QLabel(InstructionText(g_strComPort), this);
    m_step->setWordWrap(true);
    DialogHelp::SetHelpId(m_step, kStepId);

    m_progress = new QProgressBar(this);
    m_progress->setRange(0, kInitialRange);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    DialogHelp::SetHelpId(m_progress, kProgressId);
    m_count = new QLabel(QStringLiteral("0"), this);
    m_count->setAlignment(Qt::AlignCenter);
    m_count->setMinimumWidth(60);
    DialogHelp::SetHelpId(m_count, kCountId);
    m_ok = new QPushButton(LangText("OK", "确定"), this);
    m_cancel = new QPushButton(LangText("Cancel", "取消"), this);
    m_ok->setDefault(true);
    DialogHelp::SetHelpId(m_ok, 1);
    DialogHelp::SetHelpId(m_cancel, 2);
    connect(m_ok, &QPushButton::clicked, this, &CProcessDlg::OnOK);
    connect(m_cancel, &QPushButton::clicked, this, &CProcessDlg::reject);

    auto *row = new QHBoxLayout;
    row->addWidget(m_ok);
    row->addStretch();
    row->addWidget(m_count);
    row->addStretch();
    row->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 24, 30, 16);
    layout->addWidget(m_step);
    layout->addSpacing(6);
    layout->addWidget(m_progress);
    if (direction == Direction::Write) {
        m_verify = new QCheckBox(LangText("Verify after writing", "写入后校验"), this);
        m_verify->setChecked(UserSettings::VerifyAfterWrite());
        DialogHelp::SetHelpId(m_verify, kVerifyId);
        connect(m_verify, &QCheckBox::toggled, this, &UserSettings::SetVerifyAfterWrite);
        layout->addSpacing(6);
        layout->addWidget(m_verify, 0, Qt::AlignLeft); // as wide as its text
    }
    layout->addSpacing(12);
    layout->addLayout(row);
    setMinimumWidth(320);
}

CProcessDlg::~CProcessDlg()
{
    // Only reached with a transfer running when the program itself goes away.
    if (m_thread) {
        m_bCancel = true;
        m_thread->wait();
        delete m_thread;
    }
    delete m_worker;
    releaseDocument();
}

void CProcessDlg::releaseDocument()
{
    if (m_document && m_direction == Direction::Read)
        m_document->setReceiving(false);
}

bool CProcessDlg::isRunning() const
{
    return m_thread != nullptr || !m_ok->isEnabled();
}

void CProcessDlg::OnOK()
{
    if (!m_ok->isEnabled())
        return;
    m_ok->setEnabled(false);
    QMetaObject::invokeMethod(this, &CProcessDlg::RunTransfer, Qt::QueuedConnection);
}

void CProcessDlg::reject()
{
    m_bCancel = true;
    // Armed: nothing was started, so the dialog simply goes. Running: the
    // transfer sees the flag at its next poll and closes the dialog itself.
    if (m_ok->isEnabled())
        close();
}

void CProcessDlg::closeEvent(QCloseEvent *event)
{
    if (m_thread || !m_ok->isEnabled()) {
        m_bCancel = true;
        event->ignore();
        return;
    }
    releaseDocument();
    event->accept();
}

void CProcessDlg::RunTransfer()
{
    if (m_bCancel || !m_document) {
        m_ok->setEnabled(true); // nothing runs: let the close go through
        close();
        return;
    }
    using Kind = TransferWorker::Kind;
    Kind kind = Kind::Read;
    int steps = kReadProgressSteps;
    if (m_direction == Direction::Write) {
        m_verify->setEnabled(false);
        kind = m_verify->isChecked() ? Kind::VerifiedWrite : Kind::Write;
        steps = kind == Kind::VerifiedWrite ? kVerifiedWriteProgressSteps : kWriteProgressSteps;
    }
    Q_EMIT transferStarting();
    m_progress->setRange(0, steps);

    m_portName = g_strComPort;
    m_worker = new TransferWorker(
        kind, m_portName, m_document->image(), m_bCancel, this, [this] { return askRetry(); });
    connect(m_worker, &TransferWorker::progressChanged, this, &CProcessDlg::onProgress);
    connect(m_worker, &TransferWorker::entryAttemptChanged, this, &CProcessDlg::onEntryAttempt);
    connect(m_worker, &TransferWorker::connectedToRadio, this, &CProcessDlg::onConnected);
    m_step->setText(
        LangText("Opening %1…", "正在打开 %1…").arg(QDir::toNativeSeparators(m_portName)));
    m_thread = QThread::create([worker = m_worker] { worker->run(); });
    connect(m_thread, &QThread::finished, this, &CProcessDlg::onTransferFinished);
    m_thread->start();
}

void CProcessDlg::onProgress(int position)
{
    if (position > kWriteProgressSteps && m_direction == Direction::Write)
        setWindowTitle(LangText("Verify Data", "校验数据"));
    m_progress->setValue(position);
    m_count->setText(QString::number(m_progress->value()));
    if (m_direction == Direction::Read)
        m_step->setText(
            LangText("Reading %1 KB of 8 KB", "正在读取 %1 KB，共 8 KB").arg(Kilobytes(position)));
    else if (position <= kWriteProgressSteps)
        m_step->setText(
            LangText("Writing %1 KB of 8 KB", "正在写入 %1 KB，共 8 KB").arg(Kilobytes(position)));
    else
        m_step->setText(LangText("Verifying", "正在校验"));
}

// The verifying read of a write: the write's steps are all done.
bool CProcessDlg::verifying() const
{
    return m_direction == Direction::Write && m_progress->value() >= kWriteProgressSteps;
}

void CProcessDlg::onEntryAttempt(int attempt, int attempts)
{
    const QString waiting = LangText(
        "Waiting for the radio… attempt %1 of %2", "正在等待对讲机……第 %1 次尝试，共 %2 次")
                                .arg(attempt)
                                .arg(attempts);
    m_step->setText(verifying() ? LangText("Verifying: %1", "校验：%1").arg(waiting) : waiting);
}

void CProcessDlg::onConnected()
{
    if (verifying())
        m_step->setText(LangText("Verifying", "正在校验"));
    else
        onProgress(m_progress->value());
}

bool CProcessDlg::askRetry()
{
    return UiServices::Message(this, QString(), MessageText(kMsgCommunicationError),
               QMessageBox::Warning, QMessageBox::Retry | QMessageBox::Cancel)
        == QMessageBox::Retry;
}

void CProcessDlg::showFailure(const Status &outcome)
{
    UiServices::Message(this, QString(), TransferFailureText(outcome, m_portName),
        QMessageBox::Warning, QMessageBox::Ok);
}

// After a completed transfer: what the verification found and whether a backup
// copy could not be kept. Neither turns the transfer itself into a failure.
bool CProcessDlg::reportEnd(const TransferWorker &worker)
{
    const auto warning = [](const Status &copy) {
        return LangText("No backup copy was kept: %1", "未能保留备份：%1").arg(copy.text());
    };
    QStringList lines;
    QMessageBox::Icon icon = QMessageBox::Warning;
    if (m_direction == Direction::Write) {
        const VerifiedWriteOutcome &written = worker.written();
        lines << VerifiedWriteText(written, m_portName);
        if (written.verify == VerifyResult::Verified)
            icon = QMessageBox::Information;
        const Status &copy = worker.readBackCopy();
        if (written.verify == VerifyResult::Different) {
            lines << (copy.ok() ? LangText(
                          "What the radio holds is kept as %1", "对讲机中现有的数据已保存为 %1")
                                      .arg(QDir::toNativeSeparators(worker.readBackPath()))
                                : warning(copy));
        }
    }
    if (!worker.backup().ok()) {
        lines << warning(worker.backup());
        icon = QMessageBox::Warning;
    }
    lines.removeAll(QString());
    if (lines.isEmpty())
        return false;
    const QString text = lines.join(QStringLiteral("\n\n"));
    if (m_direction != Direction::Write || worker.written().verify != VerifyResult::Different) {
        UiServices::Message(this, QString(), text, icon);
        return false;
    }
    return UiServices::Message(this, QString(), text, icon, QMessageBox::Ok | QMessageBox::Retry,
               {{QMessageBox::Retry, LangText("Write Again", "再次写入")}})
        == QMessageBox::Retry;
}

// The status bar's line after a read or a write that went through.
void CProcessDlg::reportStatus(const TransferWorker &worker)
{
    const QString time = QTime::currentTime().toString(QStringLiteral("HH:mm"));
    const QString copy = QFileInfo(worker.backupPath()).fileName();
    const bool kept = worker.backup().ok() && !copy.isEmpty();
    QString text;
    if (m_direction == Direction::Read) {
        text = kept ? LangText("Read from the radio at %1; a copy is kept as %2",
                   "%1 从对讲机读取；副本保存为 %2")
                          .arg(time, copy)
                    : LangText("Read from the radio at %1", "%1 从对讲机读取").arg(time);
    } else {
        const VerifyResult verify = worker.written().verify;
        if (verify == VerifyResult::Different || verify == VerifyResult::NotVerified)
            return; // the message says what happened
        const QString written = verify == VerifyResult::Verified
            ? LangText("Written to the radio and verified at %1", "%1 写入对讲机并校验无误")
                  .arg(time)
            : LangText("Written to the radio at %1", "%1 写入对讲机").arg(time);
        text = kept ? LangText("%1; what was sent is kept as %2", "%1；发送的数据保存为 %2")
                          .arg(written, copy)
                    : written;
    }
    Q_EMIT statusReport(text);
}

void CProcessDlg::onTransferFinished()
{
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    const Status outcome = m_worker->outcome();
    releaseDocument();

    if (outcome.ok() && m_direction == Direction::Read && m_document)
        m_document->replaceFromRadio(m_worker->image());
    bool again = false;
    if (outcome.ok()) {
        reportStatus(*m_worker);
        again = reportEnd(*m_worker);
    } else if (IsPortOpenFailure(outcome) || outcome.kind() == Status::Kind::Interrupted) {
        showFailure(outcome);
    }
    // Cancelled and a Communication Error answered with Cancel end silently:
    // the user has just chosen that end.
    delete m_worker;
    m_worker = nullptr;
    Q_EMIT transferEnded(outcome.ok());
    if (again && m_document && !m_bCancel) {
        m_progress->setValue(0);
        m_count->setText(QStringLiteral("0"));
        setWindowTitle(m_strTitle);
        RunTransfer(); // the same write, with what the document holds now
        return;
    }
    m_ok->setEnabled(true);
    close();
}
