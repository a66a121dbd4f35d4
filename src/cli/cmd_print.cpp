// htprog-cli print: the print-out of an image as an A4 PDF, drawn by the same
// renderer as the printer. The PDF is written to a temporary file and renamed
// into place only when every page was drawn.
#include "cli.h"
#include "language.h"
#include "printrender.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace Cli {

namespace {

QVector<ChannelTexts> GridRows(const MemoryImage &image)
{
    QVector<ChannelTexts> rows;
    for (int record = 0; record < ImageMap::kChannelCount; ++record)
        rows << DecodeChannel(image, record, g_bChinese);
    return rows;
}

bool WritePdf(const QString &path, const PrintSource &source, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(QStringLiteral("htprog print-out"));
        writer.setCreator(QStringLiteral("htprog-cli"));
        if (!RenderDocument(&writer, source, 1, CountPages(source.rows).pageCount())) {
            *error = QStringLiteral("could not draw the pages of %1").arg(path);
            return false;
        }
    }
    // A flush that fails at the end (a full disk) would otherwise commit a cut-off PDF.
    if (!file.flush()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

int Print(const QStringList &arguments)
{
    QStringList args = arguments;
    QString error;
    if (!takeLanguageOption(args, &error))
        return usage(error);
    for (const QString &arg : args) {
        if (arg.startsWith(QLatin1String("--")))
            return usage(QStringLiteral("print: unknown option '%1'").arg(arg));
    }
    if (args.size() != 2)
        return usage(QStringLiteral("print needs FILE and PDF"));

    PrintSource source;
    if (!loadImage(args.at(0), source.image))
        return kExitFailure;
    source.rows = GridRows(source.image);
    source.owner = LanguageValue(QStringLiteral("Copyrights Owner"));
    source.chinese = g_bChinese;
    if (!WritePdf(args.at(1), source, &error))
        return fail(error);
    return kExitOk;
}

} // namespace Cli
