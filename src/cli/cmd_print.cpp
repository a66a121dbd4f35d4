// htprog-cli print: the print-out of an image as an A4 PDF, drawn by the same
// renderer as the printer. The PDF is drawn in memory and written through a
// temporary file that is renamed into place only when all of it is on the disk.
#include "cli/cli.h"
#include "files/fileaccess.h"
#include "printrender/printrender.h"
#include "settings/language.h"
#include "settings/visibletext.h"

#include <QBuffer>
#include <QDir>
#include <QPageSize>
#include <QPdfWriter>

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
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(QStringLiteral("htprog print-out"));
        writer.setCreator(QStringLiteral("htprog-cli"));
        if (!RenderDocument(&writer, source, 1, CountPages(source.rows).pageCount())) {
            *error = QStringLiteral("could not draw the pages of %1").arg(path);
            return false;
        }
    }
    buffer.close();
    const Status saved = SaveFileBytes(path, pdf);
    if (!saved.ok()) {
        *error = QStringLiteral("writing %1 failed: %2; nothing was written")
                     .arg(QDir::toNativeSeparators(path), saved.text());
        return false;
    }
    return true;
}

} // namespace

int Print(const QStringList &arguments)
{
    QStringList args = arguments;
    QString error;
    if (!TakeLanguageOption(args, &error))
        return Usage(error);
    for (const QString &arg : args) {
        if (arg.startsWith(QLatin1String("--")))
            return Usage(QStringLiteral("print: unknown option '%1'").arg(ShortInput(arg)));
    }
    if (args.size() != 2)
        return Usage(QStringLiteral("print needs FILE and PDF"));

    PrintSource source;
    if (!CheckOutput(QStringLiteral("print"), args.at(0), args.at(1))
        || !LoadImage(args.at(0), source.image))
        return kExitFailure;
    source.rows = GridRows(source.image);
    source.owner = LanguageValue(QStringLiteral("Copyrights Owner"));
    source.chinese = g_bChinese;
    if (!WritePdf(args.at(1), source, &error))
        return Fail(error);
    return kExitOk;
}

} // namespace Cli
