#include "support/servedradio.h"

#include <QtGlobal>

ServedRadio::ServedRadio(
    const MemoryImage &memory, const FaultPlan &faults, bool paced, bool keepWire)
    : m_radio(memory, faults)
    , m_server(m_radio)
{
    if (keepWire)
        m_radio.keepWire();
    const Status opened = m_server.open();
    if (!opened.ok())
        qFatal("%s", qPrintable(opened.text()));
    m_server.setPaced(paced);
    m_path = m_server.devicePath();
    m_thread = std::thread([this] { m_server.run(); });
}

ServedRadio::~ServedRadio()
{
    stop();
}

SimulatedRadio &ServedRadio::stop()
{
    if (m_thread.joinable()) {
        m_server.stop();
        m_thread.join();
    }
    return m_radio;
}
