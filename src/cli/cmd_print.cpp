// Placeholder until these commands are built.
#include "cli.h"
namespace Cli {
int Print(const QStringList &) { return fail(QStringLiteral("not available in this build")); }
} // namespace Cli
