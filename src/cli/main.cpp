// htprog-cli entry: finds the command, sets up the settings store and runs it.
#include "cli.h"
#include "clihelp.h"
#include "datapaths.h"
#include "inifile.h"
#include "language.h"
#include "programini.h"

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
};

const std::map<QString, Command> &commands()
{
    static const std::map<QString, Command> table = {
        {QStringLiteral("new"), {Cli::New, "new FILE", false}},
        {QStringLiteral("read"), {Cli::Read, "read [--port P] [--no-backup] FILE", false}},
        {QStringLiteral("write"), {Cli::Write, "write [--port P] [--no-verify] FILE", false}},
        {QStringLiteral("diff"), {Cli::Diff, "diff A B [--json] [--lang en|zh]", false}},
        {QStringLiteral("backups"), {Cli::Backups, "backups", false}},
        {QStringLiteral("squelch-read"), {Cli::SquelchRead, "squelch-read [--port P] FILE", false}},
        {QStringLiteral("squelch-write"),
            {Cli::SquelchWrite, "squelch-write [--port P] FILE", false}},
        {QStringLiteral("channels"),
            {Cli::Channels, "channels FILE [--json] [--lang en|zh]", false}},
        {QStringLiteral("features"),
            {Cli::Features, "features FILE [--json] [--lang en|zh]", false}},
        {QStringLiteral("export"),
            {Cli::Export, "export FILE CSV [--format grid|community]", false}},
        {QStringLiteral("import"),
            {Cli::Import, "import FILE CSV [--replace] [--allow-empty]", false}},
        {QStringLiteral("print"), {Cli::Print, "print FILE PDF [--lang en|zh]", true}},
        {QStringLiteral("ports"), {Cli::Ports, "ports", false}},
        {QStringLiteral("simulate"),
            {Cli::Simulate, "simulate [--image F] [--pace] [--fault KIND[@BLOCK]]", false}},
    };
    return table;
}

Cli::HelpEntry helpEntry(const QString &name, const Command &command)
{
    return {name, QString::fromLatin1(command.synopsis)};
}

void printUsage(FILE *stream)
{
    QList<Cli::HelpEntry> entries;
    for (const auto &[name, command] : commands())
        entries.append(helpEntry(name, command));
    std::fputs(Cli::OverviewHelp(entries).toUtf8().constData(), stream);
}

// "COMMAND --help" (or -h) anywhere after the command, and "help COMMAND".
bool wantsCommandHelp(int argc, char *argv[])
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
    if (ProgramIni::load(paths, false) || !QFileInfo::exists(paths.programIni()))
        return;
    Cli::fail(QStringLiteral("warning: ") + g_iniFile.errorString());
}

} // namespace

int main(int argc, char *argv[])
{
    GuardStandardStreams();
    QString name = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    bool commandHelp = wantsCommandHelp(argc, argv);
    if (name == QLatin1String("help") && argc == 3) {
        name = QString::fromLocal8Bit(argv[2]);
        commandHelp = true;
    } else if (name == QLatin1String("-h") || name == QLatin1String("--help")
        || name == QLatin1String("help")) {
        printUsage(stdout);
        return Cli::finishOutput(Cli::kExitOk);
    }
    auto it = commands().find(name);
    if (it == commands().end()) {
        if (!name.isEmpty())
            std::fprintf(
                stderr, "htprog-cli: unknown command '%s'\n", name.toLocal8Bit().constData());
        printUsage(stderr);
        return Cli::kExitUsage;
    }
    if (commandHelp) {
        std::fputs(Cli::CommandHelp(helpEntry(name, it->second)).toUtf8().constData(), stdout);
        return Cli::kExitOk;
    }

    // Printing needs fonts and a paint device, never a display.
    std::unique_ptr<QCoreApplication> app;
    if (it->second.needsGui) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("htprog"));

    LoadProgramIni();
    SetLanguageState(QStringLiteral("English"));

    QStringList args = QCoreApplication::arguments().mid(2);
    return Cli::finishOutput(it->second.run(args));
}
