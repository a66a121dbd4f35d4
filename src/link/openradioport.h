// Opening the radio port for one transfer: a serial device configured for the
// clone or squelch profile, or the in-process simulated radio for the name "sim",
// whose memory lives in a .dat file under the user's data folder (HTPROG_SIM_IMAGE
// names another file) and is created with the new-image defaults when missing.
#pragma once

#include "radioport.h"

#include <QString>
#include <memory>

struct OpenedPort
{
    std::unique_ptr<RadioPort> port; // null when the port could not be opened
    OpenFailure failure = OpenFailure::None;
    QString detail; // the system's reason, for the log or the CLI
};

OpenedPort OpenRadioPort(PortProfile profile, const QString &portName);

// The .dat file that holds the simulated radio's memory.
QString SimulatedImagePath();
