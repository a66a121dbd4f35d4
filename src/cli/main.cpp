// htprog-cli entry: finds the command, sets up the settings store and runs it.
#include "cli/cli.h"
#include "cli/clihelp.h"
#include "cli/console.h"
#include "settings/datapaths.h"
#include "settings/inifile.h"
#include "settings/language.h"
#include "settings/programini.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

struct Command
{
    std::function<int(const QStringList &)> run;
    const char *synopsis;
    bool needsGui;
    // The exit status when what the command prints cannot be written.
    int outputFailure = Cli::kExitFailure;
};

const std::map<QString, Command> &Commands()
{
    static const std::map<QString, Command> table = {
        {QStringLiteral("new"), {Cli::New, "new FILE", false}},
        {QStringLiteral("read"),
            {Cli::Read, "read [--port P] [--no-backup] [--trace LOG] FILE", false}},
        {QStringLiteral("write"),
            {Cli::Write,
                "write [--port P] [--no-verify] [--trace LOG] [--dry-run [--json] [--lang "
                "en|zh]] [--repeat [--names F] [--log CSV]] FILE",
                false}},
        {QStringLiteral("diff"),
            {Cli::Diff, "diff A B [--json] [--lang en|zh]", false, Cli::kExitDiffTrouble}},
        {QStringLiteral("backups"), {Cli::Backups, "backups", false}},
        {QStringLiteral("squelch-read"),
            {Cli::SquelchRead, "squelch-read [--port P] [--trace LOG] FILE", false}},
        {QStringLiteral("squelch-write"),
            {Cli::SquelchWrite, "squelch-write [--port P] [--trace LOG] FILE", false}},
        {QStringLiteral("channels"),
            {Cli::Channels, "channels FILE [--json] [--lang en|zh]", false}},
        {QStringLiteral("check"),
            {Cli::Check, "check FILE [--json] [--lang en|zh]", false, Cli::kExitDiffTrouble}},
        {QStringLiteral("features"),
            {Cli::Features, "features FILE [--json] [--lang en|zh]", false}},
        {QStringLiteral("export"),
            {Cli::Export, "export FILE CSV [--format grid|community]", false}},
        {QStringLiteral("import"),
            {Cli::Import,
                "import FILE CSV|--list NAME [--replace] [--allow-empty] [--skip-bad] "
                "[--into-free [N]]",
                false}},
        {QStringLiteral("lists"), {Cli::Lists, "lists", false}},
        {QStringLiteral("print"), {Cli::Print, "print FILE PDF [--lang en|zh]", true}},
        {QStringLiteral("ports"), {Cli::Ports, "ports", false}},
        {QStringLiteral("simulate"),
            {Cli::Simulate, "simulate [--image F] [--pace] [--fault KIND[@BLOCK]]", false}},
    };
    return table;
}

Cli::HelpEntry HelpEntry(const QString &name, const Command &command)
{
    return {name, QString::fromLatin1(command.synopsis)};
}

void PrintUsage(FILE *stream)
{
    QList<Cli::HelpEntry> entries;
    for (const auto &[name, command] : Commands())
        entries.append(HelpEntry(name, command));
    std::fputs(Cli::OverviewHelp(entries).toUtf8().constData(), stream);
}

// "COMMAND --help" (or -h) anywhere after the command, and "help COMMAND".
bool WantsCommandHelp(int argc, char *argv[])
{
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return true;
    }
    return false;
}

// A standard stream that was closed would let the next file opened take its
// number, and what is meant for the terminal would land in that file. Each
// closed one is opened on /dev/null the wrong way round, so that using it fails
// (and the failure is reported) instead.
void GuardStandardStreams()
{
#ifdef Q_OS_UNIX
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int opened = ::open("/dev/null", (fd == 0 ? O_WRONLY : O_RDONLY) | O_CLOEXEC);
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
#endif
}

// Program.ini (found as the program finds it) supplies AppName, the per-user
// settings' name, and the branding texts; the CLI never rewrites it. One that
// cannot be read (too large, not a regular file) leaves the built-in texts, with
// a warning.
void LoadProgramIni()
{
    const DataPaths paths;
    if (ProgramIni::Load(paths, false) || !QFileInfo::exists(paths.programIni()))
        return;
    Cli::Fail(QStringLiteral("warning: ") + g_iniFile.loadStatus().text());
}

QtMessageHandler g_qtMessages = nullptr;

// Qt warns when the session has no runtime folder, which the offscreen print-out
// does not use; every other message goes on as before.
void QuietRuntimeFolderWarning()
{
    g_qtMessages = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (type == QtWarningMsg
                && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
                return;
            if (g_qtMessages)
                g_qtMessages(type, context, message);
        });
}

} // namespace

int main(int argc, char *argv[])
{
    GuardStandardStreams();
    Cli::SetUpConsole();
    if (!Cli::CheckArgumentEncoding(argc, argv))
        return Cli::kExitFailure;
    QString name = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    bool commandHelp = WantsCommandHelp(argc, argv);
    if (name == QLatin1String("help") && argc == 3) {
        name = QString::fromLocal8Bit(argv[2]);
        commandHelp = true;
    } else if (name == QLatin1String("-h") || name == QLatin1String("--help")
        || name == QLatin1String("help")) {
        PrintUsage(stdout);
        return Cli::FinishOutput(Cli::kExitOk);
    }
    auto it = Commands().find(name);
    if (it == Commands().end()) {
        if (!name.isEmpty())
            std::fprintf(
                stderr, "htprog-cli: unknown command '%s'\n", name.toLocal8Bit().constData());
        PrintUsage(stderr);
        return Cli::kExitUsage;
    }
    if (commandHelp) {
        Cli::Out(Cli::CommandHelp(HelpEntry(name, it->second)));
        return Cli::FinishOutput(Cli::kExitOk, it->second.outputFailure);
    }

    // Printing needs fonts and a paint device, never a display: whatever platform
    // the environment names (one without a display would abort), it runs offscreen.
    std::unique_ptr<QCoreApplication> app;
    QStringList args;
    if (it->second.needsGui) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QuietRuntimeFolderWarning();
        // A GUI application takes its own options (-platform, -display, -reverse
        // ...) out of the arguments it is given: it gets only the program's name,
        // so that no argument of the command is lost or changes how it runs.
        args = Cli::CommandLineArguments(argc, argv).mid(2);
        static int programNameOnly = 1;
        app = std::make_unique<QGuiApplication>(programNameOnly, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
        args = QCoreApplication::arguments().mid(2);
    }
    QCoreApplication::setApplicationName(QStringLiteral("htprog"));

    LoadProgramIni();
    SetLanguageState(QStringLiteral("English"));

    return Cli::FinishOutput(it->second.run(args), it->second.outputFailure);
}
