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
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

namespace {
constexpr int kInitialRange = 305; // replaced by every transfer before its first step
constexpr int kProgressId = 1001;
constexpr int kCountId = 1009;
constexpr int kVerifyId = 1010;
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
    layout->addWidget(m_progress);
    if (direction == Direction::Write) {
        m_verify = new QCheckBox(LangText("Verify after writing", "写入后校验"), this);
        m_verify->setChecked(UserSettings::VerifyAfterWrite());
        DialogHelp::SetHelpId(m_verify, kVerifyId);
        connect(m_verify, &QCheckBox::toggled, this, &UserSettings::SetVerifyAfterWrite);
        layout->addSpacing(6);
        layout->addWidget(m_verify);
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
void CProcessDlg::reportEnd(const TransferWorker &worker)
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
    if (!lines.isEmpty())
        UiServices::Message(this, QString(), lines.join(QStringLiteral("\n\n")), icon);
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
    if (outcome.ok()) {
        reportEnd(*m_worker);
    } else if (IsPortOpenFailure(outcome) || outcome.kind() == Status::Kind::Interrupted) {
        showFailure(outcome);
    }
    // Cancelled and a Communication Error answered with Cancel end silently:
    // the user has just chosen that end.
    delete m_worker;
    m_worker = nullptr;
    Q_EMIT transferEnded(outcome.ok());
    m_ok->setEnabled(true);
    close();
}
