#include "link/portholders.h"

#include "link/comport.h"
#include "settings/visibletext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>

#ifdef Q_OS_LINUX
#include <sys/stat.h>
#endif

namespace {

// What to do about a holder, by the programs known to take serial cables.
QString Advice(const QString &name)
{
    if (name == QLatin1String("ModemManager"))
        return QCoreApplication::translate("PortHolders",
            "ModemManager tries every new serial device as a modem and lets go after a few "
            "seconds: try again, or stop it while you program (sudo systemctl stop "
            "ModemManager).");
    if (name == QLatin1String("brltty"))
        return QCoreApplication::translate("PortHolders",
            "brltty takes some USB serial cables for a braille display: unless you use "
            "one, remove it (sudo apt remove brltty) and plug the cable in again.");
    if (name.startsWith(QLatin1String("htprog")))
        return QCoreApplication::translate("PortHolders",
            "Another transfer with the radio is running: wait until it ends, or close that "
            "program.");
    return QCoreApplication::translate("PortHolders", "Close that program and try again.");
}

} // namespace

QList<PortHolder> FindPortHolders(const QString &portName)
{
    QList<PortHolder> holders;
#ifdef Q_OS_LINUX
    struct stat device;
    const QByteArray path = QFile::encodeName(DevicePath(portName));
    if (::stat(path.constData(), &device) != 0 || !S_ISCHR(device.st_mode))
        return holders;
    const QDir proc(QStringLiteral("/proc"));
    for (const QString &entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (!isPid || pid == QCoreApplication::applicationPid())
            continue;
        const QDir fds(proc.filePath(entry + QStringLiteral("/fd")));
        // Unreadable for another user's processes: those stay unnamed.
        for (const QString &fd : fds.entryList(QDir::System | QDir::NoDotAndDotDot)) {
            struct stat open;
            const QByteArray link = QFile::encodeName(fds.filePath(fd));
            if (::stat(link.constData(), &open) != 0 || !S_ISCHR(open.st_mode)
                || open.st_rdev != device.st_rdev)
                continue;
            QFile comm(proc.filePath(entry + QStringLiteral("/comm")));
            const QString name = comm.open(QIODevice::ReadOnly)
                ? QString::fromLocal8Bit(comm.readAll()).trimmed()
                : QString();
            holders.append({pid, name.isEmpty() ? QStringLiteral("?") : name});
            break;
        }
    }
    std::sort(holders.begin(), holders.end(),
        [](const PortHolder &a, const PortHolder &b) { return a.pid < b.pid; });
#else
    Q_UNUSED(portName)
#endif
    return holders;
}

QString PortHolderHint(const QString &portName, const QList<PortHolder> &holders)
{
    if (holders.isEmpty())
        return QString();
    QStringList named;
    for (const PortHolder &holder : holders)
        named << QCoreApplication::translate("PortHolders", "%1 (process %2)")
                     .arg(VisibleText(holder.name))
                     .arg(holder.pid);
    return QCoreApplication::translate("PortHolders", "%1 is in use by %2.")
               .arg(ShortInput(DevicePath(portName)), named.join(QStringLiteral(", ")))
        + QLatin1Char(' ') + Advice(holders.first().name);
}

QString PortHolderHint(const QString &portName)
{
    return PortHolderHint(portName, FindPortHolders(portName));
}
