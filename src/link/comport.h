// Which serial port the transfers open and how it is named: the stored choice of
// the per-user settings, device paths on Linux ("/dev/ttyUSB0"), the COMn rule of
// Windows (low byte of the stored number; the device-namespace form from 10 on),
// the simulated radio "sim", probing and listing the ports of this machine.
#pragma once

#include "status/status.h"

#include <QList>
#include <QString>

// The device name every transfer opens.
extern QString g_strComPort;

// The port name "sim" opens the in-process simulated radio.
inline const QString &SimulatedPortName()
{
    static const QString name = QStringLiteral("sim");
    return name;
}

// Windows port name for a stored port number: "COM%d" below 10, "\\.\COM%d" from 10.
QString WindowsPortName(quint32 storedValue);

// The port used when the settings hold none: COM1 on Windows, /dev/ttyUSB0 elsewhere.
QString DefaultPortName();
// The stored choice (UserSettings::comPort()), or the default.
QString StoredComPort();
// Sets g_strComPort from the stored choice (done when a channel grid view is created).
void LoadComPortFromSettings();

// "ttyUSB0" → "/dev/ttyUSB0"; paths ("/", "./", "../") and Windows names are
// returned as they are.
QString DevicePath(const QString &name);
// Why name cannot be a serial port, found before anything is opened: no name or
// no such device (NotFound), or a file that is not a device (NotAFile;
// "regular.txt" is looked up as /dev/regular.txt, "./regular.txt" is a regular
// file). Success when it may be one.
Status CheckPortName(const QString &name);

// True when the port can be opened exclusively right now (closed again at once).
bool ProbePort(const QString &name);

struct PortEntry
{
    QString name; // what to store and open: the device path
    QString description; // what the system reports about the device
    bool busy = false; // cannot be opened now (in use, or no permission)
};
// The serial ports of this machine, in the order the system reports them.
QList<PortEntry> ListPorts();

// How to get access to a device that exists but is not ours to open: the group that
// owns it and the command that adds the user to it. Empty where it does not apply.
QString PortAccessHint(const QString &name);
