// The texts of "htprog-cli --help" and "htprog-cli COMMAND --help": the manual
// page htprog-cli(1) in short. The synopses come from the command table, so a
// command and its help are listed together or not at all.
#pragma once

#include <QList>
#include <QString>

namespace Cli {

struct HelpEntry
{
    QString name;
    QString synopsis; // "read [--port P] [--no-backup] FILE"
};

// The overview: usage, the commands in the manual page's order, each with
// what it does, the exit status and where to read more.
QString OverviewHelp(QList<HelpEntry> commands);
// What one command does and its options.
QString CommandHelp(const HelpEntry &command);

} // namespace Cli
