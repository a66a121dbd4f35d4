#include "channels/channelplan.h"

#include "settings/language.h"

#include <QHash>

namespace {

struct FieldInfo
{
    int column;
    const char *english;
    const char *chinese;
};
const FieldInfo kFrequencyFields[] = {{kColRx, "Rx", "接收"}, {kColTx, "Tx", "发射"}};

bool InBand(qint32 f, const BandLimitValues &limits)
{
    return IsStorableFrequency(f)
        && ((limits.vhfLow <= f && f < limits.vhfHigh)
            || (limits.uhfLow <= f && f < limits.uhfHigh));
}

bool OnStep(qint32 f)
{
    return f % 250 == 0 || f % 625 == 0;
}

QString Mhz(qint32 units)
{
    return QString::number(double(units) / 100000.0, 'g', 10);
}

QString BandsText(const BandLimitValues &limits)
{
    return QStringLiteral("VHF %1-%2 MHz, UHF %3-%4 MHz")
        .arg(Mhz(limits.vhfLow), Mhz(limits.vhfHigh), Mhz(limits.uhfLow), Mhz(limits.uhfHigh));
}

// "Rx 155.16000 MHz, Tx 155.76000 MHz": the frequency fields that fail test.
template<typename Test>
QString FailingFields(const ChannelTexts &row, bool chinese, Test test)
{
    QStringList fields;
    for (const FieldInfo &field : kFrequencyFields) {
        const QString &text = row[field.column];
        if (!text.isEmpty() && test(FrequencyUnits(text)))
            fields << PickText(chinese, field.english, field.chinese) + QLatin1Char(' ') + text
                    + QStringLiteral(" MHz");
    }
    return fields.join(chinese ? QStringLiteral("，") : QStringLiteral(", "));
}

QString ChannelName(int record, bool chinese)
{
    return PickText(chinese, "channel %1", "信道%1").arg(RowLabel(record).trimmed());
}

} // namespace

QList<PlanProblem> CheckChannelPlan(
    const QVector<ChannelTexts> &rows, const BandLimitValues &limits, bool chinese)
{
    QList<PlanProblem> problems;
    QHash<QString, int> firstOfChannel; // Rx, Tx and tones -> the first record
    QHash<QString, int> firstOfName;
    for (int record = 0; record < rows.size(); ++record) {
        const ChannelTexts &row = rows.at(record);
        if (row[kColRx].isEmpty())
            continue;
        const auto add = [&](PlanProblemKind kind, PlanSeverity severity, const QString &text,
                             int other = -1) {
            problems.append({record, kind, severity, other, text});
        };
        const QString outside
            = FailingFields(row, chinese, [&](qint32 f) { return !InBand(f, limits); });
        if (!outside.isEmpty())
            add(PlanProblemKind::OutOfBand, PlanSeverity::Error,
                PickText(chinese, "%1: outside the band limits (%2)", "%1：超出频段范围（%2）")
                    .arg(outside, BandsText(limits)));
        const QString offStep = FailingFields(row, chinese, [](qint32 f) { return !OnStep(f); });
        if (!offStep.isEmpty())
            add(PlanProblemKind::OffStep, PlanSeverity::Warning,
                PickText(chinese, "%1: not on a 2.5 kHz or 6.25 kHz step",
                    "%1：不在 2.5 kHz 或 6.25 kHz 步进上")
                    .arg(offStep));
        if (record == 0)
            continue;
        const QString key
            = QStringList {row[kColRx], row[kColTx], row[kColRxTone], row[kColTxTone]}.join(
                QLatin1Char('\t'));
        if (const int first = firstOfChannel.value(key, -1); first >= 0)
            add(PlanProblemKind::Duplicate, PlanSeverity::Warning,
                PickText(chinese, "Same Rx, Tx and tones as %1", "与%1的接收、发射频率和亚音相同")
                    .arg(ChannelName(first, chinese)),
                first);
        else
            firstOfChannel.insert(key, record);
        const QString &name = row[kColName];
        if (name.isEmpty())
            continue;
        if (const int first = firstOfName.value(name, -1); first >= 0)
            add(PlanProblemKind::DuplicateName, PlanSeverity::Warning,
                PickText(chinese, "Name \"%1\" is also used by %2", "名称“%1”已被%2使用")
                    .arg(name, ChannelName(first, chinese)),
                first);
        else
            firstOfName.insert(name, record);
    }
    return problems;
}

QString PlanKindKeyword(PlanProblemKind kind)
{
    switch (kind) {
    case PlanProblemKind::OutOfBand:
        return QStringLiteral("out-of-band");
    case PlanProblemKind::OffStep:
        return QStringLiteral("off-step");
    case PlanProblemKind::Duplicate:
        return QStringLiteral("duplicate");
    case PlanProblemKind::DuplicateName:
        break;
    }
    return QStringLiteral("duplicate-name");
}

QString PlanSeverityKeyword(PlanSeverity severity)
{
    return severity == PlanSeverity::Error ? QStringLiteral("error") : QStringLiteral("warning");
}

QString PlanSeverityText(PlanSeverity severity, bool chinese)
{
    return severity == PlanSeverity::Error ? PickText(chinese, "Error", "错误")
                                           : PickText(chinese, "Warning", "警告");
}

QString PlanKindText(PlanProblemKind kind, bool chinese)
{
    switch (kind) {
    case PlanProblemKind::OutOfBand:
        return PickText(chinese, "Outside the band limits", "超出频段范围");
    case PlanProblemKind::OffStep:
        return PickText(chinese, "Off the frequency step", "不在频率步进上");
    case PlanProblemKind::Duplicate:
        return PickText(chinese, "Same as another channel", "与其他信道相同");
    case PlanProblemKind::DuplicateName:
        break;
    }
    return PickText(chinese, "Name used twice", "名称重复");
}
