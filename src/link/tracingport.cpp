#include "link/tracingport.h"

TracingPort::TracingPort(std::unique_ptr<RadioPort> inner, LinkTrace &trace)
    : m_inner(std::move(inner))
    , m_trace(trace)
    , m_counted(m_inner->countedMs())
{ }

void TracingPort::takeCountedTime()
{
    const qint64 counted = m_inner->countedMs();
    if (counted != m_counted)
        m_trace.addCountedTime(counted - m_counted);
    m_counted = counted;
}

bool TracingPort::write(const QByteArray &bytes)
{
    const bool wasFailed = m_inner->failed();
    // Stamped when handed to the line, before the time the write itself takes.
    if (!wasFailed)
        m_trace.sent(bytes);
    const bool written = m_inner->write(bytes);
    takeCountedTime();
    if (!wasFailed && m_inner->failed())
        m_trace.lineFailed();
    return written;
}

QByteArray TracingPort::read(int n)
{
    const bool wasFailed = m_inner->failed();
    const QByteArray data = m_inner->read(n);
    takeCountedTime();
    m_trace.received(data, data.size() < n);
    if (!wasFailed && m_inner->failed())
        m_trace.lineFailed();
    return data;
}

void TracingPort::sleep(int ms)
{
    m_inner->sleep(ms);
    takeCountedTime();
}
