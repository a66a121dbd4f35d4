// One transfer with the radio run on a worker thread: a whole-image read or
// write, or the squelch calibration block's own read or write. Progress leaves
// the thread as queued signals; the stop test reads the dialog's atomic cancel
// flag; the Retry/Cancel question is handed to the GUI thread, which answers it
// while the worker waits. A completed whole-image read and every whole-image
// write keep a backup copy of the image (a failure to keep it is only reported,
// never fails the transfer).
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
    enum class Kind { Read, Write, VerifiedWrite, SquelchRead, SquelchWrite };

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
    // After a successful read (of the whole image or of the squelch block): the
    // image given with the radio's bytes. Otherwise the image given.
    const MemoryImage &image() const { return m_image; }
    // The copy of the image read, or of the image about to be sent, and its path
    // (empty when none was kept). The copy of a write that did not complete is
    // noted as such in the store, with the block where it ended.
    const Status &backup() const { return m_backup; }
    QString backupPath() const { return m_backupPath; }
    // After a verification that found other bytes: the copy of what the radio
    // holds, and its path.
    const Status &readBackCopy() const { return m_readBackCopy; }
    QString readBackPath() const { return m_readBackPath; }

    void progress(int position) override;
    void entryAttempt(int attempt, int attempts) override;
    void connected() override;
    bool shouldStop() override;
    bool retryAfterCommunicationError() override;

Q_SIGNALS:
    void progressChanged(int position);
    void entryAttemptChanged(int attempt, int attempts);
    void connectedToRadio();

private:
    void noteUnfinishedWrite();

    const Kind m_kind;
    const QString m_portName;
    MemoryImage m_image;
    const std::atomic<bool> &m_cancel;
    QObject *m_questionContext;
    std::function<bool()> m_question;
    Status m_outcome;
    VerifiedWriteOutcome m_written;
    Status m_backup;
    QString m_backupPath;
    bool m_writeConnected = false; // the write's handshake was done
    int m_writePosition = 0; // the write's last progress step
    Status m_readBackCopy;
    QString m_readBackPath;
};
