#include "link/simulatedport.h"

#include "image/datfile.h"

#include <QDebug>

SimulatedPort::SimulatedPort(
    const MemoryImage &memory, PortProfile profile, const FaultPlan &faults)
    : m_radio(memory, faults)
    , m_timeouts(TimeoutsFor(profile))
{ }

SimulatedPort::~SimulatedPort()
{
    if (m_persistPath.isEmpty() || !m_radio.modified())
        return;
    const Status saved = SaveDatFile(m_persistPath, m_radio.memory());
    if (!saved.ok())
        qWarning("simulated radio: %s", qPrintable(saved.text()));
}

void SimulatedPort::purge(PurgeKind kind)
{
    if (kind == PurgeKind::Clear)
        m_input.clear();
}

bool SimulatedPort::write(const QByteArray &bytes)
{
    if (failed())
        return false;
    m_input += m_radio.receive(bytes);
    return !failed();
}

QByteArray SimulatedPort::read(int n)
{
    if (failed())
        return {};
    const QByteArray data = m_input.left(n);
    m_input.remove(0, data.size());
    if (data.size() < n) {
        // Nothing at all: the total time runs out; some bytes: the gap after the last one.
        m_elapsedMs += data.isEmpty() ? m_timeouts.readTotal(n)
                                      : qMin(m_timeouts.readTotal(n), m_timeouts.readInterval + 1);
    }
    return data;
}
