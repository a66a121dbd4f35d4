// Program.ini for the program and the CLI: g_iniFile loaded from the file that
// DataPaths chooses, and the interface language saved where the next start-up
// reads it (never into the shipped file, which belongs to the installation).
#pragma once

#include "status/status.h"

#include <QString>

class DataPaths;

namespace ProgramIni {

// Loads g_iniFile from paths.programIni(). With saveOnClose the store writes its
// changes back when it is destroyed, but only into a file that is the user's own.
// False when there is no Program.ini or it cannot be read.
bool Load(const DataPaths &paths, bool saveOnClose);

// Saves [Setup] "Language" of g_iniFile: in place when the store's file is the
// user's own, else in the user's copy, which starts as a copy of the file in use.
// Success when the next start-up reads the language, else why not.
Status SaveLanguage(const DataPaths &paths);

} // namespace ProgramIni
