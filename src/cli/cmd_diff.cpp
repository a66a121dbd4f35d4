// htprog-cli diff: what differs between two images. The exit status follows
// diff(1): 0 the same, 1 different, 2 any trouble (usage, a file not read).
#include "cli/cli.h"
#include "cli/clioutput.h"
#include "cli/diffoutput.h"
#include "settings/inifile.h"
#include "settings/language.h"

#include <QDir>
#include <utility>

namespace Cli {

int Diff(const QStringList &arguments)
{
    QStringList args = arguments;
    const bool json = TakeFlag(args, QStringLiteral("--json"));
    QString error;
    if (!TakeLanguageOption(args, &error))
        return Usage(error);
    if (const int status = CheckPositional(QStringLiteral("diff"), args, 2); status != kExitOk)
        return status;
    MemoryImage a {};
    MemoryImage b {};
    qint64 sizeA = 0, sizeB = 0;
    if (!LoadImage(args[0], a, &sizeA) || !LoadImage(args[1], b, &sizeB))
        return kExitDiffTrouble;
    // Bytes past the image would go unseen: two files that differ only there are
    // not the same.
    for (const auto &[path, size] : {std::pair {args[0], sizeA}, std::pair {args[1], sizeB}}) {
        if (size != kImageSize) {
            Fail(QStringLiteral("%1 is %2 bytes, not an %3-byte image; it cannot be compared")
                     .arg(QDir::toNativeSeparators(path))
                     .arg(size)
                     .arg(kImageSize));
            return kExitDiffTrouble;
        }
    }
    const ImageDiff diff = DiffImages(a, b, g_bChinese, g_iniFile);
    Out(json ? DiffJson(diff) : DiffText(diff, args[0], args[1]));
    return diff.same() ? kExitOk : kExitFailure;
}

} // namespace Cli
