#include "openradioport.h"

#include "comport.h"
#include "datfile.h"
#include "filelock.h"
#include "serialradioport.h"
#include "simulatedport.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString DefaultSimulatedImagePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/simulated-radio.dat");
}

OpenedPort Failed(OpenFailure failure, const QString &detail)
{
    OpenedPort opened;
    opened.failure = failure;
    opened.detail = detail;
    return opened;
}

OpenedPort OpenSimulatedRadio(PortProfile profile)
{
    const QString path = SimulatedImagePath();
    QString why;
    if (!PrepareSimulatedImageFolder(path, &why))
        return Failed(OpenFailure::NotFound, why);
    auto lock = std::make_unique<FileLock>(path);
    if (!lock->lock())
        return Failed(OpenFailure::Busy, lock->message());
    MemoryImage memory = NewImage();
    const DatResult result
        = QFileInfo::exists(path) ? LoadDatFile(path, memory) : SaveDatFile(path, memory);
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
    const QFileInfo info(path);
    if (info.absoluteDir().exists())
        return true;
    // Only the program's own data folder is made; a folder the user named that does
    // not exist is a mistake to report, not a tree to create (as root: under /).
    if (info.absoluteFilePath() == QFileInfo(DefaultSimulatedImagePath()).absoluteFilePath()
        && QDir().mkpath(info.absolutePath()))
        return true;
    *why = QStringLiteral("the folder %1 does not exist")
               .arg(QDir::toNativeSeparators(info.absolutePath()));
    return false;
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
