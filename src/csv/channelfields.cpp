#include "csv/channelfields.h"

#include "channels/cellvalues.h"
#include "channels/channelcolumns.h"
#include "channels/textnumbers.h"
#include "settings/language.h"
#include "settings/messages.h"
#include "settings/visibletext.h"

#include <QStringList>

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
    const QString listed = ToneListText(tone);
    if (!listed.isEmpty()) {
        *normalised = listed;
        return QString();
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
    *normalised = ColumnWordText(column, word, false);
    // An empty cell means what an empty grid cell means when it is written.
    if (!normalised->isEmpty() || word.isEmpty())
        return QString();
    // The words of the column's pick list in both languages.
    const QStringList english = ColumnChoices(column, false);
    const QStringList chinese = ColumnChoices(column, true);
    QStringList choices;
    for (qsizetype i = 0; i < english.size(); ++i)
        choices << english.at(i) << chinese.at(i);
    return LangText("%1 %2 is not one of %3", "%1 %2 不是以下之一：%3")
        .arg(LocalColumnName(column), QuotedInput(word), choices.join(QStringLiteral(", ")));
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

bool SkipRefusedLine(
    const CsvImportOptions &options, int line, const QString &reason, CsvImportResult *result)
{
    if (options.skipBad) {
        result->skipped.append({line, reason});
        return true;
    }
    result->errorLine = line;
    result->error = reason;
    return false;
}
