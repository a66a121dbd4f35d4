// The check of a channel plan: the problems of the 200 records as the grid shows
// them (record 0 is "Pr"), found from their texts and the band limits. A channel
// whose Rx or Tx lies outside the limits (the radio refuses it), that is off the
// 2.5 / 6.25 kHz steps the grid accepts (written by other software), that repeats
// another channel's Rx, Tx and tones exactly, or whose name another channel uses.
// Pr is the priority channel: that it repeats a channel of the list is its use,
// so it takes part in the frequency checks only.
#pragma once

#include "channels/bandlimits.h"
#include "channels/channelcodec.h"

#include <QList>
#include <QString>
#include <QVector>

enum class PlanSeverity { Error, Warning };
enum class PlanProblemKind { OutOfBand, OffStep, Duplicate, DuplicateName };

struct PlanProblem
{
    int record = 0;
    PlanProblemKind kind = PlanProblemKind::OutOfBand;
    PlanSeverity severity = PlanSeverity::Error;
    int other = -1; // the earlier channel a duplicate repeats
    QString text; // what is wrong, in the language asked for
};

// The problems in order of record, each record's in the order of the kinds above.
// A repeated channel or name is reported at each later channel, naming the first.
QList<PlanProblem> CheckChannelPlan(
    const QVector<ChannelTexts> &rows, const BandLimitValues &limits, bool chinese);

// "out-of-band", "off-step", "duplicate", "duplicate-name".
QString PlanKindKeyword(PlanProblemKind kind);
// "error", "warning".
QString PlanSeverityKeyword(PlanSeverity severity);
// "Error" / "错误", "Warning" / "警告".
QString PlanSeverityText(PlanSeverity severity, bool chinese);
// "Outside the band limits" / "超出频段范围" ...: the kind as a heading.
QString PlanKindText(PlanProblemKind kind, bool chinese);
