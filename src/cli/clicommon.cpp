#include "cli.h"
#include "csvtable.h"
#include "datfile.h"
#include "fileaccess.h"
#include "filelock.h"
#include "language.h"

#include <QDir>
#include <cerrno>
#include <cstdio>

namespace Cli {

namespace {

int g_outError = 0; // errno of the first write to stdout that failed

} // namespace

int fail(const QString &message)
{
    // Line by line, so that a NUL or an escape sequence from a file name or a
    // file's contents neither cuts the message short nor reaches the terminal.
    QStringList lines = message.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = VisibleText(line);
    const QByteArray bytes
        = "htprog-cli: " + lines.join(QLatin1Char('\n')).toUtf8() + QByteArray("\n");
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    return kExitFailure;
}

int usage(const QString &message)
{
    std::fprintf(stderr, "htprog-cli: %s\n(run 'htprog-cli --help' for the commands)\n",
        message.toUtf8().constData());
    return kExitUsage;
}

void out(const QString &text)
{
    outBytes(text.toUtf8());
}

bool outBytes(const QByteArray &bytes)
{
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()))
        return true;
    if (g_outError == 0)
        g_outError = errno != 0 ? errno : EIO;
    return false;
}

int finishOutput(int status)
{
    errno = 0;
    if (std::fflush(stdout) != 0 && g_outError == 0)
        g_outError = errno != 0 ? errno : EIO;
    if (std::ferror(stdout) && g_outError == 0)
        g_outError = EIO;
    if (g_outError == 0)
        return status;
    fail(QStringLiteral("cannot write to standard output: %1").arg(SystemReason(g_outError)));
    return kExitFailure;
}

bool loadImage(const QString &path, MemoryImage &image)
{
    const DatResult result = LoadDatFile(path, image);
    if (!result.ok())
        fail(result.message);
    return result.ok();
}

bool saveImage(const QString &path, const MemoryImage &image)
{
    const DatResult result = SaveDatFile(path, image);
    if (!result.ok())
        fail(result.message);
    return result.ok();
}

bool lockFile(FileLock &lock)
{
    if (lock.lock())
        return true;
    fail(lock.message());
    return false;
}

bool checkOutput(const QString &command, const QString &input, const QString &output)
{
    const bool toStdout = output == QLatin1String("-");
    // "export a.dat - >> a.dat" would append to the image it reads.
    if (toStdout ? IsOpenAs(1, input) : IsSameFile(input, output)) {
        fail(QStringLiteral("%1: %2 is the same file as %3, which it reads; nothing was written")
                 .arg(command, toStdout ? QStringLiteral("standard output") : output, input));
        return false;
    }
    QString why;
    if (!toStdout && !IsReplaceableFile(output, &why)) {
        fail(QStringLiteral("cannot write %1: %2; nothing was written")
                 .arg(QDir::toNativeSeparators(output), why));
        return false;
    }
    return true;
}

bool takeFlag(QStringList &args, const QString &name)
{
    return args.removeAll(name) > 0;
}

bool takeOption(QStringList &args, const QString &name, QString *value, bool *present)
{
    *present = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == name) {
            *present = true;
            if (i + 1 >= args.size())
                return false;
            *value = args[i + 1];
            args.remove(i, 2);
            return true;
        }
        if (args[i].startsWith(name + QLatin1Char('='))) {
            *present = true;
            *value = args[i].mid(name.size() + 1);
            args.removeAt(i);
            return true;
        }
    }
    return true;
}

bool takeLanguageOption(QStringList &args, QString *error)
{
    QString lang;
    bool present = false;
    if (!takeOption(args, QStringLiteral("--lang"), &lang, &present)) {
        *error = QStringLiteral("--lang needs a value: en or zh");
        return false;
    }
    if (!present || lang == QLatin1String("en")) {
        SetLanguageState(QStringLiteral("English"));
        return true;
    }
    if (lang == QLatin1String("zh")) {
        SetLanguageState(QStringLiteral("Chinese"));
        return true;
    }
    *error = QStringLiteral("unknown language '%1': use en or zh").arg(lang);
    return false;
}

} // namespace Cli
