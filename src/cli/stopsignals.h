// How the user or the system asks htprog-cli to end: Ctrl+C, SIGTERM (kill,
// shutdown) and SIGHUP (the terminal closed). A command that talks to the radio
// catches them, so that it stops between two blocks and ends the session cleanly
// instead of dying mid-block and leaving the radio waiting for the rest. On
// Windows: Ctrl+C, Ctrl+Break and the console window being closed.
#pragma once

namespace Cli {

// From now on, each request to end calls onStop (from a signal handler: it may
// only set an atomic flag or write to a pipe) instead of ending the process.
void CatchStopRequests(void (*onStop)());
// From now on, a request to end ends the process, as before CatchStopRequests.
void DefaultStopRequests();

} // namespace Cli
