// The words shown when the radio's port could not be opened (the program's own
// message, followed by what the user can do about the particular cause), and
// what a transfer reports when it ended.
#pragma once

#include "link/verifiedwrite.h"
#include "status/status.h"

#include <QString>

// message + a blank line + the advice for the cause of a port that did not open
// (no port chosen, missing device, no permission, in use by another program,
// anything else: the port's reason).
QString PortOpenFailureText(const QString &message, const QString &portName, const Status &failure);

// Why a transfer failed: its message, with the advice for a port that did not open.
QString TransferFailureText(const Status &transfer, const QString &portName);
// What a verified write found: "Written and verified", the channels and
// settings that the radio holds otherwise than they were sent, or "Written;
// could not verify: ..." (the write itself succeeded). Empty when the write
// failed or was not verified.
QString VerifiedWriteText(const VerifiedWriteOutcome &outcome, const QString &portName);
