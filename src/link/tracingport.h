// A radio port that records every byte crossing it in a LinkTrace and otherwise
// passes everything through: the recording is an append to memory, so the
// timing on the wire stays as it was. Time a simulated port counts instead of
// spending moves the trace's clock on too.
#pragma once

#include "link/linktrace.h"
#include "link/radioport.h"

#include <memory>

class TracingPort : public RadioPort
{
public:
    TracingPort(std::unique_ptr<RadioPort> inner, LinkTrace &trace);

    void purge(PurgeKind kind) override { m_inner->purge(kind); }
    bool write(const QByteArray &bytes) override;
    QByteArray read(int n) override;
    void sleep(int ms) override;
    bool failed() const override { return m_inner->failed(); }
    qint64 countedMs() const override { return m_inner->countedMs(); }

    using RadioPort::write;

private:
    void takeCountedTime();

    std::unique_ptr<RadioPort> m_inner;
    LinkTrace &m_trace;
    qint64 m_counted = 0; // of the inner port, already added to the trace's clock
};
