// The end of htprog-cli write: what the verifying read found. A write whose
// verifying read did not complete still succeeded (exit 0, a warning on stderr);
// a radio that holds other bytes than were sent is a failure (exit 1) listing
// the channels, settings and other bytes that differ.
#include "backups/backupstore.h"
#include "cli/cli.h"
#include "cli/diffoutput.h"
#include "link/verifiedwrite.h"
#include "settings/inifile.h"
#include "settings/language.h"

#include <QDir>
#include <cstdio>

namespace Cli {

int ReportWrite(const QString &port, const VerifiedWriteOutcome &outcome)
{
    switch (outcome.verify) {
    case VerifyResult::Skipped:
        return kExitOk;
    case VerifyResult::Verified:
        Done(QStringLiteral("the radio was written and verified"));
        Out(QStringLiteral("Written and verified\n"));
        return kExitOk;
    case VerifyResult::NotVerified:
        std::fprintf(stderr, "htprog-cli: Written; could not verify: %s\n",
            TransferMessage(port, outcome.verifyRead).toUtf8().constData());
        return kExitOk;
    case VerifyResult::Different:
        break;
    }
    // Nobody else has a copy of what the radio now holds.
    const QString kept = KeepBackup(outcome.readBack, BackupKind::Radio);
    const ImageDiff diff = DiffImages(outcome.expected, outcome.readBack, g_bChinese, g_iniFile);
    QString message = QStringLiteral("Written, but the radio does not hold what was sent:\n")
        + DiffText(diff, QStringLiteral("sent"), QStringLiteral("radio"));
    if (!kept.isEmpty())
        message += QStringLiteral("What the radio holds is kept as %1\n")
                       .arg(QDir::toNativeSeparators(kept));
    message.chop(1);
    return Fail(message);
}

} // namespace Cli
