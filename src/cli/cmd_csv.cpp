// htprog-cli export and import: the channel table to and from CSV ("-" is
// standard output or input).
#include "channelcsv.h"
#include "cli.h"
#include "clioutput.h"

#include <QFile>
#include <QSaveFile>
#include <cstdio>

namespace Cli {

namespace {

bool writeCsv(const QString &path, const QByteArray &bytes)
{
    if (path == QLatin1String("-")) {
        const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout)
                == size_t(bytes.size())
            && std::fflush(stdout) == 0;
        if (!written)
            fail(QStringLiteral("cannot write to standard output"));
        return written;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit()) {
        const QString why = file.errorString();
        file.cancelWriting();
        fail(QStringLiteral("writing %1 failed: %2; nothing was written").arg(path, why));
        return false;
    }
    return true;
}

bool readCsv(const QString &path, QByteArray *bytes)
{
    QFile file;
    const bool opened = path == QLatin1String("-")
        ? file.open(stdin, QIODevice::ReadOnly)
        : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened) {
        fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

} // namespace

int Export(const QStringList &arguments)
{
    QStringList args = arguments;
    QString format = QStringLiteral("grid");
    bool present = false;
    if (!takeOption(args, QStringLiteral("--format"), &format, &present))
        return usage(QStringLiteral("--format needs a value: grid or community"));
    if (format != QLatin1String("grid") && format != QLatin1String("community"))
        return usage(QStringLiteral("unknown CSV format '%1': use grid or community").arg(format));
    if (const int status = checkPositional(QStringLiteral("export"), args, 2); status != kExitOk)
        return status;
    MemoryImage image;
    if (!loadImage(args[0], image))
        return kExitFailure;
    const CsvLayout layout
        = format == QLatin1String("grid") ? CsvLayout::Grid : CsvLayout::Community;
    return writeCsv(args[1], ExportChannelsCsv(image, layout)) ? kExitOk : kExitFailure;
}

int Import(const QStringList &arguments)
{
    QStringList args = arguments;
    const bool replace = takeFlag(args, QStringLiteral("--replace"));
    if (const int status = checkPositional(QStringLiteral("import"), args, 2); status != kExitOk)
        return status;
    MemoryImage image;
    QByteArray csv;
    if (!loadImage(args[0], image) || !readCsv(args[1], &csv))
        return kExitFailure;

    const MemoryImage before = image;
    const CsvImportResult result = ImportChannelsCsv(csv, image, replace);
    if (!result.ok()) {
        fail(result.message());
        return fail(
            QStringLiteral("nothing imported from %1; %2 was not changed").arg(args[1], args[0]));
    }
    for (const QString &note : result.notes)
        std::fprintf(stderr, "htprog-cli: %s\n", note.toUtf8().constData());
    if (image != before && !saveImage(args[0], image))
        return kExitFailure;
    out(QStringLiteral("%1 channel%2 imported into %3\n")
            .arg(result.channels)
            .arg(result.channels == 1 ? QString() : QStringLiteral("s"))
            .arg(args[0]));
    return kExitOk;
}

} // namespace Cli
