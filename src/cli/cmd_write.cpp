// htprog-cli write --dry-run: what a write of FILE would change on the radio, as
// the comparison of the newest image read from the radio (A) with FILE (B, as the
// radio will hold it) in diff's own format. No port is opened; the exit status
// is 0 whatever differs.
//
// htprog-cli write --repeat: FILE to one radio after another, each verified, with
// an optional power-on name for each and a CSV log rewritten after every radio.
// Enter goes on to the next radio; the end of input (Ctrl+D) or the end of the
// names stops. Exit status 0 when every radio verified, else 1.
#include "backups/backupstore.h"
#include "cli/cli.h"
#include "cli/diffoutput.h"
#include "cli/stopsignals.h"
#include "files/fileaccess.h"
#include "fleet/fleetlog.h"
#include "fleet/fleetnames.h"
#include "image/datfile.h"
#include "link/verifiedwrite.h"
#include "settings/inifile.h"
#include "settings/language.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace Cli {
namespace {

constexpr qint64 kLargestNameList = 1024 * 1024;

// The names of FILE, checked; on failure prints why and returns false.
bool ReadNames(const QString &path, QStringList *names)
{
    QFile file;
    Status read = OpenRegularFile(file, path);
    QByteArray bytes;
    if (read.ok()) {
        bytes = file.read(kLargestNameList + 1);
        if (file.error() != QFileDevice::NoError)
            read = Status::fromFile(file);
        else if (bytes.size() > kLargestNameList)
            read = Status(Status::Kind::BadInput, nullptr, "too large for a list of names");
    }
    if (read.ok())
        read = ReadNameList(QString::fromUtf8(bytes), names);
    if (read.ok())
        return true;
    Fail(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), read.text()));
    return false;
}

// Waits for a line on standard input; false at its end. A request to end (Ctrl+C)
// ends the process meanwhile: no transfer runs, and the log is written.
bool WaitForEnter()
{
    DefaultStopRequests();
    for (;;) {
        const int c = std::getchar();
        if (c == EOF)
            return false;
        if (c == '\n')
            return true;
    }
}

FleetRecord WriteOneRadio(
    const QString &port, const MemoryImage &image, int radio, const QString &name)
{
    FleetRecord record;
    record.radio = radio;
    record.powerOnName = name;
    const VerifiedWriteOutcome outcome
        = WriteImage(port, name.isEmpty() ? image : WithPowerOnName(image, name), true);
    record.time = QDateTime::currentDateTime();
    record.result = FleetResultOf(outcome);
    if (!outcome.write.ok()) {
        // One line: the log has one row a radio, the output one line.
        record.detail = TransferMessage(port, outcome.write).simplified();
    } else if (outcome.verify == VerifyResult::NotVerified) {
        record.detail = QStringLiteral("written; could not verify: %1")
                            .arg(TransferMessage(port, outcome.verifyRead).simplified());
    } else if (record.result == FleetResult::Differs) {
        record.detail = FleetDifferences(outcome, g_bChinese, g_iniFile);
        // Nobody else has a copy of what this radio now holds.
        const QString kept = KeepBackup(outcome.readBack, BackupKind::Radio);
        if (!kept.isEmpty())
            record.detail += QStringLiteral("; what the radio holds is kept as %1")
                                 .arg(QDir::toNativeSeparators(kept));
    }
    return record;
}

void SaveLog(const QString &path, const QVector<FleetRecord> &records)
{
    const Status saved = SaveFileAtomically(path, FleetLogCsv(records));
    if (!saved.ok())
        Fail(QStringLiteral("warning: the log %1 was not written: %2")
                 .arg(QDir::toNativeSeparators(path), saved.text()));
}

} // namespace

int WriteDryRun(const QStringList &arguments)
{
    QStringList args = arguments;
    const bool json = TakeFlag(args, QStringLiteral("--json"));
    QString error;
    if (!TakeLanguageOption(args, &error))
        return Usage(error);
    // The port of the write it stands for is accepted and not used.
    QString port, file;
    int exitCode = kExitOk;
    if (!ParseTransferArgs(args, &port, &file, &exitCode))
        return exitCode;
    MemoryImage image;
    if (!LoadImage(file, image))
        return kExitFailure;
    BackupEntry read;
    MemoryImage radio {};
    if (!BackupStore().newest(BackupKind::Radio, &read, &radio)) {
        Out(QStringLiteral("no read backup to compare with\n"));
        return kExitOk;
    }
    // What the radio will hold: the bytes a write does not send (the squelch
    // calibration block, the last ten bytes) stay the radio's.
    const ImageDiff diff = DiffImages(radio, WithWrittenBytes(radio, image), g_bChinese, g_iniFile);
    Out(json ? DiffJson(diff) : DiffText(diff, QDir::toNativeSeparators(read.path), file));
    return kExitOk;
}

int WriteRepeat(const QStringList &arguments)
{
    QStringList args = arguments;
    QString namesPath, logPath;
    bool withNames = false, withLog = false;
    if (!TakeOption(args, QStringLiteral("--names"), &namesPath, &withNames)
        || (withNames && namesPath.isEmpty()))
        return Usage(QStringLiteral("--names needs a file"));
    if (!TakeOption(args, QStringLiteral("--log"), &logPath, &withLog)
        || (withLog && logPath.isEmpty()))
        return Usage(QStringLiteral("--log needs a file"));
    QString port, file;
    int exitCode = kExitOk;
    if (!ParseTransferArgs(args, &port, &file, &exitCode))
        return exitCode;
    MemoryImage image;
    QStringList names;
    if (!LoadImage(file, image) || (withNames && !ReadNames(namesPath, &names))
        || (withLog && !CheckOutput(QStringLiteral("write"), file, logPath)))
        return kExitFailure;

    QVector<FleetRecord> records;
    bool allVerified = true;
    for (int radio = 1;; ++radio) {
        const QString name = names.value(radio - 1);
        const FleetRecord record = WriteOneRadio(port, image, radio, name);
        records << record;
        allVerified = allVerified && record.result == FleetResult::Verified;
        if (withLog)
            SaveLog(logPath, records);
        Done(QStringLiteral("%1 radio(s) were written").arg(radio));
        QString line = QStringLiteral("Radio %1").arg(radio);
        if (!name.isEmpty())
            line += QStringLiteral(" (%1)").arg(name);
        line += QStringLiteral(": ") + FleetResultWord(record.result);
        if (!record.detail.isEmpty())
            line += QStringLiteral(": ") + record.detail;
        Out(line + QLatin1Char('\n'));
        if (Interrupted() || (withNames && radio >= names.size()))
            break;
        Out(QStringLiteral("Connect the next radio and press Enter (Ctrl+D to stop)\n"));
        std::fflush(stdout);
        if (!WaitForEnter())
            break;
    }
    return allVerified ? kExitOk : kExitFailure;
}

} // namespace Cli
