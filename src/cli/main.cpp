// htprog-cli entry: finds the command, sets up the settings store and runs it.
#include "cli.h"
#include "inifile.h"
#include "language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
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
        {QStringLiteral("read"), {Cli::Read, "read [--port P] FILE", false}},
        {QStringLiteral("write"), {Cli::Write, "write [--port P] FILE", false}},
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

void printUsage(FILE *stream)
{
    QString text = QStringLiteral("usage: htprog-cli COMMAND [ARGS]\n\ncommands:\n");
    for (const auto &[name, command] : commands())
        text += QStringLiteral("  ") + QString::fromLatin1(command.synopsis) + QLatin1Char('\n');
    std::fputs(text.toUtf8().constData(), stream);
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

// Program.ini beside the executable supplies AppName (the per-user settings'
// name) and the branding texts; the CLI never rewrites it. One that cannot be
// read (too large, not a regular file) leaves the built-in texts, with a warning.
void LoadProgramIni()
{
    if (g_iniFile.Open(QStringLiteral("Program.ini"), false, true, false)
        || !QFileInfo::exists(
            QCoreApplication::applicationDirPath() + QStringLiteral("/Program.ini")))
        return;
    Cli::fail(QStringLiteral("warning: ") + g_iniFile.errorString());
}

} // namespace

int main(int argc, char *argv[])
{
    GuardStandardStreams();
    QString name = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (name == QLatin1String("-h") || name == QLatin1String("--help")
        || name == QLatin1String("help")) {
        printUsage(stdout);
        return Cli::finishOutput(Cli::kExitOk);
    }
    auto it = commands().find(name);
    if (it == commands().end()) {
        if (!name.isEmpty())
            std::fprintf(stderr, "htprog-cli: unknown command '%s'\n", argv[1]);
        printUsage(stderr);
        return Cli::kExitUsage;
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
