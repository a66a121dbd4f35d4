#include "comport.h"

#include "serialradioport.h"
#include "usersettings.h"

#include <QCoreApplication>
#include <QSerialPortInfo>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/stat.h>
#endif

QString g_strComPort;

QString WindowsPortName(quint32 storedValue)
{
    const int n = int(storedValue & 0xFF);
    if (n < 10)
        return QStringLiteral("COM%1").arg(n);
    return QStringLiteral("\\\\.\\COM%1").arg(n);
}

QString DefaultPortName()
{
#ifdef Q_OS_WIN
    return WindowsPortName(1);
#else
    return QStringLiteral("/dev/ttyUSB0");
#endif
}

QString StoredComPort()
{
    const QString stored = UserSettings::comPort();
    if (stored.isEmpty())
        return DefaultPortName();
#ifdef Q_OS_WIN
    // A bare number is the port number that older installations stored.
    bool isNumber = false;
    const uint number = stored.toUInt(&isNumber);
    if (isNumber)
        return WindowsPortName(number);
#endif
    return stored;
}

void LoadComPortFromSettings()
{
    g_strComPort = StoredComPort();
}

QString DevicePath(const QString &name)
{
#ifdef Q_OS_UNIX
    if (!name.isEmpty() && !name.startsWith(QLatin1Char('/')) && name != SimulatedPortName())
        return QStringLiteral("/dev/") + name;
#endif
    return name;
}

bool ProbePort(const QString &name)
{
    if (name == SimulatedPortName())
        return true;
    SerialRadioPort port(PortProfile::Clone);
    return port.open(name) == OpenFailure::None;
}

QList<PortEntry> ListPorts()
{
    QList<PortEntry> ports;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
        PortEntry entry;
        entry.name = info.systemLocation();
        entry.description = info.description();
        entry.busy = !ProbePort(entry.name);
        ports.append(entry);
    }
    return ports;
}

QString PortAccessHint(const QString &name)
{
#ifdef Q_OS_UNIX
    struct stat info;
    const QByteArray path = DevicePath(name).toLocal8Bit();
    if (::stat(path.constData(), &info) != 0)
        return QString();
    const struct group *owner = ::getgrgid(info.st_gid);
    const QString group
        = owner ? QString::fromLocal8Bit(owner->gr_name) : QStringLiteral("dialout");
    return QCoreApplication::translate("ComPort",
        "you may not use %1: add yourself to the group that owns it (%2): "
        "sudo usermod -aG %2 $USER, then log in again")
        .arg(DevicePath(name), group);
#else
    Q_UNUSED(name)
    return QString();
#endif
}
