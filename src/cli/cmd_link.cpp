// The radio commands: whole-image and squelch-block transfers, the port list and
// the simulated radio served on a pseudo-terminal.
#include "cli/cli.h"

#include "backups/backupstore.h"
#include "cli/console.h"
#include "cli/stopsignals.h"
#include "files/fileaccess.h"
#include "files/filelock.h"
#include "image/datfile.h"
#include "link/cloneengine.h"
#include "link/comport.h"
#include "link/linktrace.h"
#include "link/openradioport.h"
#include "link/portholders.h"
#include "link/squelchtransfer.h"
#include "link/verifiedwrite.h"
#include "settings/visibletext.h"

#ifdef Q_OS_UNIX
#include "link/ptyserver.h"
#include <unistd.h>
#endif

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <atomic>
#include <cstdio>

namespace Cli {
namespace {

std::atomic<bool> g_interrupted {false};

// Progress on stderr when it is a terminal; a request to end (CatchInterrupt)
// stops at the next poll point.
class CliObserver : public TransferObserver
{
public:
    explicit CliObserver(int steps)
        : m_steps(steps)
        , m_showBar(IsTerminal(stderr))
    { }
    ~CliObserver() override { finish(); }
    // Ends the bar's line, so that what follows starts on a line of its own.
    void finish()
    {
        if (m_shown)
            std::fputc('\n', stderr);
        m_shown = false;
    }
    void progress(int position) override
    {
        if (!m_showBar)
            return;
        constexpr int kWidth = 40;
        const int filled = position * kWidth / m_steps;
        std::fprintf(stderr, "\r[%s%s] %d/%d", QByteArray(filled, '#').constData(),
            QByteArray(kWidth - filled, '.').constData(), position, m_steps);
        std::fflush(stderr);
        m_shown = true;
    }
    bool shouldStop() override { return g_interrupted.load(); }
    // The CLI answers the Retry/Cancel question with Cancel.
    bool retryAfterCommunicationError() override { return false; }

private:
    int m_steps;
    bool m_showBar = false;
    bool m_shown = false;
};

// Ctrl+C, SIGTERM and SIGHUP stop a transfer at its next poll point, between
// two blocks, as its Cancel button does in the program.
void CatchInterrupt()
{
    CatchStopRequests([] { g_interrupted = true; });
}

// Whether a file may be written at path: it is none of a folder or device, it
// may be written when it exists, and its folder takes a new file (tried with a
// temporary one, which is what saving it needs).
Status CheckWritableFile(const QString &path)
{
    const Status replaceable = CheckReplaceableFile(path);
    if (!replaceable.ok())
        return replaceable;
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        return Status(Status::Kind::NotFound, nullptr, "the folder %1 does not exist")
            .arg(QDir::toNativeSeparators(info.absolutePath()));
    QTemporaryFile probe(info.absoluteDir().filePath(QStringLiteral(".htprog-XXXXXX")));
    if (!probe.open())
        return Status::fromFile(probe);
    if (info.exists() && !QFile(path).open(QIODevice::ReadWrite))
        return Status(Status::Kind::NoAccess, nullptr, "permission denied");
    return Status();
}

// "--trace LOG": every byte of the session goes to LOG, written once the
// session ends however it ended (a failed transfer is when it is wanted most).
// LOG is checked before the port opens, so a log that cannot be written never
// costs a transfer.
class TraceOption
{
public:
    // False, with the usage error's status, when --trace has no file.
    bool take(QStringList &args, int *exitCode)
    {
        bool present = false;
        if (!TakeOption(args, QStringLiteral("--trace"), &m_path, &present)
            || (present && m_path.isEmpty())) {
            *exitCode = Usage(QStringLiteral("--trace needs a file"));
            return false;
        }
        if (present)
            m_trace = std::make_unique<LinkTrace>(QStringLiteral("htprog-cli"));
        return true;
    }
    // Fails (printing why) when LOG is FILE (existing or not), the simulated
    // radio's memory while it is the port, or cannot be replaced by a file.
    bool check(const QString &file, const QString &port) const
    {
        if (!m_trace)
            return true;
        const QString log = QDir::toNativeSeparators(m_path);
        const auto same = [this](const QString &other) {
            return IsSameFile(m_path, other)
                || QDir::cleanPath(QFileInfo(m_path).absoluteFilePath())
                == QDir::cleanPath(QFileInfo(other).absoluteFilePath());
        };
        const bool simulated = port == SimulatedPortName();
        if (same(file) || (simulated && same(SimulatedImagePath()))) {
            Fail(QStringLiteral("--trace: %1 is the %2 itself; name another file for the link log")
                     .arg(log,
                         same(file) ? QStringLiteral("image file")
                                    : QStringLiteral("simulated radio's memory")));
            return false;
        }
        const Status writable = CheckWritableFile(m_path);
        if (!writable.ok()) {
            Fail(QStringLiteral("cannot write the link log %1: %2; nothing was sent")
                     .arg(log, writable.text()));
            return false;
        }
        return true;
    }
    LinkTrace *trace() const { return m_trace.get(); }
    // Writes LOG; a log that cannot be written fails the command.
    int finish(int status) const
    {
        if (!m_trace)
            return status;
        const Status saved = m_trace->save(m_path);
        if (saved.ok())
            return status;
        return Fail(saved);
    }

private:
    QString m_path;
    std::unique_ptr<LinkTrace> m_trace;
};

} // namespace

// "[--port P] FILE": the port (stored choice by default) and the one file.
bool ParseTransferArgs(QStringList args, QString *port, QString *file, int *exitCode)
{
    bool present = false;
    if (!TakeOption(args, QStringLiteral("--port"), port, &present)) {
        *exitCode = Usage(QStringLiteral("--port needs a device name"));
        return false;
    }
    if (!present)
        *port = StoredComPort();
    else if (port->isEmpty()) {
        *exitCode = Usage(QStringLiteral("--port needs a device name"));
        return false;
    }
    if (args.size() != 1 || args[0].startsWith(QLatin1String("--"))) {
        *exitCode = Usage(QStringLiteral("expected [--port P] FILE"));
        return false;
    }
    *file = args[0];
    return true;
}

namespace {

// The open failure's message, the system's reason and, when the device is not
// ours to open or another program holds it, what to do about it.
QString OpenFailureMessage(QString message, const QString &port, const Status &failure)
{
    if (!failure.detail().isEmpty())
        message += QStringLiteral(" (%1: %2)").arg(ShortInput(port), failure.detail());
    QString hint;
    if (failure.kind() == Status::Kind::NoAccess)
        hint = PortAccessHint(port);
    else if (failure.kind() == Status::Kind::Busy && port != SimulatedPortName())
        hint = PortHolderHint(port);
    if (failure.kind() == Status::Kind::Busy && hint.isEmpty())
        hint = QStringLiteral("Another program is using %1. Try again when it has finished.")
                   .arg(DevicePath(port));
    if (!hint.isEmpty())
        message += QLatin1Char('\n') + hint;
    return message;
}

int TransferFailed(const QString &port, const Status &transfer)
{
    return transfer.ok() ? kExitOk : Fail(TransferMessage(port, transfer));
}

int SquelchFailed(const QString &port, const Status &transfer, bool writeDirection)
{
    const QString message = SquelchMessage(transfer, writeDirection);
    if (IsPortOpenFailure(transfer))
        return Fail(OpenFailureMessage(message, port, transfer));
    return Fail(message);
}

// Saves what a transfer read from the radio under the file's lock; on failure
// says that it was not kept.
bool SaveRead(FileLock &lock, const QString &file, const MemoryImage &image, const QString &what)
{
    if (LockFile(lock) && SaveImage(file, image))
        return true;
    Fail(QStringLiteral("%1 read from the radio was not saved; read again once %2 can be "
                        "written")
             .arg(what, QDir::toNativeSeparators(file)));
    return false;
}

} // namespace

QString TransferMessage(const QString &port, const Status &transfer)
{
    if (transfer.kind() == Status::Kind::Cancelled)
        return QStringLiteral("cancelled");
    if (IsPortOpenFailure(transfer))
        return OpenFailureMessage(transfer.text(), port, transfer);
    return transfer.text();
}

int Read(const QStringList &arguments)
{
    QStringList args = arguments;
    const bool backup = !TakeFlag(args, QStringLiteral("--no-backup"));
    QString port, file;
    int exitCode = kExitOk;
    TraceOption trace;
    if (!trace.take(args, &exitCode) || !ParseTransferArgs(args, &port, &file, &exitCode))
        return exitCode;
    if (!CheckRewritable(file) || !trace.check(file, port))
        return kExitFailure;
    CatchInterrupt();
    MemoryImage image = NewImage();
    CliObserver observer(kReadProgressSteps);
    const Status outcome = ReadWholeImage(port, image, observer, trace.trace());
    observer.finish();
    const int logged = trace.finish(kExitOk);
    if (!outcome.ok())
        return TransferFailed(port, outcome);
    const QString kept = backup ? KeepBackup(image, BackupKind::Radio) : QString();
    FileLock lock(file);
    if (SaveRead(lock, file, image, QStringLiteral("the image")))
        return logged;
    if (!kept.isEmpty())
        Fail(QStringLiteral("the image read from the radio is kept as %1")
                 .arg(QDir::toNativeSeparators(kept)));
    return kExitFailure;
}

VerifiedWriteOutcome WriteImage(
    const QString &port, const MemoryImage &image, bool verify, LinkTrace *trace)
{
    // What is about to be sent is kept first, as the program does: a write that
    // goes wrong half way leaves the radio with neither the old nor the new data.
    KeepBackup(image, BackupKind::Sent);
    CatchInterrupt();
    CliObserver observer(verify ? kVerifiedWriteProgressSteps : kWriteProgressSteps);
    const VerifiedWriteOutcome outcome
        = WriteWholeImageVerified(port, image, observer, verify, trace);
    observer.finish();
    return outcome;
}

bool Interrupted()
{
    return g_interrupted.load();
}

int Write(const QStringList &arguments)
{
    QStringList args = arguments;
    if (TakeFlag(args, QStringLiteral("--dry-run")))
        return WriteDryRun(args);
    if (TakeFlag(args, QStringLiteral("--repeat")))
        return WriteRepeat(args);
    const bool verify = !TakeFlag(args, QStringLiteral("--no-verify"));
    QString port, file;
    int exitCode = kExitOk;
    TraceOption trace;
    if (!trace.take(args, &exitCode) || !ParseTransferArgs(args, &port, &file, &exitCode))
        return exitCode;
    MemoryImage image;
    if (!LoadImage(file, image) || !trace.check(file, port))
        return kExitFailure;
    const VerifiedWriteOutcome outcome = WriteImage(port, image, verify, trace.trace());
    return trace.finish(
        outcome.write.ok() ? ReportWrite(port, outcome) : TransferFailed(port, outcome.write));
}

namespace {

// Both squelch-block commands: load FILE, transfer, and on a read save FILE
// only when every block arrived; a read holds FILE's lock from load to save.
// Ctrl+C stops at the next poll point, as in the whole-image transfers.
int SquelchTransfer(QStringList args, bool writeDirection)
{
    QString port, file;
    int exitCode = kExitOk;
    TraceOption trace;
    if (!trace.take(args, &exitCode) || !ParseTransferArgs(args, &port, &file, &exitCode))
        return exitCode;
    FileLock lock(file);
    MemoryImage image;
    if ((!writeDirection && (!LockFile(lock) || !CheckRewritable(file))) || !LoadImage(file, image)
        || !trace.check(file, port))
        return kExitFailure;
    CatchInterrupt();
    const auto stop = [] { return g_interrupted.load(); };
    const Status outcome = writeDirection ? WriteSquelchBlock(port, image, stop, trace.trace())
                                          : ReadSquelchBlock(port, image, stop, trace.trace());
    const int logged = trace.finish(kExitOk);
    if (!outcome.ok())
        return SquelchFailed(port, outcome, writeDirection);
    if (!writeDirection && !SaveRead(lock, file, image, QStringLiteral("the calibration block")))
        return kExitFailure;
    Done(writeDirection ? QStringLiteral("the calibration block was written to the radio")
                        : QStringLiteral("the calibration block was read into %1")
                              .arg(QDir::toNativeSeparators(file)));
    Out(SquelchMessage(outcome, writeDirection) + QLatin1Char('\n'));
    return logged;
}

} // namespace

int SquelchRead(const QStringList &args)
{
    return SquelchTransfer(args, false);
}

int SquelchWrite(const QStringList &args)
{
    return SquelchTransfer(args, true);
}

int Ports(const QStringList &args)
{
    if (!args.isEmpty())
        return Usage(QStringLiteral("ports takes no arguments"));
    for (const PortEntry &entry : ListPorts()) {
        Out(entry.name + QLatin1Char('\t') + entry.description
            + (entry.busy ? QStringLiteral("\tbusy\n") : QStringLiteral("\n")));
    }
    Out(SimulatedPortName() + QStringLiteral("\tsimulated radio\n"));
    return kExitOk;
}

#ifdef Q_OS_UNIX
namespace {

std::atomic<PtyServer *> g_server {nullptr};

bool ParseSimulateArgs(
    QStringList args, QString *image, bool *paced, FaultPlan *faults, int *exitCode)
{
    bool present = false;
    if (!TakeOption(args, QStringLiteral("--image"), image, &present)) {
        *exitCode = Usage(QStringLiteral("--image needs a file"));
        return false;
    }
    if (!present)
        *image = SimulatedImagePath();
    *paced = TakeFlag(args, QStringLiteral("--pace"));
    for (;;) {
        QString fault;
        if (!TakeOption(args, QStringLiteral("--fault"), &fault, &present)) {
            *exitCode = Usage(QStringLiteral("--fault needs KIND[@BLOCK]"));
            return false;
        }
        if (!present)
            break;
        const Status added = faults->add(fault);
        if (!added.ok()) {
            *exitCode = Usage(added.text());
            return false;
        }
    }
    if (!args.isEmpty()) {
        *exitCode = Usage(QStringLiteral("unexpected argument '%1'").arg(ShortInput(args[0])));
        return false;
    }
    return true;
}

} // namespace

int Simulate(const QStringList &args)
{
    QString path;
    bool paced = false;
    FaultPlan faults;
    int exitCode = kExitOk;
    if (!ParseSimulateArgs(args, &path, &paced, &faults, &exitCode))
        return exitCode;
    // The simulated radio owns its file while it serves: an import into it would
    // be overwritten at the next save, so it waits or fails instead.
    const Status prepared = PrepareSimulatedImageFolder(path);
    if (!prepared.ok())
        return Fail(QStringLiteral("cannot keep the simulated radio in %1: %2")
                        .arg(path.isEmpty() ? QStringLiteral("the data folder")
                                            : QDir::toNativeSeparators(path),
                            prepared.text()));
    FileLock lock(path);
    MemoryImage memory = NewImage();
    if (!LockFile(lock) || !CheckRewritable(path))
        return kExitFailure;
    if (QFileInfo::exists(path) ? !LoadImage(path, memory) : !SaveImage(path, memory))
        return kExitFailure;

    SimulatedRadio radio(memory, faults);
    PtyServer server(radio);
    const Status opened = server.open();
    if (!opened.ok())
        return Fail(opened);
    server.setPaced(paced);
    const auto save = [&] {
        if (SaveImage(path, radio.memory()))
            radio.markSaved();
    };
    server.setIdleHandler(save);
    Out(server.devicePath() + QLatin1Char('\n'));
    if (FinishOutput(kExitOk) != kExitOk)
        return Fail(QStringLiteral("the simulated radio was not started: nobody could learn "
                                   "its device path"));

    g_server = &server;
    CatchStopRequests([] {
        if (PtyServer *served = g_server.load())
            served->stop();
    });
    server.run();
    g_server = nullptr;
    if (radio.modified())
        save();
    if (server.hungUp())
        std::fputs("htprog-cli: simulated radio hung up the line\n", stderr);
    return radio.modified() ? kExitFailure : kExitOk;
}
#else
int Simulate(const QStringList &)
{
    return Fail(QStringLiteral("simulate serves the simulated radio on a pseudo-terminal, which "
                               "is available on Linux only; on Windows use --port sim"));
}
#endif

} // namespace Cli
