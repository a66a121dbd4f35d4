// Placeholder until these commands are built.
#include "cli.h"
namespace Cli {
int New(const QStringList &) { return fail(QStringLiteral("not available in this build")); }
int Channels(const QStringList &) { return fail(QStringLiteral("not available in this build")); }
int Features(const QStringList &) { return fail(QStringLiteral("not available in this build")); }
int Export(const QStringList &) { return fail(QStringLiteral("not available in this build")); }
int Import(const QStringList &) { return fail(QStringLiteral("not available in this build")); }
} // namespace Cli
