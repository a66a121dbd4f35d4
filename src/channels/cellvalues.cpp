#include "channels/cellvalues.h"

#include "channels/channelcodec.h"
#include "channels/channelcolumns.h"
#include "channels/textnumbers.h"
#include "channels/tonetable.h"
#include "settings/visibletext.h"

#include <QRegularExpression>
#include <cmath>

namespace {

constexpr int kNameLength = 6; // what can be typed into the grid's name editor

// The CTCSS tone whose value the number is, compared in tenths of a hertz.
QString CtcssText(const QString &number)
{
    if (!IsPlainDecimal(number))
        return QString();
    const double tenths = LeadingNumber(number) * 10;
    if (std::abs(tenths - std::round(tenths)) > 1e-6)
        return QString();
    for (const QString &tone : ToneTable::ctcssTones()) {
        if (std::lround(LeadingNumber(tone) * 10) == std::lround(tenths))
            return tone;
    }
    return QString();
}

QString DcsText(const QString &text)
{
    static const QRegularExpression dcs(
        QStringLiteral("^D(\\d{1,3})([NI]?)$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = dcs.match(text);
    if (!match.hasMatch() || !ToneTable::dcsCodes().contains(match.captured(1).toInt()))
        return QString();
    const QString polarity = match.captured(2).toUpper();
    return QString::asprintf("D%03d", match.captured(1).toInt())
        + (polarity.isEmpty() ? QStringLiteral("N") : polarity);
}

} // namespace

QString ToneListText(const QString &text)
{
    const QString tone = text.trimmed();
    if (tone.isEmpty() || tone == QString::fromUtf8("无")
        || tone.compare(QLatin1String("None"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("None");
    if (tone.startsWith(QLatin1Char('D'), Qt::CaseInsensitive))
        return DcsText(tone);
    return CtcssText(tone);
}

QString ColumnWordText(int column, const QString &text, bool chinese)
{
    if (column < 0 || column >= kChannelColumns
        || ChannelColumnAt(column).editor != EditorKind::Choice)
        return QString();
    const QString word = text.trimmed();
    const QStringList english = ColumnChoices(column, false);
    const QStringList local = ColumnChoices(column, true);
    for (qsizetype i = 0; i < english.size(); ++i) {
        if (word.compare(english.at(i), Qt::CaseInsensitive) == 0 || word == local.at(i))
            return chinese ? local.at(i) : english.at(i);
    }
    return QString();
}

QString UpperAscii(const QString &text)
{
    QString upper = text;
    for (QChar &c : upper) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = c.toUpper();
    }
    return upper;
}

Wording AdaptName(const QString &text, const QString &kept, QString *stored)
{
    const QString name = UpperAscii(text.trimmed());
    if (!kept.isEmpty() && name == kept) {
        *stored = kept;
        return Wording();
    }
    const int longest = qMax(kNameLength, int(kept.size()));
    stored->clear();
    for (QChar c : name) {
        if (IsRadioNameChar(c) && stored->size() < longest)
            *stored += c;
    }
    if (*stored == name)
        return Wording();
    return Wording("CellValues", QT_TRANSLATE_NOOP("CellValues", "name %1 stored as %2"))
        .arg(QuotedInput(text.trimmed()))
        .arg(QuotedInput(*stored));
}

Wording ToneRefusal(const QString &columnName, const QString &text)
{
    return Wording("CellValues",
        QT_TRANSLATE_NOOP("CellValues",
            "%1 %2 is not a tone of the list (67.0 ... 254.1, D023N ... D754N, D023I ... D754I "
            "or None)"))
        .arg(columnName)
        .arg(QuotedInput(text.trimmed()));
}

Wording ChoiceRefusal(const QString &columnName, const QString &text, const QString &choices)
{
    return Wording("CellValues", QT_TRANSLATE_NOOP("CellValues", "%1 %2 is not one of %3"))
        .arg(columnName)
        .arg(QuotedInput(text.trimmed()))
        .arg(choices);
}
