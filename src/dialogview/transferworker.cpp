#include "transferworker.h"

TransferWorker::TransferWorker(bool writeDirection, const QString &portName,
    const MemoryImage &image, const std::atomic<bool> &cancel, QObject *questionContext,
    std::function<bool()> question)
    : m_writeDirection(writeDirection)
    , m_portName(portName)
    , m_image(image)
    , m_cancel(cancel)
    , m_questionContext(questionContext)
    , m_question(std::move(question))
{ }

void TransferWorker::run()
{
    if (m_writeDirection) {
        m_outcome = WriteWholeImage(m_portName, m_image, *this);
        return;
    }
    // The radio's bytes go into a staging copy: a cancelled or failed read
    // leaves the image that was given untouched.
    MemoryImage staging = m_image;
    m_outcome = ReadWholeImage(m_portName, staging, *this);
    if (m_outcome.ok())
        m_image = staging;
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
