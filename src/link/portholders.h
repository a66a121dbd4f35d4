// Which processes hold a serial device open, where the system lets us see it:
// on Linux each /proc/<pid>/fd entry that is the device (the same device
// number) names a holder by /proc/<pid>/comm. Processes of other users are
// seen only as far as the system allows; elsewhere nothing is found.
#pragma once

#include <QList>
#include <QString>

struct PortHolder
{
    qint64 pid = 0;
    QString name; // the process's command name, e.g. "ModemManager"

    bool operator==(const PortHolder &other) const
    {
        return pid == other.pid && name == other.name;
    }
};

// The processes other than this one that have portName ("ttyUSB0" or a path)
// open, by process id.
QList<PortHolder> FindPortHolders(const QString &portName);

// "/dev/ttyUSB0 is in use by ModemManager (process 812)." and one sentence on
// what to do about that holder; empty without holders.
QString PortHolderHint(const QString &portName, const QList<PortHolder> &holders);
// The same for the holders found now.
QString PortHolderHint(const QString &portName);
