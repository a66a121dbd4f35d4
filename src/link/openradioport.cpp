#include "openradioport.h"

#include "comport.h"
#include "datfile.h"
#include "serialradioport.h"
#include "simulatedport.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString SimulatedImagePath()
{
    const QString overridden = qEnvironmentVariable("HTPROG_SIM_IMAGE");
    if (!overridden.isEmpty())
        return overridden;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/simulated-radio.dat");
}

namespace {

OpenedPort OpenSimulatedRadio(PortProfile profile)
{
    OpenedPort opened;
    const QString path = SimulatedImagePath();
    MemoryImage memory = NewImage();
    if (QFileInfo::exists(path)) {
        const DatResult loaded = LoadDatFile(path, memory);
        if (!loaded.ok()) {
            opened.failure = OpenFailure::Other;
            opened.detail = loaded.message;
            return opened;
        }
    } else {
        QDir().mkpath(QFileInfo(path).absolutePath());
        const DatResult created = SaveDatFile(path, memory);
        if (!created.ok()) {
            opened.failure = OpenFailure::Other;
            opened.detail = created.message;
            return opened;
        }
    }
    auto port = std::make_unique<SimulatedPort>(memory, profile);
    port->setPersistPath(path);
    opened.port = std::move(port);
    return opened;
}

} // namespace

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
