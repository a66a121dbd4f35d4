// Text helpers of htprog-cli's output: JSON strings, aligned text tables, and
// the check of a command's plain arguments.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace Cli {

// A JSON string literal, quotes included.
QString JsonString(const QString &text);
// Columns padded to their widest cell (wide CJK characters count two), one row
// a line, no trailing spaces.
QString FormatTextTable(const QList<QStringList> &rows);
// The key of a grid column in `channels --json` ("rx", "tx", "rx_tone", ...).
QString ChannelJsonKey(int column);
// Usage error unless args holds exactly count arguments and no leftover option.
int CheckPositional(const QString &command, const QStringList &args, int count);

} // namespace Cli
