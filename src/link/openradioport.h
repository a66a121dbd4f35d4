// Opening the radio port for one transfer: a serial device configured for the
// clone or squelch profile, or the in-process simulated radio for the name "sim",
// whose memory lives in a .dat file under the user's data folder (HTPROG_SIM_IMAGE
// names another file) and is created with the new-image defaults when missing.
// The file is locked while the port is open (FileLock): a second transfer through
// "sim" meanwhile finds the port busy, as it would a serial device in use.
#pragma once

#include "link/radioport.h"
#include "status/status.h"

#include <QString>
#include <memory>

class LinkTrace;

struct OpenedPort
{
    std::unique_ptr<RadioPort> port; // null when the port could not be opened
    // Why not: NotFound, NoAccess (no permission for the device), Busy (in use by
    // another program or transfer) or another failure, with the system's reason.
    Status status;
};

// With a trace, the port records every byte it passes there (TracingPort), and
// a port that does not open is noted in it.
OpenedPort OpenRadioPort(PortProfile profile, const QString &portName, LinkTrace *trace = nullptr);

// True for the status of a transfer that ended because its port did not open:
// every failure but Cancelled, NoAnswer and Interrupted, which are the
// protocols' own ends.
bool IsPortOpenFailure(const Status &transfer);

// The .dat file that holds the simulated radio's memory; empty when there is no
// per-user data folder (PrepareSimulatedImageFolder says why).
QString SimulatedImagePath();
// Readies the folder of a simulated radio's file: the default folder (the user's
// data folder) is made when missing; a file the user named (HTPROG_SIM_IMAGE,
// "simulate --image") must be in a folder that exists.
Status PrepareSimulatedImageFolder(const QString &path);
