// htprog-cli check: the problems of an image's channel plan, one per line or as
// JSON. The exit status says what was found: 0 nothing, 1 problems, 2 any
// trouble (usage, a file not read), as for diff.
#include "channels/channelplan.h"
#include "cli/cli.h"
#include "cli/clioutput.h"
#include "settings/language.h"

#include <QDir>

namespace Cli {

namespace {

QString ProblemsJson(const QList<PlanProblem> &problems)
{
    QStringList items;
    for (const PlanProblem &p : problems) {
        items << QStringLiteral("  {\"ch\": %1, \"severity\": %2, \"kind\": %3, \"text\": %4}")
                     .arg(JsonString(RowLabel(p.record).trimmed()),
                         JsonString(PlanSeverityKeyword(p.severity)),
                         JsonString(PlanKindKeyword(p.kind)), JsonString(p.text));
    }
    if (items.isEmpty())
        return QStringLiteral("[]\n");
    return QStringLiteral("[\n") + items.join(QStringLiteral(",\n")) + QStringLiteral("\n]\n");
}

QString ProblemsText(const QList<PlanProblem> &problems)
{
    QString text;
    for (const PlanProblem &p : problems) {
        text += QStringList {RowLabel(p.record).trimmed(), PlanSeverityKeyword(p.severity),
                    PlanKindKeyword(p.kind), p.text}
                    .join(QLatin1Char('\t'))
            + QLatin1Char('\n');
    }
    return text;
}

} // namespace

int Check(const QStringList &arguments)
{
    QStringList args = arguments;
    const bool json = TakeFlag(args, QStringLiteral("--json"));
    QString error;
    if (!TakeLanguageOption(args, &error))
        return Usage(error);
    if (const int status = CheckPositional(QStringLiteral("check"), args, 1); status != kExitOk)
        return status;
    MemoryImage image {};
    qint64 size = 0;
    if (!LoadImage(args.first(), image, &size))
        return kExitDiffTrouble;
    if (size != kImageSize) {
        Fail(QStringLiteral("%1 is %2 bytes, not an %3-byte image; it cannot be checked")
                 .arg(QDir::toNativeSeparators(args.first()))
                 .arg(size)
                 .arg(kImageSize));
        return kExitDiffTrouble;
    }
    QVector<ChannelTexts> rows;
    for (int record = 0; record < ImageMap::kChannelCount; ++record)
        rows.append(DecodeChannel(image, record, g_bChinese));
    const QList<PlanProblem> problems
        = CheckChannelPlan(rows, LimitsOf(DecodeBands(image)), g_bChinese);
    Out(json ? ProblemsJson(problems) : ProblemsText(problems));
    return problems.isEmpty() ? kExitOk : kExitFailure;
}

} // namespace Cli
