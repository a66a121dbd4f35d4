#include "cli/cli.h"
#include "csv/csvtable.h"
#include "files/fileaccess.h"
#include "files/filelock.h"
#include "image/datfile.h"
#include "settings/language.h"
#include "settings/visibletext.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdio>

namespace Cli {

namespace {

int g_outError = 0; // errno of the first write to stdout that failed
bool g_outErrorReported = false;
QString g_done; // what the command has done, once its work is done

} // namespace

int Fail(const QString &message)
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

int Fail(const Status &status)
{
    return Fail(status.text());
}

int Usage(const QString &message)
{
    std::fprintf(stderr, "htprog-cli: %s\n(run 'htprog-cli --help' for the commands)\n",
        message.toUtf8().constData());
    return kExitUsage;
}

void Out(const QString &text)
{
    OutBytes(text.toUtf8());
}

bool OutBytes(const QByteArray &bytes)
{
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()))
        return true;
    if (g_outError == 0)
        g_outError = errno != 0 ? errno : EIO;
    return false;
}

void Done(const QString &what)
{
    g_done = what;
}

int FinishOutput(int status, int failureStatus)
{
    errno = 0;
    if (std::fflush(stdout) != 0 && g_outError == 0)
        g_outError = errno != 0 ? errno : EIO;
    if (std::ferror(stdout) && g_outError == 0)
        g_outError = EIO;
    if (g_outError == 0)
        return status;
    const QString reason = QStringLiteral("cannot write to standard output: %1")
                               .arg(Status::fromErrno(g_outError).text());
    if (status == kExitOk && !g_done.isEmpty()) {
        if (!g_outErrorReported)
            Fail(QStringLiteral("warning: %1; the summary could not be printed (%2)")
                     .arg(g_done, reason));
        g_outErrorReported = true;
        return kExitOk;
    }
    if (!g_outErrorReported)
        Fail(reason);
    g_outErrorReported = true;
    return qMax(status, failureStatus);
}

namespace {

// False, with the failure printed, when status is one.
bool Succeeded(const Status &status)
{
    if (!status.ok())
        Fail(status);
    return status.ok();
}

} // namespace

bool LoadImage(const QString &path, MemoryImage &image, qint64 *fileSize)
{
    return Succeeded(LoadDatFile(path, image, fileSize));
}

bool SaveImage(const QString &path, const MemoryImage &image)
{
    return Succeeded(SaveDatFile(path, image));
}

bool CheckRewritable(const QString &path)
{
    return Succeeded(CheckImageSize(path));
}

bool CheckArgumentEncoding(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    // Windows gives the arguments as UTF-16 (the wide command line): every name
    // can be handled.
    Q_UNUSED(argc)
    Q_UNUSED(argv)
    return true;
#endif
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        if (QFile::encodeName(QFile::decodeName(bytes)) == bytes)
            continue;
        Fail(QStringLiteral("the argument %1 is not valid UTF-8, so a file of "
                            "that name cannot be handled; rename the file")
                 .arg(QuotedInput(QFile::decodeName(bytes))));
        return false;
    }
    return true;
}

bool LockFile(FileLock &lock)
{
    return Succeeded(lock.lock());
}

bool CheckOutput(const QString &command, const QString &input, const QString &output)
{
    const bool toStdout = output == QLatin1String("-");
    // "export a.dat - >> a.dat" would append to the image it reads.
    if (toStdout ? IsOpenAs(1, input) : IsSameFile(input, output)) {
        Fail(QStringLiteral("%1: %2 is the same file as %3, which it reads; nothing was written")
                 .arg(command, toStdout ? QStringLiteral("standard output") : output, input));
        return false;
    }
    const Status replaceable = toStdout ? Status() : CheckReplaceableFile(output);
    if (!replaceable.ok()) {
        Fail(QStringLiteral("cannot write %1: %2; nothing was written")
                 .arg(QDir::toNativeSeparators(output), replaceable.text()));
        return false;
    }
    return true;
}

bool TakeFlag(QStringList &args, const QString &name)
{
    return args.removeAll(name) > 0;
}

bool TakeOption(QStringList &args, const QString &name, QString *value, bool *present)
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

bool TakeLanguageOption(QStringList &args, QString *error)
{
    QString lang;
    bool present = false;
    if (!TakeOption(args, QStringLiteral("--lang"), &lang, &present)) {
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
    *error = QStringLiteral("unknown language '%1': use en or zh").arg(ShortInput(lang));
    return false;
}

} // namespace Cli
