#include "link/comport.h"

#include "link/serialradioport.h"
#include "settings/usersettings.h"
#include "settings/visibletext.h"

#include <QCoreApplication>

#ifdef Q_OS_WIN
#include "link/windowsports.h"
#else
#include <QSerialPortInfo>
#endif

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
    const QString stored = UserSettings::ComPort();
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
    // As QSerialPort names devices: a name that is no path is looked up in /dev.
    const bool path = name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1String("./"))
        || name.startsWith(QLatin1String("../"));
    if (!name.isEmpty() && !path && name != SimulatedPortName())
        return QStringLiteral("/dev/") + name;
#endif
    return name;
}

Status CheckPortName(const QString &name)
{
    if (name.isEmpty())
        return Status(Status::Kind::NotFound, "ComPort",
            QT_TRANSLATE_NOOP("ComPort", "no port name was given"));
#ifdef Q_OS_UNIX
    const QString path = DevicePath(name);
    struct stat info;
    if (::stat(path.toLocal8Bit().constData(), &info) != 0) {
        if (path == name)
            return Status(); // the open says what is wrong with a path
        return Status(Status::Kind::NotFound, "ComPort",
            QT_TRANSLATE_NOOP("ComPort",
                "there is no device %1 (a port name without a folder is looked up in /dev)"))
            .arg(ShortInput(path));
    }
    if (S_ISCHR(info.st_mode))
        return Status();
    return Status(Status::Kind::NotAFile, "ComPort",
        QT_TRANSLATE_NOOP(
            "ComPort", "%1 is not a serial port (it is a file or a folder, not a device)"))
        .arg(ShortInput(path));
#else
    return Status();
#endif
}

bool ProbePort(const QString &name)
{
    if (name == SimulatedPortName())
        return true;
    SerialRadioPort port(PortProfile::Clone);
    return port.open(name).ok();
}

QList<PortEntry> ListPorts()
{
    QList<PortEntry> ports;
#ifdef Q_OS_WIN
    for (const WindowsPort &port : WindowsSerialPorts()) {
        PortEntry entry;
        entry.name = port.name;
        entry.description = port.description;
        entry.busy = !ProbePort(entry.name);
        ports.append(entry);
    }
#else
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
        PortEntry entry;
        entry.name = info.systemLocation();
        entry.description = info.description();
        entry.busy = !ProbePort(entry.name);
        ports.append(entry);
    }
#endif
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
        .arg(ShortInput(DevicePath(name)), group);
#else
    Q_UNUSED(name)
    return QString();
#endif
}
