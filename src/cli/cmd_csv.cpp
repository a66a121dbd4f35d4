// htprog-cli export and import: the channel table to and from CSV ("-" is
// standard output or input).
#include "cli/cli.h"
#include "cli/clioutput.h"
#include "csv/channelcsv.h"
#include "csv/channellists.h"
#include "files/fileaccess.h"
#include "files/filelock.h"
#include "settings/visibletext.h"

#include <QDir>
#include <QFile>
#include <algorithm>
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

// "--into-free" with an optional channel number after it (or "--into-free=N"):
// the next argument is taken as N when it is a number and the command's files
// are still there without it. first: -1 without the option.
bool TakeIntoFree(QStringList &args, int files, int *first, QString *error)
{
    *first = -1;
    const QString name = QStringLiteral("--into-free");
    for (int i = 0; i < args.size(); ++i) {
        QString value;
        if (args[i] == name) {
            args.removeAt(i);
            const bool number = i < args.size() && !args[i].isEmpty()
                && std::all_of(
                    args[i].cbegin(), args[i].cend(), [](QChar c) { return c.isDigit(); });
            if (number && args.size() - 1 >= files)
                value = args.takeAt(i);
        } else if (args[i].startsWith(name + QLatin1Char('='))) {
            value = args.takeAt(i).mid(name.size() + 1);
        } else {
            continue;
        }
        bool ok = true;
        *first = value.isEmpty() ? 1 : value.toInt(&ok);
        if (!ok || *first < 1 || *first >= ImageMap::kChannelCount) {
            *error = QStringLiteral("--into-free takes a channel 1-199, not '%1'")
                         .arg(ShortInput(value));
            return false;
        }
        return true;
    }
    return true;
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

int Lists(const QStringList &args)
{
    if (!args.isEmpty())
        return Usage(QStringLiteral("lists takes no arguments"));
    for (const ChannelList &list : ChannelLists())
        Out(list.name + QLatin1Char('\t') + list.english + QLatin1Char('\n'));
    return kExitOk;
}

int Import(const QStringList &arguments)
{
    QStringList args = arguments;
    const bool replace = TakeFlag(args, QStringLiteral("--replace"));
    const bool allowEmpty = TakeFlag(args, QStringLiteral("--allow-empty"));
    CsvImportOptions options;
    options.replace = replace;
    options.allowEmpty = allowEmpty;
    options.skipBad = TakeFlag(args, QStringLiteral("--skip-bad"));
    QString listName;
    bool fromList = false;
    if (!TakeOption(args, QStringLiteral("--list"), &listName, &fromList))
        return Usage(QStringLiteral("--list needs a value: a name that htprog-cli lists shows"));
    const int files = fromList ? 1 : 2;
    QString error;
    if (!TakeIntoFree(args, files, &options.intoFree, &error))
        return Usage(error);
    const ChannelList *list = fromList ? FindChannelList(listName) : nullptr;
    if (fromList && !list) {
        return Usage(QStringLiteral("unknown channel list '%1': htprog-cli lists shows them")
                         .arg(ShortInput(listName)));
    }
    // A list always goes into free channels, from channel 1 unless --into-free says.
    if (fromList && options.intoFree < 0)
        options.intoFree = 1;
    if (replace && options.intoFree >= 0) {
        return Usage(fromList
                ? QStringLiteral("--replace cannot be used with --list")
                : QStringLiteral("--replace and --into-free cannot be used together"));
    }
    if (const int status = CheckPositional(QStringLiteral("import"), args, files);
        status != kExitOk)
        return status;
    const QString &file = args[0];
    const QString csvPath = fromList ? list->name : args[1];
    if (!fromList && csvPath != QLatin1String("-")
        && !CheckOutput(QStringLiteral("import"), csvPath, file))
        return kExitFailure;
    // The whole read-modify-write under the lock: a second import or a read into
    // the same file waits, or fails and changes nothing.
    FileLock lock(file);
    MemoryImage image;
    QByteArray csv = fromList ? list->csv : QByteArray();
    if (!LockFile(lock) || !CheckRewritable(file) || !LoadImage(file, image)
        || (!fromList && !ReadCsv(csvPath, &csv)))
        return kExitFailure;

    const MemoryImage before = image;
    const CsvImportResult result = ImportChannelsCsv(csv, image, options);
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
    for (const SkippedLine &skipped : result.skipped) {
        std::fprintf(stderr, "htprog-cli: line %d skipped: %s\n", skipped.line,
            skipped.reason.text().toUtf8().constData());
    }
    if (result.rows.isEmpty() && !result.skipped.isEmpty()) {
        return Fail(QStringLiteral("no line of %1 could be imported; %2 was not changed")
                        .arg(QDir::toNativeSeparators(csvPath), QDir::toNativeSeparators(file)));
    }
    for (const Wording &note : result.notes)
        std::fprintf(stderr, "htprog-cli: %s\n", note.text().toUtf8().constData());
    if (options.intoFree >= 0 && !result.rows.isEmpty()) {
        QList<int> records;
        for (const ChannelRow &row : result.rows)
            records << row.record;
        std::fprintf(stderr, "htprog-cli: added into channels %s\n",
            RecordRangesText(records).toUtf8().constData());
    }
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
