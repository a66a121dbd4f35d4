// Frequencies of many channels changed at once, for repeater plans: the Tx
// frequency set from the Rx frequency with an offset (0: simplex), or Rx and Tx
// shifted by an amount. Each new frequency is checked as a typed one (band
// limits, step raster); the refused channels are listed so that nothing changes
// before the user has seen them. Amounts are in 10 Hz units, as the records hold
// frequencies.
#pragma once

#include "channels/bandlimits.h"
#include "channels/channelcodec.h"

#include <QList>
#include <QStringList>
#include <QVector>

struct FrequencyEdits
{
    QList<int> records; // the channels that take the change, ascending
    QVector<ChannelTexts> after; // their texts afterwards, in the same order
    QStringList refused; // "channel 5: Tx 174.60000: Out of range..." for each refused one
};

// An offset or amount as typed: MHz with an optional sign ("+0.6", "-5", "−5",
// "0"), or "simplex" for 0. False when it is no such number.
bool ParseFrequencyOffset(const QString &text, qint32 *units);

// rows: every record's texts; records: the selected ones (empty rows are left out).
FrequencyEdits SetTxFromRx(const QVector<ChannelTexts> &rows, const QList<int> &records,
    qint32 offset, const BandLimitValues &limits, bool chinese);
FrequencyEdits ShiftFrequencies(const QVector<ChannelTexts> &rows, const QList<int> &records,
    qint32 amount, const BandLimitValues &limits, bool chinese);
