#include "support/clirun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

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
const char kFullDiskScript[] = R"(folder=$1; pages=$2; inodes=$3; shift 3
mv "$folder" "$folder.files" && mkdir "$folder" || exit 99
options=size=256k; [ "$inodes" -ge 0 ] && options=$options,nr_inodes=64
mount -t tmpfs -o $options none "$folder" || exit 99
cp -a "$folder.files/." "$folder/"
touch "$folder/.mounted"
cat /dev/zero > "$folder/.fill" 2>/dev/null
size=$(stat -c %s "$folder/.fill")
truncate -s $((size - pages * 4096)) "$folder/.fill"
if [ "$inodes" -ge 0 ]; then
    mkdir "$folder/.inodes"; i=0; while touch "$folder/.inodes/$i" 2>/dev/null; do i=$((i + 1)); done
    while [ "$inodes" -gt 0 ] && [ "$i" -gt 0 ]; do
        i=$((i - 1)); inodes=$((inodes - 1)); rm "$folder/.inodes/$i"; done
fi
"$@"; status=$?
rm -rf "$folder/.fill" "$folder/.inodes"
rm -rf "$folder.files" && mkdir "$folder.files" && cp -a "$folder/." "$folder.files/"
exit $status
)";

// The home folder of the namespace's root is mounted over for the run.
const char kPrivateHomeScript[] = R"(list=$1; shift
home=$(getent passwd 0 | cut -d: -f6)
[ -d "$home" ] && mount -t tmpfs none "$home" || exit 99
"$@"; status=$?
(cd "$home" && find . -mindepth 1) > "$list"
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

CliRun RunCliOnFullDisk(const QStringList &args, const QString &folder, int freePages,
    const QProcessEnvironment &env, int freeInodes)
{
    QProcess process;
    if (!env.isEmpty())
        process.setProcessEnvironment(env);
    process.start(QStringLiteral("unshare"),
        QStringList {"--mount", "--map-root-user", "sh", "-c", kFullDiskScript, "sh", folder,
            QString::number(freePages), QString::number(freeInodes), CliPath()}
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

CliRun RunCliWithPrivateHome(const QStringList &args, const QString &workDir,
    const QProcessEnvironment &env, QStringList *homeFiles)
{
    QTemporaryDir listing;
    const QString list = listing.filePath(QStringLiteral("home-files"));
    QProcess process;
    process.setWorkingDirectory(workDir);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral("unshare"),
        QStringList {
            "--mount", "--map-root-user", "sh", "-c", kPrivateHomeScript, "sh", list, CliPath()}
            + args);
    CliRun run = Finish(process);
    QFile file(list);
    if (!file.open(QIODevice::ReadOnly)) {
        run.exitCode = -2;
        return run;
    }
    homeFiles->clear();
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.isEmpty())
            *homeFiles << QString::fromUtf8(line.mid(2)); // without "./"
    }
    return run;
}
