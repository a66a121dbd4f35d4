// htprog-cli export and import: the channel table to and from CSV ("-" is
// standard output or input).
#include "cli/cli.h"
#include "cli/clioutput.h"
#include "csv/channelcsv.h"
#include "files/fileaccess.h"
#include "files/filelock.h"
#include "settings/visibletext.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace Cli {

namespace {

bool WriteCsv(const QString &path, const QByteArray &bytes)
{
    if (path == QLatin1String("-"))
        return OutBytes(bytes); // a failure is reported when the command ends
    const Status saved = SaveFileBytes(path, bytes);
    if (!saved.ok()) {
        Fail(QStringLiteral("writing %1 failed: %2; nothing was written")
                 .arg(QDir::toNativeSeparators(path), saved.text()));
        return false;
    }
    return true;
}

// At most one byte more than an import accepts is read, so a huge file, a pipe
// without end or /dev/zero on standard input is refused without filling memory.
bool ReadCsv(const QString &path, QByteArray *bytes)
{
    QFile file;
    Status read;
    if (path == QLatin1String("-")) {
        if (!file.open(stdin, QIODevice::ReadOnly))
            read = Status::fromFile(file);
    } else {
        read = OpenRegularFile(file, path);
    }
    if (read.ok()) {
        // A pipe gives its bytes a part at a time: read to its end, or past the limit.
        bytes->clear();
        while (bytes->size() <= kLargestCsvSize && file.error() == QFileDevice::NoError) {
            const QByteArray part = file.read(kLargestCsvSize + 1 - bytes->size());
            if (part.isEmpty())
                break;
            bytes->append(part);
        }
        if (file.error() == QFileDevice::NoError)
            return true;
        read = Status::fromFile(file);
    }
    Fail(QStringLiteral("cannot read %1: %2").arg(QDir::toNativeSeparators(path), read.text()));
    return false;
}

} // namespace

int Export(const QStringList &arguments)
{
    QStringList args = arguments;
    QString format = QStringLiteral("grid");
    bool present = false;
    if (!TakeOption(args, QStringLiteral("--format"), &format, &present))
        return Usage(QStringLiteral("--format needs a value: grid or community"));
    if (format != QLatin1String("grid") && format != QLatin1String("community"))
        return Usage(QStringLiteral("unknown CSV format '%1': use grid or community")
                         .arg(ShortInput(format)));
    if (const int status = CheckPositional(QStringLiteral("export"), args, 2); status != kExitOk)
        return status;
    MemoryImage image;
    if (!CheckOutput(QStringLiteral("export"), args[0], args[1]) || !LoadImage(args[0], image))
        return kExitFailure;
    const CsvLayout layout
        = format == QLatin1String("grid") ? CsvLayout::Grid : CsvLayout::Community;
    return WriteCsv(args[1], ExportChannelsCsv(image, layout)) ? kExitOk : kExitFailure;
}

int Import(const QStringList &arguments)
{
    QStringList args = arguments;
    const bool replace = TakeFlag(args, QStringLiteral("--replace"));
    const bool allowEmpty = TakeFlag(args, QStringLiteral("--allow-empty"));
    if (const int status = CheckPositional(QStringLiteral("import"), args, 2); status != kExitOk)
        return status;
    const QString &file = args[0];
    const QString &csvPath = args[1];
    if (csvPath != QLatin1String("-") && !CheckOutput(QStringLiteral("import"), csvPath, file))
        return kExitFailure;
    // The whole read-modify-write under the lock: a second import or a read into
    // the same file waits, or fails and changes nothing.
    FileLock lock(file);
    MemoryImage image;
    QByteArray csv;
    if (!LockFile(lock) || !CheckRewritable(file) || !LoadImage(file, image)
        || !ReadCsv(csvPath, &csv))
        return kExitFailure;

    const MemoryImage before = image;
    const CsvImportResult result = ImportChannelsCsv(csv, image, replace, allowEmpty);
    if (result.noChannels) {
        return Fail(QStringLiteral("no channels in %1; nothing changed (--allow-empty with "
                                   "--replace empties every channel)")
                        .arg(QDir::toNativeSeparators(csvPath)));
    }
    if (!result.ok()) {
        Fail(result.message());
        return Fail(QStringLiteral("nothing imported from %1; %2 was not changed")
                        .arg(QDir::toNativeSeparators(csvPath), QDir::toNativeSeparators(file)));
    }
    for (const QString &note : result.notes)
        std::fprintf(stderr, "htprog-cli: %s\n", note.toUtf8().constData());
    const bool changed = image != before;
    if (changed && !SaveImage(file, image))
        return kExitFailure;
    Done(changed ? QStringLiteral("%1 was changed").arg(QDir::toNativeSeparators(file))
                 : QStringLiteral("%1 already held these channels and was not changed")
                       .arg(QDir::toNativeSeparators(file)));
    Out(QStringLiteral("%1 channel%2 imported into %3\n")
            .arg(result.channels)
            .arg(result.channels == 1 ? QString() : QStringLiteral("s"))
            .arg(file));
    return kExitOk;
}

} // namespace Cli
