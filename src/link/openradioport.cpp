#include "openradioport.h"

#include "comport.h"
#include "datapaths.h"
#include "datfile.h"
#include "fileaccess.h"
#include "filelock.h"
#include "serialradioport.h"
#include "simulatedport.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace {

// Empty, with the reason, when there is no per-user data folder.
QString DefaultSimulatedImagePath(QString *why = nullptr)
{
    const QString folder = DataPaths::userDataFolder(why);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/simulated-radio.dat");
}

OpenedPort Failed(OpenFailure failure, const QString &detail)
{
    OpenedPort opened;
    opened.failure = failure;
    opened.detail = detail;
    return opened;
}

OpenedPort LockFailed(const FileLock &lock, const QString &path)
{
    qint64 pid = 0;
    QString host, application;
    QLockFile held(FileLock::lockPath(path));
    if (!held.getLockInfo(&pid, &host, &application))
        return Failed(OpenFailure::Other, lock.message());
    return Failed(OpenFailure::Busy,
        QStringLiteral("the simulated radio is in use by another process (%1, process %2)")
            .arg(application)
            .arg(pid));
}

OpenedPort OpenSimulatedRadio(PortProfile profile)
{
    const QString path = SimulatedImagePath();
    QString why;
    if (!PrepareSimulatedImageFolder(path, &why))
        return Failed(OpenFailure::NotFound, why);
    // Like a serial device, the simulated radio serves one transfer at a time: a
    // second one is refused at once as busy, not queued behind the first, which
    // would let both report success for a radio that holds only the last.
    auto lock = std::make_unique<FileLock>(path);
    if (!lock->lock(0))
        return LockFailed(*lock, path);
    MemoryImage memory = NewImage();
    // The radio's memory is saved back at the end: a file that is not an image
    // would be cut to one.
    DatResult result = CheckImageSize(path);
    if (result.ok())
        result = QFileInfo::exists(path) ? LoadDatFile(path, memory) : SaveDatFile(path, memory);
    if (!result.ok())
        return Failed(OpenFailure::Other, result.message);
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

bool PrepareSimulatedImageFolder(const QString &path, QString *why)
{
    if (path.isEmpty()) {
        DefaultSimulatedImagePath(why);
        return false;
    }
    const QFileInfo info(path);
    if (info.absoluteDir().exists())
        return true;
    // Only the program's own data folder is made; a folder the user named that does
    // not exist is a mistake to report, not a tree to create (as root: under /).
    const QString own = DefaultSimulatedImagePath();
    if (own.isEmpty() || info.absoluteFilePath() != QFileInfo(own).absoluteFilePath()) {
        *why = QStringLiteral("the folder %1 does not exist")
                   .arg(QDir::toNativeSeparators(info.absolutePath()));
        return false;
    }
    return MakeFolderPath(info.absolutePath(), why);
}

namespace { } // namespace

OpenedPort OpenRadioPort(PortProfile profile, const QString &portName)
{
    if (portName == SimulatedPortName())
        return OpenSimulatedRadio(profile);
    OpenedPort opened;
    auto port = std::make_unique<SerialRadioPort>(profile);
    opened.failure = port->open(portName);
    if (opened.failure != OpenFailure::None) {
        opened.detail = port->errorString();
        return opened;
    }
    opened.port = std::move(port);
    return opened;
}
