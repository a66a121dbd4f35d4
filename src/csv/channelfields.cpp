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

Status CheckFrequencyField(
    int column, const QString &text, const BandLimitValues &limits, QString *normalised)
{
    // Only a text that is wholly a number is read: "145,5" must not pass as 145 MHz.
    if (!IsPlainDecimal(text)) {
        return CsvRefusal(QT_TRANSLATE_NOOP("ChannelCsv",
                              "%1 %2 is not a frequency in MHz (digits with a decimal point, as "
                              "146.525)"))
            .arg(LocalColumnName(column))
            .arg(QuotedInput(text.trimmed()));
    }
    const FrequencyCheck check = CheckFrequencyEntry(text.trimmed(), limits);
    if (check.status == FrequencyCheck::Accepted) {
        *normalised = check.text;
        return Status();
    }
    const int id = check.status == FrequencyCheck::OutOfRange ? kMsgOutOfRange : kMsgOffStep;
    return CsvRefusal(QT_TRANSLATE_NOOP("ChannelCsv", "%1 (%2 %3)"))
        .arg(MessageStatus(Status::Kind::BadInput, id))
        .arg(LocalColumnName(column))
        .arg(QuotedInput(text.trimmed()));
}

Status CheckToneField(int column, const QString &text, const QString &kept, QString *normalised)
{
    const QString tone = text.trimmed();
    const QString listed = ToneListText(tone);
    if (!listed.isEmpty()) {
        *normalised = listed;
        return Status();
    }
    // A text outside the list (bytes another program stored) is accepted only for
    // the channel that shows it now, whose bytes then stay as they are
    // (EncodeChannelExact): carried exactly, never turned into another code.
    if (!kept.isEmpty() && tone == kept) {
        *normalised = kept;
        return Status();
    }
    return Status(Status::Kind::BadInput, ToneRefusal(LocalColumnName(column), tone));
}

Status CheckWordField(int column, const QString &text, QString *normalised)
{
    const QString word = text.trimmed();
    *normalised = ColumnWordText(column, word, false);
    // An empty cell means what an empty grid cell means when it is written.
    if (!normalised->isEmpty() || word.isEmpty())
        return Status();
    // The words of the column's pick list in both languages.
    const QStringList english = ColumnChoices(column, false);
    const QStringList chinese = ColumnChoices(column, true);
    QStringList choices;
    for (qsizetype i = 0; i < english.size(); ++i)
        choices << english.at(i) << chinese.at(i);
    return Status(Status::Kind::BadInput,
        ChoiceRefusal(LocalColumnName(column), word, choices.join(QStringLiteral(", "))));
}

ChannelTexts UnsetCellTexts(const ChannelTexts &current, const QString &rx, bool newChannelValues)
{
    if (newChannelValues || current[kColRx].isEmpty())
        return NewChannelTexts(rx, false);
    return current;
}

Status FieldCountReason(int fields, int columns)
{
    return (fields < columns
            ? CsvRefusal(QT_TRANSLATE_NOOP("ChannelCsv",
                "the line has %1 fields where the header has %2 columns; is it cut short?"))
            : CsvRefusal(QT_TRANSLATE_NOOP("ChannelCsv",
                "more fields than the header has columns (%1 where the header has %2); a value "
                "holding a comma must be in double quotes")))
        .arg(fields)
        .arg(columns);
}

bool SkipRefusedLine(
    const CsvImportOptions &options, int line, const Status &reason, CsvImportResult *result)
{
    if (options.skipBad) {
        result->skipped.append({line, reason});
        return true;
    }
    result->status = reason;
    result->status.setLine(line);
    return false;
}
