// One whole-image transfer run on a worker thread. Progress leaves the thread
// as queued signals; the stop test reads the dialog's atomic cancel flag; the
// Retry/Cancel question is handed to the GUI thread, which answers it while
// the worker waits.
#pragma once

#include "cloneengine.h"

#include <QObject>
#include <atomic>
#include <functional>

class TransferWorker : public QObject, public TransferObserver
{
    Q_OBJECT

public:
    // question runs on the thread of questionContext and answers true for Retry.
    TransferWorker(bool writeDirection, const QString &portName, const MemoryImage &image,
        const std::atomic<bool> &cancel, QObject *questionContext, std::function<bool()> question);

    // The transfer itself; called on the worker thread.
    void run();

    TransferOutcome outcome() const { return m_outcome; }
    // After a successful read: the radio's image. Otherwise the image given.
    const MemoryImage &image() const { return m_image; }

    void progress(int position) override;
    bool shouldStop() override;
    bool retryAfterCommunicationError() override;

Q_SIGNALS:
    void progressChanged(int position);

private:
    const bool m_writeDirection;
    const QString m_portName;
    MemoryImage m_image;
    const std::atomic<bool> &m_cancel;
    QObject *m_questionContext;
    std::function<bool()> m_question;
    TransferOutcome m_outcome;
};
