// htprog-cli backups, and the backup copy that `read` keeps.
#include "backupstore.h"
#include "cli.h"

#include <QDir>
#include <cstdio>

namespace Cli {

QString KeepBackup(const MemoryImage &image, BackupKind kind)
{
    const BackupResult result = BackupStore().keep(image, kind);
    if (!result.ok()) {
        std::fprintf(stderr, "htprog-cli: warning: no backup was kept: %s\n",
            result.error.toUtf8().constData());
    }
    return result.path;
}

// One copy a line, newest first: path, date and time, non-empty channels ("-"
// for a file that is not a complete image) and the power-on name, tab-separated.
int Backups(const QStringList &args)
{
    if (!args.isEmpty())
        return usage(QStringLiteral("backups takes no arguments"));
    const BackupStore store;
    if (store.folder().isEmpty())
        return fail(QStringLiteral("there is no per-user data folder, so no backups"));
    for (const BackupEntry &entry : store.list()) {
        out(QDir::toNativeSeparators(entry.path) + QLatin1Char('\t')
            + entry.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QLatin1Char('\t')
            + (entry.channels < 0 ? QStringLiteral("-") : QString::number(entry.channels))
            + QLatin1Char('\t') + entry.powerOnName + QLatin1Char('\n'));
    }
    return kExitOk;
}

} // namespace Cli
