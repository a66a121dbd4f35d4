#include "channels/cellcommit.h"

#include "channels/cellvalues.h"
#include "channels/channelcolumns.h"
#include "channels/textnumbers.h"
#include "channels/tonetable.h"
#include "settings/language.h"
#include "settings/messages.h"

namespace {

int MessageFor(FrequencyCheck::Status status)
{
    return status == FrequencyCheck::OutOfRange ? kMsgOutOfRange : kMsgOffStep;
}

// The Rx cell: the channel exists exactly while this cell holds a frequency.
void CommitRx(CellCommit &result, const QString &text, const BandLimitValues &limits, bool chinese)
{
    const bool wasEmpty = result.row[kColRx].isEmpty();
    if (text.isEmpty()) {
        result.row = ChannelTexts();
        return;
    }
    const FrequencyCheck check = CheckFrequencyEntry(text, limits);
    if (check.status != FrequencyCheck::Accepted) {
        result.message = MessageFor(check.status);
        result.row = ChannelTexts();
        return;
    }
    if (wasEmpty)
        result.row = NewChannelTexts(check.text, chinese);
    else
        result.row[kColRx] = check.text;
}

// The Tx cell: an off-step value clears the whole channel when the cell is left by
// moving, only the Tx cell with Enter; out of range clears only the Tx cell.
void CommitTx(CellCommit &result, const QString &text, CellExit exit, const BandLimitValues &limits)
{
    const bool hasRx = !result.row[kColRx].isEmpty();
    if (text.isEmpty()) {
        result.row[kColTx].clear();
        return;
    }
    const FrequencyCheck check = CheckFrequencyEntry(text, limits);
    if (check.status == FrequencyCheck::Accepted) {
        result.row[kColTx] = hasRx ? check.text : QString();
        return;
    }
    result.message = MessageFor(check.status);
    if (check.status == FrequencyCheck::OffStep && exit == CellExit::Move)
        result.row = ChannelTexts();
    else
        result.row[kColTx].clear();
}

// A frequency text that is not wholly a number ("146,525", "146.52abc", "1.4e2")
// is refused and the row stays as it was: reading the number at its front would
// store a frequency nobody typed.
bool RefuseNonNumber(CellCommit &result, const QString &text)
{
    if (text.isEmpty() || IsPlainDecimal(text))
        return false;
    result.message = kMsgNotAFrequency;
    return true;
}

// The text a tone, list or name cell takes: the list's own text in the interface
// language, the name as the radio stores it. A text of the row kept as it is
// (a tone another program stored) is taken unchanged.
QString CellValue(
    CellCommit &result, const ChannelTexts &row, int column, const QString &text, bool chinese)
{
    if (column == kColName) {
        QString stored;
        result.note = AdaptName(text, row[kColName], &stored);
        return stored;
    }
    if (text == row[column] && !text.isEmpty())
        return text;
    if (column == kColRxTone || column == kColTxTone) {
        const QString tone = ToneListText(text);
        if (tone.isEmpty())
            result.refusal = ToneRefusal(ColumnHeader(column, chinese), text);
        return tone == QLatin1String("None") ? ToneTable(chinese).at(0) : tone;
    }
    const QString word = ColumnWordText(column, text, chinese);
    if (word.isEmpty()) {
        QStringList choices = ColumnChoices(column, chinese);
        result.refusal = ChoiceRefusal(
            ColumnHeader(column, chinese), text, choices.join(PickText(chinese, ", ", "、")));
    }
    return word;
}

} // namespace

CellCommit CommitCellText(const ChannelTexts &row, int column, const QString &text, CellExit exit,
    const BandLimitValues &limits, bool chinese)
{
    CellCommit result;
    result.row = row;
    if ((column == kColRx || column == kColTx || column < 0 || column >= kChannelColumns)
        && RefuseNonNumber(result, text))
        return result;
    if (column == kColTx) {
        CommitTx(result, text, exit, limits);
    } else if (column > kColTx && column < kChannelColumns) {
        // Typed into an empty row, the text is discarded unread.
        const bool inChannel = !row[kColRx].isEmpty() || !row[kColTx].isEmpty();
        const QString value = inChannel ? CellValue(result, row, column, text, chinese) : QString();
        if (result.refusal.isEmpty())
            result.row[column] = value;
    } else {
        CommitRx(result, text, limits, chinese);
    }
    return result;
}
