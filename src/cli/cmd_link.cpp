// Placeholder until these commands are built.
#include "cli.h"
namespace Cli {
int Read(const QStringList &) { return fail(QStringLiteral("not available in this build")); }
int Write(const QStringList &) { return fail(QStringLiteral("not available in this build")); }
int SquelchRead(const QStringList &) { return fail(QStringLiteral("not available in this build")); }
int SquelchWrite(const QStringList &) { return fail(QStringLiteral("not available in this build")); }
int Ports(const QStringList &) { return fail(QStringLiteral("not available in this build")); }
int Simulate(const QStringList &) { return fail(QStringLiteral("not available in this build")); }
} // namespace Cli
