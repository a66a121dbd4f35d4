// The terminal that htprog-cli writes to. Output is UTF-8 bytes everywhere; on
// Windows the standard streams are switched to binary mode (no "\r\n" for
// "\n", so files and pipes get the same bytes as on Linux) and a console shows
// UTF-8, Chinese included, while the program runs.
#pragma once

#include <QStringList>
#include <cstdio>

namespace Cli {

void SetUpConsole();
// True when stream is a terminal (a console window on Windows).
bool IsTerminal(std::FILE *stream);
// The program's arguments as the system gives them: on Windows the wide command
// line (any file name, Chinese included), elsewhere argv in the locale's encoding.
QStringList CommandLineArguments(int argc, char *argv[]);

} // namespace Cli
