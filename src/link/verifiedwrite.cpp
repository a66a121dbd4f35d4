#include "link/verifiedwrite.h"

#include <algorithm>

namespace {

// The verifying read's progress continues where the write's ended.
class ReadAfterWriteObserver : public TransferObserver
{
public:
    explicit ReadAfterWriteObserver(TransferObserver &outer)
        : m_outer(outer)
    { }
    void progress(int position) override { m_outer.progress(kWriteProgressSteps + position); }
    void entryAttempt(int attempt, int attempts) override
    {
        m_outer.entryAttempt(attempt, attempts);
    }
    void connected() override { m_outer.connected(); }
    bool shouldStop() override { return m_outer.shouldStop(); }
    bool retryAfterCommunicationError() override { return m_outer.retryAfterCommunicationError(); }

private:
    TransferObserver &m_outer;
};

} // namespace

MemoryImage WithWrittenBytes(const MemoryImage &radio, const MemoryImage &sent)
{
    MemoryImage expected = radio;
    for (const WriteBlock &block : WholeImageWriteBlocks()) {
        const auto from = sent.begin() + block.address;
        std::copy(from, from + block.length, expected.begin() + block.address);
    }
    return expected;
}

VerifiedWriteOutcome WriteWholeImageVerified(const QString &portName, const MemoryImage &image,
    TransferObserver &observer, bool verify, LinkTrace *trace)
{
    VerifiedWriteOutcome outcome;
    outcome.write = WriteWholeImage(portName, image, observer, trace);
    if (!verify || !outcome.write.ok())
        return outcome;
    ReadAfterWriteObserver readObserver(observer);
    outcome.readBack = image;
    outcome.verifyRead = ReadWholeImage(portName, outcome.readBack, readObserver, trace);
    if (!outcome.verifyRead.ok()) {
        outcome.verify = VerifyResult::NotVerified;
        return outcome;
    }
    outcome.expected = WithWrittenBytes(outcome.readBack, image);
    outcome.verify
        = outcome.expected == outcome.readBack ? VerifyResult::Verified : VerifyResult::Different;
    return outcome;
}
