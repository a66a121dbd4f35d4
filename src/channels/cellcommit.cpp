#include "channels/cellcommit.h"

#include "channels/textnumbers.h"
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
        const bool inChannel = !row[kColRx].isEmpty() || !row[kColTx].isEmpty();
        result.row[column] = inChannel ? text : QString();
    } else {
        CommitRx(result, text, limits, chinese);
    }
    return result;
}
