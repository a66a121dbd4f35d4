#include "cli/diffoutput.h"

#include "channels/channelcolumns.h"
#include "cli/clioutput.h"
#include "settings/language.h"

namespace Cli {

namespace {

QString CellText(const QString &text)
{
    return DiffValueText(text, g_bChinese);
}

QString Section(DiffGroup group, const QList<QStringList> &rows)
{
    return DiffGroupTitle(group, g_bChinese) + QLatin1Char('\n') + FormatTextTable(rows);
}

QString JsonArray(const QStringList &members)
{
    if (members.isEmpty())
        return QStringLiteral("[]");
    return QStringLiteral("[\n    ") + members.join(QStringLiteral(",\n    "))
        + QStringLiteral("\n  ]");
}

} // namespace

QString DiffText(const ImageDiff &diff, const QString &titleA, const QString &titleB)
{
    QStringList sections;
    if (!diff.channels.isEmpty()) {
        QList<QStringList> rows {
            {ColumnHeader(-1, g_bChinese), LangText("Field", "项目"), titleA, titleB}};
        for (const ChannelDifference &c : diff.channels)
            rows << QStringList {c.channel, c.field, CellText(c.a), CellText(c.b)};
        sections << Section(DiffGroup::Channels, rows);
    }
    if (!diff.settings.isEmpty()) {
        QList<QStringList> rows {{LangText("Setting", "设置项"), titleA, titleB}};
        for (const SettingDifference &s : diff.settings)
            rows << QStringList {s.name, CellText(s.a), CellText(s.b)};
        sections << Section(DiffGroup::Settings, rows);
    }
    if (!diff.otherBytes.isEmpty()) {
        QList<QStringList> rows {{LangText("Address", "地址"), titleA, titleB}};
        for (const ByteRangeDifference &r : diff.otherBytes)
            rows << QStringList {ByteRangeText(r), ByteValuesText(r.a), ByteValuesText(r.b)};
        sections << Section(DiffGroup::OtherBytes, rows);
    }
    return sections.join(QLatin1Char('\n'));
}

QString DiffJson(const ImageDiff &diff)
{
    QStringList channels, settings, bytes;
    for (const ChannelDifference &c : diff.channels) {
        channels << QStringLiteral(
            "{\"ch\": %1, \"column\": %2, \"field\": %3, \"a\": %4, \"b\": %5}")
                        .arg(JsonString(c.channel), JsonString(ChannelJsonKey(c.column)),
                            JsonString(c.field), JsonString(c.a), JsonString(c.b));
    }
    for (const SettingDifference &s : diff.settings) {
        settings << QStringLiteral("{\"key\": %1, \"name\": %2, \"a\": %3, \"b\": %4}")
                        .arg(JsonString(s.key), JsonString(s.name), JsonString(s.a),
                            JsonString(s.b));
    }
    for (const ByteRangeDifference &r : diff.otherBytes) {
        bytes << QStringLiteral("{\"first\": %1, \"last\": %2, \"a\": \"%3\", \"b\": \"%4\"}")
                     .arg(r.first)
                     .arg(r.last)
                     .arg(QString::fromLatin1(r.a.toHex()), QString::fromLatin1(r.b.toHex()));
    }
    return QStringLiteral("{\n  \"same\": %1,\n  \"channels\": %2,\n  \"settings\": %3,\n"
                          "  \"other_bytes\": %4\n}\n")
        .arg(diff.same() ? QStringLiteral("true") : QStringLiteral("false"), JsonArray(channels),
            JsonArray(settings), JsonArray(bytes));
}

} // namespace Cli
