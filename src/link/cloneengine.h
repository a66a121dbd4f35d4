// The whole-image transfer between a memory image and the radio: clone entry and
// identification handshake, then 1024 read blocks (8 bytes each, 12-byte replies)
// or 1018 write blocks that skip the squelch block 0x1F80-0x1F9F, closed by the
// 6 band-limit bytes 0x1FF0-0x1FF5. Progress advances at every 16-byte-aligned
// block; the observer is asked whether to stop at the protocol's poll points.
#pragma once

#include "image/memoryimage.h"
#include "link/radioport.h"
#include "status/status.h"

#include <QString>

class LinkTrace;

// How a transfer talks to whoever runs it. The engine may run on a worker thread:
// shouldStop() and retryAfterCommunicationError() are called on that thread.
class TransferObserver
{
public:
    virtual ~TransferObserver() = default;
    // The new progress position: 1 to 512 for a read, 1 to 509 for a write.
    virtual void progress(int position) { Q_UNUSED(position) }
    // A clone entry attempt begins: 1 to attempts (from 1 again after Retry).
    virtual void entryAttempt(int attempt, int attempts)
    {
        Q_UNUSED(attempt)
        Q_UNUSED(attempts)
    }
    // The handshake is done: the blocks follow.
    virtual void connected() { }
    // Tested at every poll point; true ends the transfer as Cancelled.
    virtual bool shouldStop() { return false; }
    // The Retry/Cancel question of message 61451; true answers Retry.
    virtual bool retryAfterCommunicationError() { return false; }
};

// A transfer ends with success or with one of: Cancelled (stopped at a poll
// point; no message), NoAnswer (message 61451 asked and answered Cancel),
// Interrupted (message 61454), or, when the port did not open, the kind of that
// failure (IsPortOpenFailure) with message 61453 and the port's reason as detail.

constexpr int kCloneEntryAttempts = 15; // before the Retry/Cancel question
constexpr int kReadProgressSteps = 512; // 1024 blocks, one step per 16 bytes
constexpr int kWriteProgressSteps = 509; // 1018 blocks below 0x1FF0, one step per 16 bytes

class CloneEngine
{
public:
    CloneEngine(RadioPort &port, TransferObserver &observer);

    // Reads all 8192 bytes; image changes only when every block arrived.
    Status readImage(MemoryImage &image);
    // Writes the image except 0x1F80-0x1F9F and 0x1FF6-0x1FFF.
    Status writeImage(const MemoryImage &image);

    static QByteArray readCommand(int address);
    static QByteArray writeCommand(int address, int length);

private:
    Status handshake();
    bool enterCloneMode();
    bool identify();
    bool poll(int times, int pauseMs);
    bool awaitAck();
    bool writeBlock(const MemoryImage &image, int address, int length);

    RadioPort &m_port;
    TransferObserver &m_observer;
};

// Opens portName with the clone profile, transfers, closes the port; with a
// trace, every byte of the session is recorded there.
Status ReadWholeImage(const QString &portName, MemoryImage &image, TransferObserver &observer,
    LinkTrace *trace = nullptr);
Status WriteWholeImage(const QString &portName, const MemoryImage &image,
    TransferObserver &observer, LinkTrace *trace = nullptr);
