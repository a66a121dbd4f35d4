#include "cli/clioutput.h"

#include "channels/channelcolumns.h"

#include "cli/cli.h"
#include "settings/visibletext.h"

namespace Cli {

namespace {

bool IsWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF)
        || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF)
        || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
        || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

int DisplayWidth(const QString &text)
{
    int width = 0;
    for (char32_t c : text.toUcs4())
        width += IsWide(c) ? 2 : 1;
    return width;
}

} // namespace

QString JsonString(const QString &text)
{
    QString json = QStringLiteral("\"");
    for (QChar c : text) {
        switch (c.unicode()) {
        case '"':
            json += QStringLiteral("\\\"");
            break;
        case '\\':
            json += QStringLiteral("\\\\");
            break;
        case '\n':
            json += QStringLiteral("\\n");
            break;
        case '\r':
            json += QStringLiteral("\\r");
            break;
        case '\t':
            json += QStringLiteral("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                json += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                json += c;
        }
    }
    return json + QLatin1Char('"');
}

QString FormatTextTable(const QList<QStringList> &rows)
{
    QList<int> widths;
    for (const QStringList &row : rows) {
        for (int i = 0; i < row.size(); ++i) {
            if (i >= widths.size())
                widths.append(0);
            widths[i] = qMax(widths[i], DisplayWidth(row[i]));
        }
    }
    QString text;
    for (const QStringList &row : rows) {
        QString line;
        for (int i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size())
                line += QString(widths[i] - DisplayWidth(row[i]) + 2, QLatin1Char(' '));
        }
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        text += line + QLatin1Char('\n');
    }
    return text;
}

QString ChannelJsonKey(int column)
{
    return QLatin1String(ChannelColumnAt(column).jsonKey);
}

int CheckPositional(const QString &command, const QStringList &args, int count)
{
    for (const QString &arg : args) {
        if (arg.startsWith(QLatin1String("--")))
            return Usage(QStringLiteral("%1: unknown option '%2'").arg(command, ShortInput(arg)));
    }
    if (args.size() != count) {
        return Usage(QStringLiteral("%1: expected %2 file argument%3, got %4")
                         .arg(command)
                         .arg(count)
                         .arg(count == 1 ? QString() : QStringLiteral("s"))
                         .arg(args.size()));
    }
    return kExitOk;
}

} // namespace Cli
