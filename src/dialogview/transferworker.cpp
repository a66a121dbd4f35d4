#include "dialogview/transferworker.h"

#include "dialogview/latestlinklog.h"
#include "link/squelchtransfer.h"

#include <QFileInfo>

TransferWorker::TransferWorker(Kind kind, const QString &portName, const MemoryImage &image,
    const std::atomic<bool> &cancel, QObject *questionContext, std::function<bool()> question)
    : m_kind(kind)
    , m_portName(portName)
    , m_image(image)
    , m_cancel(cancel)
    , m_questionContext(questionContext)
    , m_question(std::move(question))
{ }

void TransferWorker::run()
{
    const std::shared_ptr<LinkTrace> log = StartLinkLog();
    const StopRequest stop = [this] { return shouldStop(); };
    if (m_kind == Kind::SquelchRead) {
        MemoryImage staging = m_image;
        m_outcome = ReadSquelchBlock(m_portName, staging, stop, log.get());
        if (m_outcome.ok())
            m_image = staging;
        return;
    }
    if (m_kind == Kind::SquelchWrite) {
        m_outcome = WriteSquelchBlock(m_portName, m_image, stop, log.get());
        return;
    }
    if (m_kind != Kind::Read) {
        // What is about to be sent is kept first: a write that goes wrong half way
        // leaves the radio with neither the old nor the new data.
        m_backup = BackupStore().keep(m_image, BackupKind::Sent, &m_backupPath);
        m_written = WriteWholeImageVerified(
            m_portName, m_image, *this, m_kind == Kind::VerifiedWrite, log.get());
        m_outcome = m_written.write;
        noteUnfinishedWrite();
        // Nobody else has a copy of what the radio now holds.
        if (m_written.verify == VerifyResult::Different)
            m_readBackCopy
                = BackupStore().keep(m_written.readBack, BackupKind::Radio, &m_readBackPath);
        return;
    }
    // The radio's bytes go into a staging copy: a cancelled or failed read
    // leaves the image that was given untouched.
    MemoryImage staging = m_image;
    m_outcome = ReadWholeImage(m_portName, staging, *this, log.get());
    if (m_outcome.ok()) {
        m_image = staging;
        m_backup = BackupStore().keep(m_image, BackupKind::Radio, &m_backupPath);
    }
}

// The copy kept before the write is labelled as what it now is: a write that
// ended part way leaves the radio with some new and some old blocks.
void TransferWorker::noteUnfinishedWrite()
{
    if (m_outcome.ok() || m_backupPath.isEmpty())
        return;
    WriteEnd end;
    const bool cancelled = m_outcome.kind() == Status::Kind::Cancelled;
    end.kind = cancelled ? WriteEnd::Kind::Cancelled : WriteEnd::Kind::Failed;
    // A cancelled write stops after a whole step; a failed one fails in the next.
    if (m_writeConnected)
        end.block = cancelled ? m_writePosition : qMin(m_writePosition + 1, kWriteProgressSteps);
    // Only a label: the copy itself is what matters, and it is there.
    BackupStore(QFileInfo(m_backupPath).absolutePath()).noteWriteEnd(m_backupPath, end);
}

void TransferWorker::progress(int position)
{
    if (position <= kWriteProgressSteps)
        m_writePosition = position;
    Q_EMIT progressChanged(position);
}

void TransferWorker::entryAttempt(int attempt, int attempts)
{
    Q_EMIT entryAttemptChanged(attempt, attempts);
}

void TransferWorker::connected()
{
    m_writeConnected = true;
    Q_EMIT connectedToRadio();
}

bool TransferWorker::shouldStop()
{
    return m_cancel.load();
}

bool TransferWorker::retryAfterCommunicationError()
{
    if (m_cancel.load())
        return false;
    bool retry = false;
    QMetaObject::invokeMethod(
        m_questionContext, [this, &retry] { retry = m_question(); }, Qt::BlockingQueuedConnection);
    return retry;
}
