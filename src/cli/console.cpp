#include "cli/console.h"

#ifdef _WIN32
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>
#else
#include <unistd.h>
#endif

namespace Cli {

#ifdef _WIN32
namespace {

UINT g_savedOutputCodePage = 0;

// The console belongs to the shell that started the program: its code page is
// given back when the program ends.
void RestoreCodePage()
{
    if (g_savedOutputCodePage != 0)
        ::SetConsoleOutputCP(g_savedOutputCodePage);
}

} // namespace

void SetUpConsole()
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    const UINT current = ::GetConsoleOutputCP();
    if (current != 0 && current != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8)) {
        g_savedOutputCodePage = current;
        std::atexit(RestoreCodePage);
    }
}

bool IsTerminal(std::FILE *stream)
{
    return _isatty(_fileno(stream)) != 0;
}

QStringList CommandLineArguments(int argc, char *argv[])
{
    QStringList arguments;
    int count = 0;
    if (LPWSTR *wide = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            arguments << QString::fromWCharArray(wide[i]);
        ::LocalFree(wide);
        return arguments;
    }
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}
#else
void SetUpConsole()
{ }

bool IsTerminal(std::FILE *stream)
{
    return ::isatty(fileno(stream)) == 1;
}

QStringList CommandLineArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}
#endif

} // namespace Cli
