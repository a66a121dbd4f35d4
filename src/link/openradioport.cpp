#include "link/openradioport.h"

#include "files/fileaccess.h"
#include "files/filelock.h"
#include "image/datfile.h"
#include "link/comport.h"
#include "link/serialradioport.h"
#include "link/simulatedport.h"
#include "link/tracingport.h"
#include "settings/datapaths.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace {

// Empty, with the reason, when there is no per-user data folder.
QString DefaultSimulatedImagePath(Status *why = nullptr)
{
    const QString folder = DataPaths::userDataFolder(why);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/simulated-radio.dat");
}

OpenedPort Failed(const Status &status)
{
    OpenedPort opened;
    opened.status = status;
    return opened;
}

// Busy when another process holds the simulated radio; a lock that failed for
// another reason (a lock file that cannot be made) is no busy port.
OpenedPort LockFailed(const Status &locked, const QString &path)
{
    qint64 pid = 0;
    QString host, application;
    QLockFile held(FileLock::lockPath(path));
    if (!held.getLockInfo(&pid, &host, &application))
        return Failed(Status::fromSystemText(Status::Kind::Failed, locked.text()));
    return Failed(Status(Status::Kind::Busy, "OpenRadioPort",
        QT_TRANSLATE_NOOP(
            "OpenRadioPort", "the simulated radio is in use by another process (%1, process %2)"))
                      .arg(application)
                      .arg(pid));
}

// A failure of the simulated radio's file: not the port's own kind of failure.
OpenedPort FileFailed(const Status &status)
{
    return Failed(Status::fromSystemText(Status::Kind::Failed, status.text()));
}

OpenedPort OpenSimulatedRadio(PortProfile profile)
{
    const QString path = SimulatedImagePath();
    const Status prepared = PrepareSimulatedImageFolder(path);
    if (!prepared.ok())
        return Failed(Status::fromSystemText(Status::Kind::NotFound, prepared.text()));
    // Like a serial device, the simulated radio serves one transfer at a time: a
    // second one is refused at once as busy, not queued behind the first, which
    // would let both report success for a radio that holds only the last.
    auto lock = std::make_unique<FileLock>(path);
    const Status locked = lock->lock(0);
    if (!locked.ok())
        return LockFailed(locked, path);
    MemoryImage memory = NewImage();
    // The radio's memory is saved back at the end: a file that is not an image
    // would be cut to one.
    Status result = CheckImageSize(path);
    if (result.ok())
        result = QFileInfo::exists(path) ? LoadDatFile(path, memory) : SaveDatFile(path, memory);
    if (!result.ok())
        return FileFailed(result);
    auto port = std::make_unique<SimulatedPort>(memory, profile);
    port->setPersistPath(path, std::move(lock));
    OpenedPort opened;
    opened.port = std::move(port);
    return opened;
}

} // namespace

QString SimulatedImagePath()
{
    const QString overridden = qEnvironmentVariable("HTPROG_SIM_IMAGE");
    return overridden.isEmpty() ? DefaultSimulatedImagePath() : overridden;
}

Status PrepareSimulatedImageFolder(const QString &path)
{
    if (path.isEmpty()) {
        Status why;
        DefaultSimulatedImagePath(&why);
        return why.ok() ? Status(Status::Kind::NotFound) : why;
    }
    const QFileInfo info(path);
    if (info.absoluteDir().exists())
        return Status();
    // Only the program's own data folder is made; a folder the user named that does
    // not exist is a mistake to report, not a tree to create (as root: under /).
    const QString own = DefaultSimulatedImagePath();
    if (own.isEmpty() || info.absoluteFilePath() != QFileInfo(own).absoluteFilePath()) {
        return Status(Status::Kind::NotFound, "OpenRadioPort",
            QT_TRANSLATE_NOOP("OpenRadioPort", "the folder %1 does not exist"))
            .arg(QDir::toNativeSeparators(info.absolutePath()));
    }
    return MakeFolderPath(info.absolutePath());
}

namespace {

OpenedPort OpenUntraced(PortProfile profile, const QString &portName)
{
    if (portName == SimulatedPortName())
        return OpenSimulatedRadio(profile);
    OpenedPort opened;
    auto port = std::make_unique<SerialRadioPort>(profile);
    opened.status = port->open(portName);
    if (opened.status.ok())
        opened.port = std::move(port);
    return opened;
}

} // namespace

OpenedPort OpenRadioPort(PortProfile profile, const QString &portName, LinkTrace *trace)
{
    OpenedPort opened = OpenUntraced(profile, portName);
    if (!trace)
        return opened;
    if (!opened.port) {
        trace->openFailed(portName, opened.status.text());
        return opened;
    }
    trace->portOpened(portName);
    opened.port = std::make_unique<TracingPort>(std::move(opened.port), *trace);
    return opened;
}

bool IsPortOpenFailure(const Status &transfer)
{
    switch (transfer.kind()) {
    case Status::Kind::Ok:
    case Status::Kind::Cancelled:
    case Status::Kind::NoAnswer:
    case Status::Kind::Interrupted:
        return false;
    default:
        return true;
    }
}
