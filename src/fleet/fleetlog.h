// The log of a run that writes one image to many radios: one record a radio,
// kept as CSV (UTF-8, CR LF) with the header radio,time,power_on_name,result,
// detail. result is verified, differs (the verifying read found other bytes than
// were sent) or failed (the write failed, or the verifying read did not end).
#pragma once

#include "link/verifiedwrite.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

class CIniFile;

enum class FleetResult { Verified, Differs, Failed };

struct FleetRecord
{
    int radio = 0; // 1 for the first radio of the run
    QDateTime time; // when its write ended
    QString powerOnName; // "" when the run gives no names
    FleetResult result = FleetResult::Failed;
    QString detail; // why it failed or what differs; "" when verified
};

// A write with verification: Verified, Differs, or Failed for all else.
FleetResult FleetResultOf(const VerifiedWriteOutcome &outcome);
// "verified", "differs", "failed": the log's words, the same in every language.
QString FleetResultWord(FleetResult result);
// What differs after a write (outcome.verify is Different), as "Channel 1, Rx
// Frequency: sent 140.00000, radio 140.00165; ..." in the chosen language.
QString FleetDifferences(
    const VerifiedWriteOutcome &outcome, bool chinese, const CIniFile &catalogue);
// The whole log: header and one line a record. Texts a spreadsheet would run as
// a formula get a ' in front, as every CSV the program writes.
QByteArray FleetLogCsv(const QVector<FleetRecord> &records);
// "fleet-YYYYMMDD-HHMMSS.csv" in local time.
QString FleetLogName(const QDateTime &when);
