// The words shown when the radio's port could not be opened: the program's own
// message, followed by what the user can do about the particular cause.
#pragma once

#include "radioport.h"

#include <QString>

// message + a blank line + the advice for the cause (no port chosen, missing
// device, no permission, in use by another program, anything else).
QString PortOpenFailureText(
    const QString &message, const QString &portName, OpenFailure failure, const QString &detail);
