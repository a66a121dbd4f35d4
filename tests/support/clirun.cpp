#include "clirun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

CliRun Finish(QProcess &process)
{
    CliRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// The disk is the folder itself, mounted over; its files are copied in first and
// back out at the end (the mount vanishes with the namespace).
const char kFullDiskScript[] = R"(folder=$1; pages=$2; shift 2
mv "$folder" "$folder.files" && mkdir "$folder" || exit 99
mount -t tmpfs -o size=256k none "$folder" || exit 99
cp -a "$folder.files/." "$folder/"
touch "$folder/.mounted"
cat /dev/zero > "$folder/.fill" 2>/dev/null
size=$(stat -c %s "$folder/.fill")
truncate -s $((size - pages * 4096)) "$folder/.fill"
"$@"; status=$?
rm -f "$folder/.fill"
rm -rf "$folder.files" && mkdir "$folder.files" && cp -a "$folder/." "$folder.files/"
exit $status
)";

} // namespace

QString CliPath()
{
    return QStringLiteral(HTPROG_CLI);
}

CliRun RunCli(const QStringList &args, const QString &workDir, const QProcessEnvironment &env)
{
    QProcess process;
    if (!workDir.isEmpty())
        process.setWorkingDirectory(workDir);
    if (!env.isEmpty())
        process.setProcessEnvironment(env);
    process.start(CliPath(), args);
    return Finish(process);
}

CliRun RunCliOnFullDisk(
    const QStringList &args, const QString &folder, int freePages, const QProcessEnvironment &env)
{
    QProcess process;
    if (!env.isEmpty())
        process.setProcessEnvironment(env);
    process.start(QStringLiteral("unshare"),
        QStringList {"--mount", "--map-root-user", "sh", "-c", kFullDiskScript, "sh", folder,
            QString::number(freePages), CliPath()}
            + args);
    CliRun run = Finish(process);
    // The files the disk held are back in the folder.
    const QString files = folder + QStringLiteral(".files");
    const bool mounted = QFile::remove(files + QStringLiteral("/.mounted"));
    if (QFileInfo::exists(files)) {
        QDir(folder).removeRecursively();
        QDir().rename(files, folder);
    }
    if (!mounted)
        run.exitCode = -2;
    return run;
}
