#include "dialogview/transferworker.h"

#include "dialogview/latestlinklog.h"

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
    if (m_kind != Kind::Read) {
        // What is about to be sent is kept first: a write that goes wrong half way
        // leaves the radio with neither the old nor the new data.
        m_backup = BackupStore().keep(m_image, BackupKind::Sent);
        m_written = WriteWholeImageVerified(
            m_portName, m_image, *this, m_kind == Kind::VerifiedWrite, log.get());
        m_outcome = m_written.write;
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
        m_backup = BackupStore().keep(m_image, BackupKind::Radio);
    }
}

void TransferWorker::progress(int position)
{
    Q_EMIT progressChanged(position);
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
