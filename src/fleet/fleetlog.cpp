#include "fleet/fleetlog.h"

#include "compare/imagediff.h"
#include "csv/csvtable.h"

namespace {
constexpr int kMostDifferenceLines = 10;
} // namespace

FleetResult FleetResultOf(const VerifiedWriteOutcome &outcome)
{
    if (outcome.write.ok() && outcome.verify == VerifyResult::Verified)
        return FleetResult::Verified;
    if (outcome.write.ok() && outcome.verify == VerifyResult::Different)
        return FleetResult::Differs;
    return FleetResult::Failed;
}

QString FleetResultWord(FleetResult result)
{
    switch (result) {
    case FleetResult::Verified:
        return QStringLiteral("verified");
    case FleetResult::Differs:
        return QStringLiteral("differs");
    case FleetResult::Failed:
        break;
    }
    return QStringLiteral("failed");
}

QString FleetDifferences(
    const VerifiedWriteOutcome &outcome, bool chinese, const CIniFile &catalogue)
{
    const ImageDiff diff = DiffImages(outcome.expected, outcome.readBack, chinese, catalogue);
    return DiffLines(diff, chinese ? QStringLiteral("写入") : QStringLiteral("sent"),
        chinese ? QStringLiteral("对讲机") : QStringLiteral("radio"), chinese, kMostDifferenceLines)
        .join(QStringLiteral("; "));
}

QByteArray FleetLogCsv(const QVector<FleetRecord> &records)
{
    QString text = FormatCsvRecord({QStringLiteral("radio"), QStringLiteral("time"),
        QStringLiteral("power_on_name"), QStringLiteral("result"), QStringLiteral("detail")});
    for (const FleetRecord &record : records) {
        text += FormatCsvRecord({QString::number(record.radio),
            record.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
            FormulaGuard(record.powerOnName), FleetResultWord(record.result),
            FormulaGuard(record.detail)});
    }
    return text.toUtf8();
}

QString FleetLogName(const QDateTime &when)
{
    return QStringLiteral("fleet-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss"))
        + QStringLiteral(".csv");
}
