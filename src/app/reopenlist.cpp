#include "app/reopenlist.h"

#include <QRegularExpression>

namespace {

const QLatin1String kCellOption("--cell=");

} // namespace

QStringList ReopenArguments(const QList<ReopenedDocument> &documents)
{
    QStringList arguments;
    for (const ReopenedDocument &document : documents) {
        if (document.row >= 0 && document.column >= 0)
            arguments << kCellOption + QString::number(document.row) + QLatin1Char(',')
                    + QString::number(document.column);
        arguments << document.path;
    }
    return arguments;
}

QList<ReopenedDocument> ParseReopenArguments(const QStringList &arguments)
{
    static const QRegularExpression cell(QStringLiteral("^--cell=(\\d{1,4}),(\\d{1,4})$"));
    QList<ReopenedDocument> documents;
    ReopenedDocument next;
    for (const QString &argument : arguments) {
        const QRegularExpressionMatch match = cell.match(argument);
        if (match.hasMatch()) {
            next.row = match.captured(1).toInt();
            next.column = match.captured(2).toInt();
            continue;
        }
        next.path = argument;
        documents.append(next);
        next = ReopenedDocument();
    }
    return documents;
}
