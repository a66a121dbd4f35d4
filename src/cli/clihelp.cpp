#include "cli/clihelp.h"

#include <algorithm>

namespace Cli {
namespace {

struct Text
{
    const char *summary; // one line, for the overview
    const char *more; // sentences that COMMAND --help adds
    const char *options; // option lines, besides --port and --lang
};

const char kPortOption[]
    = "  --port P       serial device of the cable (e.g. /dev/ttyUSB0) or sim, the\n"
      "                 simulated radio; default: the port chosen in Com Setup\n";
const char kTraceOption[]
    = "  --trace LOG    every byte sent (>) and received (<) to LOG, one line per\n"
      "                 run: milliseconds since the port opened, direction, hex\n"
      "                 bytes; written however the transfer ends, for a bug report\n";
const char kLangOption[] = "  --lang en|zh   language of the texts (default en)\n";

// In the order of the manual page.
const QList<std::pair<QString, Text>> &Texts()
{
    static const QList<std::pair<QString, Text>> table = {
        {QStringLiteral("new"), {"write a new image with the defaults", "", ""}},
        {QStringLiteral("read"),
            {"read the whole radio into FILE; a backup is kept",
                "FILE is written only when the read succeeds; a copy goes to the backups\n"
                "folder (see the command backups).\n",
                "  --no-backup    keep no copy of what was read\n"}},
        {QStringLiteral("write"),
            {"write FILE to the radio, then read it back to verify",
                "What is about to be sent is kept first in the backups folder. Differences\n"
                "found by the verifying read are listed, and the exit status is 1.\n"
                "With --dry-run nothing is sent: what the write would change is printed as\n"
                "diff prints it, against the newest backup read from a radio (exit status 0).\n"
                "With --repeat FILE goes to one radio after another, each verified: after each\n"
                "radio the result is printed and Enter goes on to the next; the end of input\n"
                "(Ctrl+D) or of the names stops. Exit status 0 when every radio verified.\n",
                "  --no-verify    skip the verifying read\n"
                "  --dry-run      open no port; compare FILE with the newest read backup\n"
                "  --json         with --dry-run: the differences as diff --json prints them\n"
                "  --repeat       write one radio after another\n"
                "  --names F      with --repeat: one power-on name a line, one per radio\n"
                "  --log CSV      with --repeat: the log, "
                "radio,time,power_on_name,result,detail\n"}},
        {QStringLiteral("diff"),
            {"channels, settings and other bytes that differ between A and B",
                "Exit status: 0 the same, 1 different, 2 trouble.\n",
                "  --json         the differences as JSON\n"}},
        {QStringLiteral("backups"), {"the kept backups of reads and writes, newest first", "", ""}},
        {QStringLiteral("squelch-read"),
            {"read the squelch calibration block into the existing FILE",
                "Only the bytes 0x1F80-0x1F9F of FILE change.\n", ""}},
        {QStringLiteral("squelch-write"),
            {"write the squelch calibration block of FILE to the radio", "", ""}},
        {QStringLiteral("channels"),
            {"the channel table as the program's grid shows it", "",
                "  --json         an array of 200 objects: ch, rx, tx, rx_tone, tx_tone,\n"
                "                 power, lock, scan, bandwidth, name\n"}},
        {QStringLiteral("check"),
            {"the problems of the channel plan, one per line",
                "Each line: channel, severity (error or warning), kind (out-of-band,\n"
                "duplicate, off-step or duplicate-name) and what is wrong, separated by\n"
                "tabs. Exit status: 0 no problems, 1 problems, 2 trouble.\n",
                "  --json         an array of objects: ch, severity, kind, text\n"}},
        {QStringLiteral("features"),
            {"the optional features as the print-out names them", "",
                "  --json         one object: English names, values in the chosen language\n"}},
        {QStringLiteral("export"),
            {"the channel table to CSV", "CSV - is standard output.\n",
                "  --format grid|community\n"
                "                 the grid's own columns (default) or the community layout\n"
                "                 for sharing channel lists\n"}},
        {QStringLiteral("import"),
            {"CSV into the channel table, validated; nothing written on any error unless "
             "--skip-bad",
                "Either CSV format, recognised by its header; CSV - is standard input.\n"
                "A row sets the fields it has; a column left out or an empty cell keeps\n"
                "the channel's value (see the manual for the cells where empty is a value).\n",
                "  --replace      empty the channels that are not in the CSV\n"
                "  --allow-empty  accept a CSV without channels\n"
                "  --skip-bad     skip lines that are refused (each listed on stderr with\n"
                "                 its reason) and import the rest\n"
                "  --into-free [N]\n"
                "                 add the rows into the empty channels from N on (default\n"
                "                 1), in order, whatever channels the CSV names\n"
                "  --list NAME    a ready-made channel list (see lists) instead of a CSV,\n"
                "                 into the empty channels\n"}},
        {QStringLiteral("lists"),
            {"the ready-made channel lists: a name, a tab and what it holds", "", ""}},
        {QStringLiteral("print"), {"the print-out as a PDF file", "", ""}},
        {QStringLiteral("ports"), {"the serial ports found, one per line, and sim", "", ""}},
        {QStringLiteral("simulate"),
            {"serve the simulated radio on a pseudo-terminal",
                "The first line of output is its device path; it runs until Ctrl+C,\n"
                "SIGTERM or SIGHUP, and then saves the memory.\n",
                "  --image F      the radio's memory (default: $HTPROG_SIM_IMAGE or the\n"
                "                 simulated radio's file in the user's data folder)\n"
                "  --pace         answer at the real 9600-baud byte time\n"
                "  --fault KIND[@BLOCK]\n"
                "                 misbehave: silent[@N], other-byte, no-ident-ack,\n"
                "                 short-reply@N, no-ack@N, hang-up@N, corrupt-write@N,\n"
                "                 corrupt-write-last@N\n"}},
    };
    return table;
}

int OrderOf(const QString &name)
{
    const auto &table = Texts();
    const auto it = std::find_if(
        table.cbegin(), table.cend(), [&](const auto &entry) { return entry.first == name; });
    return int(it - table.cbegin());
}

Text TextOf(const QString &name)
{
    const int index = OrderOf(name);
    return index < Texts().size() ? Texts().at(index).second : Text {"", "", ""};
}

} // namespace

QString OverviewHelp(QList<HelpEntry> commands)
{
    std::stable_sort(commands.begin(), commands.end(),
        [](const HelpEntry &a, const HelpEntry &b) { return OrderOf(a.name) < OrderOf(b.name); });
    QString text = QStringLiteral("usage: htprog-cli COMMAND [ARGS]\n"
                                  "       htprog-cli COMMAND --help\n\n"
                                  "Reads, writes and inspects the memory of the radio and its "
                                  ".dat images.\n\ncommands:\n");
    for (const HelpEntry &command : commands) {
        text += QStringLiteral("  ") + command.synopsis + QLatin1Char('\n');
        const QString summary = QString::fromUtf8(TextOf(command.name).summary);
        if (!summary.isEmpty())
            text += QStringLiteral("      ") + summary + QLatin1Char('\n');
    }
    return text + QStringLiteral("\noptions:\n") + QString::fromUtf8(kPortOption)
        + QStringLiteral("  --help, -h     this text, or with a command what it does\n"
                         "\nexit status: 0 success, 1 failure, 2 wrong use "
                         "(diff: 0 same, 1 different, 2 trouble)\n"
                         "See the manual page htprog-cli(1) for everything.\n");
}

QString CommandHelp(const HelpEntry &command)
{
    const Text text = TextOf(command.name);
    QString summary = QString::fromUtf8(text.summary);
    if (!summary.isEmpty())
        summary[0] = summary[0].toUpper();
    QString help = QStringLiteral("usage: htprog-cli ") + command.synopsis + QStringLiteral("\n\n")
        + summary + QStringLiteral(".\n") + QString::fromUtf8(text.more);
    QString options = QString::fromUtf8(text.options);
    if (command.synopsis.contains(QLatin1String("--trace")))
        options += QString::fromUtf8(kTraceOption);
    if (command.synopsis.contains(QLatin1String("--port")))
        options += QString::fromUtf8(kPortOption);
    if (command.synopsis.contains(QLatin1String("--lang")))
        options += QString::fromUtf8(kLangOption);
    if (!options.isEmpty())
        help += QStringLiteral("\noptions:\n") + options;
    return help + QStringLiteral("\nSee the manual page htprog-cli(1).\n");
}

} // namespace Cli
