// htprog-cli backups, and the backup copy that `read` keeps.
#include "backupstore.h"
#include "cli.h"
#include "csvtable.h"

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
    QString why;
    const QString folder = BackupStore::defaultFolder(&why);
    if (folder.isEmpty())
        return fail(QStringLiteral("there is no per-user data folder, so no backups: %1").arg(why));
    const QVector<BackupEntry> entries = BackupStore(folder).list(&why);
    if (!why.isEmpty())
        return fail(QStringLiteral("cannot list the backups: %1").arg(why));
    // Control characters of a name are written out, so that one entry stays one line.
    for (const BackupEntry &entry : entries) {
        out(VisibleText(QDir::toNativeSeparators(entry.path)) + QLatin1Char('\t')
            + entry.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QLatin1Char('\t')
            + (entry.channels < 0 ? QStringLiteral("-") : QString::number(entry.channels))
            + QLatin1Char('\t') + VisibleText(entry.powerOnName) + QLatin1Char('\n'));
    }
    return kExitOk;
}

} // namespace Cli
