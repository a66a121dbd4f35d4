// One whole-image transfer run on a worker thread. Progress leaves the thread
// as queued signals; the stop test reads the dialog's atomic cancel flag; the
// Retry/Cancel question is handed to the GUI thread, which answers it while
// the worker waits. A completed read and every write keep a backup copy of the
// image (a failure to keep it is only reported, never fails the transfer).
#pragma once

#include "backups/backupstore.h"
#include "link/verifiedwrite.h"

#include <QObject>
#include <atomic>
#include <functional>

class TransferWorker : public QObject, public TransferObserver
{
    Q_OBJECT

public:
    enum class Kind { Read, Write, VerifiedWrite };

    // question runs on the thread of questionContext and answers true for Retry.
    TransferWorker(Kind kind, const QString &portName, const MemoryImage &image,
        const std::atomic<bool> &cancel, QObject *questionContext, std::function<bool()> question);

    // The transfer itself, recorded as the latest link log; called on the
    // worker thread.
    void run();

    // The read, or the write itself (a write succeeds whatever its verification found).
    Status outcome() const { return m_outcome; }
    // A write: the write and what its verifying read found.
    const VerifiedWriteOutcome &written() const { return m_written; }
    // After a successful read: the radio's image. Otherwise the image given.
    const MemoryImage &image() const { return m_image; }
    // The copy of the image read, or of the image about to be sent.
    const Status &backup() const { return m_backup; }
    // After a verification that found other bytes: the copy of what the radio
    // holds, and its path.
    const Status &readBackCopy() const { return m_readBackCopy; }
    QString readBackPath() const { return m_readBackPath; }

    void progress(int position) override;
    bool shouldStop() override;
    bool retryAfterCommunicationError() override;

Q_SIGNALS:
    void progressChanged(int position);

private:
    const Kind m_kind;
    const QString m_portName;
    MemoryImage m_image;
    const std::atomic<bool> &m_cancel;
    QObject *m_questionContext;
    std::function<bool()> m_question;
    Status m_outcome;
    VerifiedWriteOutcome m_written;
    Status m_backup;
    Status m_readBackCopy;
    QString m_readBackPath;
};
