// htprog-cli diff: what differs between two images. The exit status follows
// diff(1): 0 the same, 1 different, 2 any trouble (usage, a file not read).
#include "cli.h"
#include "clioutput.h"
#include "diffoutput.h"
#include "inifile.h"
#include "language.h"

namespace Cli {

int Diff(const QStringList &arguments)
{
    constexpr int kExitTrouble = 2;
    QStringList args = arguments;
    const bool json = takeFlag(args, QStringLiteral("--json"));
    QString error;
    if (!takeLanguageOption(args, &error))
        return usage(error);
    if (const int status = checkPositional(QStringLiteral("diff"), args, 2); status != kExitOk)
        return status;
    MemoryImage a {};
    MemoryImage b {};
    if (!loadImage(args[0], a) || !loadImage(args[1], b))
        return kExitTrouble;
    const ImageDiff diff = DiffImages(a, b, g_bChinese, g_iniFile);
    out(json ? DiffJson(diff) : DiffText(diff, args[0], args[1]));
    return diff.same() ? kExitOk : kExitFailure;
}

} // namespace Cli
