// The link log of the latest transfer with the radio (whole image or squelch
// block), kept in memory for Help > Save Link Log. Kept by the thread that runs
// the transfer, read by the GUI thread.
#pragma once

#include "link/linktrace.h"

#include <memory>

// A new log for a transfer about to start, kept as the latest at once.
std::shared_ptr<LinkTrace> StartLinkLog();
// The latest log; null before the first transfer.
std::shared_ptr<const LinkTrace> LatestLinkLog();
// Forgets the latest log (tests).
void ForgetLinkLog();
