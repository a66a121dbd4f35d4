// The simulated radio served on a pseudo-terminal by a background thread, so the
// real serial code can open it as a plugged-in radio.
#pragma once

#include "link/ptyserver.h"
#include "link/simulatedradio.h"

#include <QString>
#include <thread>

class ServedRadio
{
public:
    // keepWire: the radio keeps every byte it received and sent.
    explicit ServedRadio(const MemoryImage &memory, const FaultPlan &faults = {},
        bool paced = false, bool keepWire = false);
    ~ServedRadio();

    QString path() const { return m_path; }
    // Ends the serving thread; after it the radio may be inspected.
    SimulatedRadio &stop();

private:
    SimulatedRadio m_radio;
    PtyServer m_server;
    QString m_path;
    std::thread m_thread;
};
