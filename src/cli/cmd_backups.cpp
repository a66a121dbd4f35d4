// htprog-cli backups, and the backup copy that `read` keeps.
#include "backups/backupstore.h"
#include "cli/cli.h"
#include "csv/csvtable.h"

#include <QDir>
#include <cstdio>

namespace Cli {

QString KeepBackup(const MemoryImage &image, BackupKind kind)
{
    QString path;
    const Status kept = BackupStore().keep(image, kind, &path);
    if (!kept.ok()) {
        std::fprintf(stderr, "htprog-cli: warning: no backup was kept: %s\n",
            kept.text().toUtf8().constData());
    }
    return path;
}

// One copy a line, newest first: path, date and time, non-empty channels ("-"
// for a file that is not a complete image) and the power-on name, tab-separated.
int Backups(const QStringList &args)
{
    if (!args.isEmpty())
        return Usage(QStringLiteral("backups takes no arguments"));
    Status why;
    const QString folder = BackupStore::defaultFolder(&why);
    if (folder.isEmpty())
        return Fail(
            QStringLiteral("there is no per-user data folder, so no backups: %1").arg(why.text()));
    const QVector<BackupEntry> entries = BackupStore(folder).list(&why);
    if (!why.ok())
        return Fail(QStringLiteral("cannot list the backups: %1").arg(why.text()));
    // Control characters of a name are written out, so that one entry stays one line.
    for (const BackupEntry &entry : entries) {
        Out(VisibleText(QDir::toNativeSeparators(entry.path)) + QLatin1Char('\t')
            + entry.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QLatin1Char('\t')
            + (entry.channels < 0 ? QStringLiteral("-") : QString::number(entry.channels))
            + QLatin1Char('\t') + VisibleText(entry.powerOnName) + QLatin1Char('\n'));
    }
    return kExitOk;
}

} // namespace Cli
