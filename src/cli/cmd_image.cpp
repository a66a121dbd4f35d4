// htprog-cli new, channels and features: images and what the grid and the
// print-out show of them.
#include "channels/channelcodec.h"
#include "channels/channelcolumns.h"
#include "cli/cli.h"
#include "cli/clioutput.h"
#include "files/filelock.h"
#include "print/featuretexts.h"
#include "settings/language.h"

namespace Cli {

namespace {

// Takes --json and --lang; the one FILE argument is left in args.
int TakeViewOptions(const QString &command, QStringList &args, bool *json)
{
    *json = TakeFlag(args, QStringLiteral("--json"));
    QString error;
    if (!TakeLanguageOption(args, &error))
        return Usage(error);
    return CheckPositional(command, args, 1);
}

QStringList ChannelHeadings()
{
    QStringList headings {ColumnHeader(-1, g_bChinese)}; // "CH"
    for (int column = 0; column < kChannelColumns; ++column)
        headings << ColumnHeader(column, g_bChinese);
    return headings;
}

QString ChannelsJson(const MemoryImage &image)
{
    QString json = QStringLiteral("[\n");
    for (int record = 0; record < ImageMap::kChannelCount; ++record) {
        const ChannelTexts texts = DecodeChannel(image, record, g_bChinese);
        json += QStringLiteral("  {\"ch\": ") + JsonString(RowLabel(record).trimmed());
        for (int c = 0; c < kChannelColumns; ++c) {
            json += QStringLiteral(", \"") + ChannelJsonKey(c) + QStringLiteral("\": ")
                + JsonString(texts[c]);
        }
        json += record + 1 < ImageMap::kChannelCount ? QStringLiteral("},\n")
                                                     : QStringLiteral("}\n");
    }
    return json + QStringLiteral("]\n");
}

QString ChannelsTable(const MemoryImage &image)
{
    QList<QStringList> rows {ChannelHeadings()};
    for (int record = 0; record < ImageMap::kChannelCount; ++record) {
        QStringList row {RowLabel(record)};
        for (const QString &text : DecodeChannel(image, record, g_bChinese))
            row << text;
        rows << row;
    }
    return FormatTextTable(rows);
}

} // namespace

int New(const QStringList &arguments)
{
    QStringList args = arguments;
    if (const int status = CheckPositional(QStringLiteral("new"), args, 1); status != kExitOk)
        return status;
    FileLock lock(args.first());
    return LockFile(lock) && SaveImage(args.first(), NewImage()) ? kExitOk : kExitFailure;
}

int Channels(const QStringList &arguments)
{
    QStringList args = arguments;
    bool json = false;
    if (const int status = TakeViewOptions(QStringLiteral("channels"), args, &json);
        status != kExitOk)
        return status;
    MemoryImage image;
    if (!LoadImage(args.first(), image))
        return kExitFailure;
    Out(json ? ChannelsJson(image) : ChannelsTable(image));
    return kExitOk;
}

int Features(const QStringList &arguments)
{
    QStringList args = arguments;
    bool json = false;
    if (const int status = TakeViewOptions(QStringLiteral("features"), args, &json);
        status != kExitOk)
        return status;
    MemoryImage image;
    if (!LoadImage(args.first(), image))
        return kExitFailure;
    const QVector<FeatureLine> lines = FeatureLines(image, g_bChinese);
    if (json) {
        QStringList members;
        for (const FeatureLine &line : lines)
            members << QStringLiteral("  ") + JsonString(line.key) + QStringLiteral(": ")
                    + JsonString(line.value);
        Out(QStringLiteral("{\n") + members.join(QStringLiteral(",\n")) + QStringLiteral("\n}\n"));
        return kExitOk;
    }
    QList<QStringList> rows;
    for (const FeatureLine &line : lines)
        rows << QStringList {line.label, line.value};
    Out(FormatTextTable(rows));
    return kExitOk;
}

} // namespace Cli
