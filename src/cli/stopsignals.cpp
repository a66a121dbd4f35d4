#include "cli/stopsignals.h"

#include <QtGlobal>
#include <atomic>

#ifdef Q_OS_UNIX
#include <csignal>
#elif defined(Q_OS_WIN)
#include <QtCore/qt_windows.h>
#endif

namespace Cli {

namespace {

std::atomic<void (*)()> g_onStop {nullptr};

#ifdef Q_OS_UNIX
extern "C" void OnStopSignal(int)
{
    if (auto onStop = g_onStop.load())
        onStop();
}
#elif defined(Q_OS_WIN)
// Ctrl+C and Ctrl+Break in the console, the console window closed, the user
// logging off: Windows calls this on a thread of its own.
BOOL WINAPI OnConsoleControl(DWORD event)
{
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        if (auto onStop = g_onStop.load()) {
            onStop();
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}
#endif

} // namespace

void CatchStopRequests(void (*onStop)())
{
    g_onStop = onStop;
#ifdef Q_OS_UNIX
    struct sigaction action = {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
#elif defined(Q_OS_WIN)
    static const bool installed = ::SetConsoleCtrlHandler(OnConsoleControl, TRUE) != FALSE;
    Q_UNUSED(installed)
#endif
}

void DefaultStopRequests()
{
    // On Windows the handler declines once there is nothing to call.
    g_onStop = nullptr;
#ifdef Q_OS_UNIX
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        ::signal(signal, SIG_DFL);
#endif
}

} // namespace Cli
