#include "settings/visibletext.h"

QString VisibleText(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n')
            shown += QStringLiteral("\\n");
        else if (u == u'\r')
            shown += QStringLiteral("\\r");
        else if (u == u'\t')
            shown += QStringLiteral("\\t");
        else if (u < 0x20 || (u >= 0x7F && u <= 0x9F))
            shown
                += QStringLiteral("\\x") + QString::number(u, 16).rightJustified(2, u'0').toUpper();
        else if (u == 0x2028 || u == 0x2029)
            shown += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

QString ShortInput(const QString &text)
{
    // Cut before escaping, so that forty NUL bytes show as forty "\x00", and
    // never between the two halves of a surrogate pair.
    qsizetype keep = text.size();
    if (keep > kLongestQuotedInput) {
        keep = kLongestQuotedInput;
        if (text.at(keep - 1).isHighSurrogate())
            --keep;
    }
    QString shown = VisibleText(text.left(keep));
    if (keep < text.size())
        shown += QChar(0x2026); // …
    return shown;
}

QString QuotedInput(const QString &text)
{
    return QLatin1Char('"') + ShortInput(text) + QLatin1Char('"');
}
