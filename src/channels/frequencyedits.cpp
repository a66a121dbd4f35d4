#include "channels/frequencyedits.h"

#include "channels/textnumbers.h"
#include "settings/language.h"
#include "settings/messages.h"

#include <QtGlobal>
#include <algorithm>
#include <limits>

namespace {

// units + amount as a typed frequency: checked, or the reason it is refused.
Status CheckedFrequency(qint32 units, qint32 amount, const BandLimitValues &limits, QString *text)
{
    // In 64 bits: no amount wraps a frequency round into the bands.
    const qint64 moved = qint64(units) + amount;
    const QString typed
        = FormatFrequency(qint32(std::clamp<qint64>(moved, 0, std::numeric_limits<qint32>::max())));
    const FrequencyCheck check = moved < 0 ? FrequencyCheck {FrequencyCheck::OutOfRange, 0, typed}
                                           : CheckFrequencyEntry(typed, limits);
    if (check.status == FrequencyCheck::Accepted) {
        *text = check.text;
        return Status();
    }
    *text = typed;
    return MessageStatus(Status::Kind::BadInput,
        check.status == FrequencyCheck::OutOfRange ? kMsgOutOfRange : kMsgOffStep);
}

QString Refusal(
    int record, const char *field, const QString &text, const Status &reason, bool chinese)
{
    return PickText(chinese, "channel %1: %2 %3: %4", "信道%1：%2 %3：%4")
        .arg(RowLabel(record).trimmed(), QString::fromLatin1(field), text, reason.text());
}

} // namespace

bool ParseFrequencyOffset(const QString &text, qint32 *units)
{
    QString number = text.trimmed();
    if (number.compare(QLatin1String("simplex"), Qt::CaseInsensitive) == 0) {
        *units = 0;
        return true;
    }
    bool negative = false;
    if (number.startsWith(QLatin1Char('+'))) {
        number.remove(0, 1);
    } else if (number.startsWith(QLatin1Char('-')) || number.startsWith(QChar(0x2212))) {
        negative = true;
        number.remove(0, 1);
    }
    qint32 magnitude = 0;
    if (!IsPlainDecimal(number) || !ParseFrequencyUnits(number.trimmed(), &magnitude))
        return false;
    *units = negative ? -magnitude : magnitude;
    return true;
}

FrequencyEdits SetTxFromRx(const QVector<ChannelTexts> &rows, const QList<int> &records,
    qint32 offset, const BandLimitValues &limits, bool chinese)
{
    FrequencyEdits edits;
    for (int record : records) {
        ChannelTexts texts = rows.at(record);
        if (texts[kColRx].isEmpty())
            continue;
        QString tx;
        const Status reason = CheckedFrequency(FrequencyUnits(texts[kColRx]), offset, limits, &tx);
        if (!reason.ok()) {
            edits.refused << Refusal(record, "Tx", tx, reason, chinese);
            continue;
        }
        texts[kColTx] = tx;
        edits.records << record;
        edits.after << texts;
    }
    return edits;
}

FrequencyEdits ShiftFrequencies(const QVector<ChannelTexts> &rows, const QList<int> &records,
    qint32 amount, const BandLimitValues &limits, bool chinese)
{
    FrequencyEdits edits;
    for (int record : records) {
        ChannelTexts texts = rows.at(record);
        if (texts[kColRx].isEmpty())
            continue;
        QString rx, tx;
        Status reason = CheckedFrequency(FrequencyUnits(texts[kColRx]), amount, limits, &rx);
        if (!reason.ok()) {
            edits.refused << Refusal(record, "Rx", rx, reason, chinese);
            continue;
        }
        // A channel without a Tx frequency keeps none.
        if (!texts[kColTx].isEmpty())
            reason = CheckedFrequency(FrequencyUnits(texts[kColTx]), amount, limits, &tx);
        if (!reason.ok()) {
            edits.refused << Refusal(record, "Tx", tx, reason, chinese);
            continue;
        }
        texts[kColRx] = rx;
        if (!texts[kColTx].isEmpty())
            texts[kColTx] = tx;
        edits.records << record;
        edits.after << texts;
    }
    return edits;
}
