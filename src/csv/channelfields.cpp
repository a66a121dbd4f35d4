#include "csv/channelfields.h"

#include "channels/channelcolumns.h"

#include "channels/textnumbers.h"
#include "channels/tonetable.h"
#include "settings/language.h"
#include "settings/messages.h"
#include "settings/visibletext.h"

#include <QStringList>

namespace {

constexpr int kNameLength = 6; // what can be typed into the grid's name editor

} // namespace

QString LocalColumnName(int column)
{
    return ColumnHeader(column, g_bChinese);
}

QString CheckFrequencyField(
    int column, const QString &text, const BandLimitValues &limits, QString *normalised)
{
    // Only a text that is wholly a number is read: "145,5" must not pass as 145 MHz.
    if (!IsPlainDecimal(text)) {
        return ColumnCsvHeading(column) + QLatin1Char(' ') + QuotedInput(text.trimmed())
            + QStringLiteral(" is not a frequency in MHz (digits with a decimal point, as "
                             "146.525)");
    }
    const FrequencyCheck check = CheckFrequencyEntry(text.trimmed(), limits);
    if (check.status == FrequencyCheck::Accepted) {
        *normalised = check.text;
        return QString();
    }
    const int id = check.status == FrequencyCheck::OutOfRange ? kMsgOutOfRange : kMsgOffStep;
    return QStringLiteral("%1 (%2 %3)")
        .arg(MessageText(id), LocalColumnName(column), QuotedInput(text.trimmed()));
}

QString CheckToneField(int column, const QString &text, const QString &kept, QString *normalised)
{
    const QString tone = text.trimmed();
    if (tone.isEmpty() || tone == QString::fromUtf8("无")
        || tone.compare(QLatin1String("None"), Qt::CaseInsensitive) == 0) {
        *normalised = QStringLiteral("None");
        return QString();
    }
    static const ToneTable table(false);
    for (const QString &entry : table.texts()) {
        if (entry.compare(tone, Qt::CaseInsensitive) == 0) {
            *normalised = entry;
            return QString();
        }
    }
    // A text outside the list (bytes another program stored) is accepted only for
    // the channel that shows it now, whose bytes then stay as they are
    // (EncodeChannelExact): carried exactly, never turned into another code.
    if (!kept.isEmpty() && tone == kept) {
        *normalised = kept;
        return QString();
    }
    return LangText("%1 %2 is not a tone of the list (67.0 ... 254.1, D023N ... D754N, "
                    "D023I ... D754I or None)",
        "%1 %2 不是信令列表中的值（67.0 ... 254.1、D023N ... D754N、D023I ... D754I 或 None）")
        .arg(LocalColumnName(column), QuotedInput(tone));
}

QString CheckWordField(int column, const QString &text, QString *normalised)
{
    const QString word = text.trimmed();
    // The words of the column's pick list in both languages (the tone columns
    // have no words but a list of their own).
    const bool hasWords = ChannelColumnAt(column).editor == EditorKind::Choice;
    const QStringList english = hasWords ? ColumnChoices(column, false) : QStringList();
    const QStringList chinese = hasWords ? ColumnChoices(column, true) : QStringList();
    QStringList choices;
    for (qsizetype i = 0; i < english.size(); ++i) {
        if (word.compare(english.at(i), Qt::CaseInsensitive) == 0 || word == chinese.at(i)) {
            *normalised = english.at(i);
            return QString();
        }
        choices << english.at(i) << chinese.at(i);
    }
    // An empty cell means what an empty grid cell means when it is written.
    if (word.isEmpty()) {
        normalised->clear();
        return QString();
    }
    return LangText("%1 %2 is not one of %3", "%1 %2 不是以下之一：%3")
        .arg(LocalColumnName(column), QuotedInput(word), choices.join(QStringLiteral(", ")));
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

QString AdaptNameField(const QString &text, const QString &kept, QString *normalised)
{
    const QString name = UpperAscii(text.trimmed());
    if (!kept.isEmpty() && name == kept) {
        *normalised = kept;
        return QString();
    }
    const int longest = qMax(kNameLength, int(kept.size()));
    QString stored;
    for (QChar c : name) {
        if (IsRadioNameChar(c) && stored.size() < longest)
            stored += c;
    }
    *normalised = stored;
    if (stored == name)
        return QString();
    return QStringLiteral("name %1 stored as %2")
        .arg(QuotedInput(text.trimmed()), QuotedInput(stored));
}

QString CheckNameField(const QString &text, const QString &kept, QString *normalised)
{
    const QString name = UpperAscii(text.trimmed());
    const int longest = qMax(kNameLength, int(kept.size()));
    if (name.size() > longest) {
        return LangText("%1 %2 has more than %3 characters", "%1 %2 超过 %3 个字符")
            .arg(LocalColumnName(kColName), QuotedInput(name), QString::number(longest));
    }
    for (QChar c : name) {
        if (!IsRadioNameChar(c)) {
            return LangText("%1 %2: the radio cannot show %3 (use A-Z, 0-9, - and _)",
                "%1 %2：对讲机无法显示 %3（请使用 A-Z、0-9、- 和 _）")
                .arg(LocalColumnName(kColName), QuotedInput(name), QuotedInput(QString(c)));
        }
    }
    *normalised = name;
    return QString();
}

ChannelTexts UnsetCellTexts(const ChannelTexts &current, const QString &rx, bool newChannelValues)
{
    if (newChannelValues || current[kColRx].isEmpty())
        return NewChannelTexts(rx, false);
    return current;
}

QString FieldCountReason(int fields, int columns)
{
    return fields < columns
        ? LangText("the line has %1 fields where the header has %2 columns; is it cut short?",
            "该行有 %1 个字段，而标题行有 %2 列；该行是否不完整？")
              .arg(fields)
              .arg(columns)
        : LangText("more fields than the header has columns (%1 where the header has %2); a "
                   "value holding a comma must be in double quotes",
            "字段多于标题行的列数（%1 个，标题行有 %2 列）；含逗号的值须放在双引号中")
              .arg(fields)
              .arg(columns);
}
