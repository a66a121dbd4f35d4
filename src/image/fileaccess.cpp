#include "fileaccess.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString FolderReason()
{
    return QCoreApplication::translate("FileAccess", "a folder, not a file");
}

// The reason a file operation failed: errno when the operation left one, else
// what Qt recorded (which says "Unknown error" after a failed flush).
QString ReasonAfter(int error, const QFileDevice &file)
{
    return error != 0 ? SystemReason(error) : file.errorString();
}

#ifdef Q_OS_UNIX
QString TypeReason(mode_t mode)
{
    return S_ISDIR(mode) ? FolderReason() : NotRegularReason();
}
#endif

} // namespace

QString SystemReason(int error)
{
    if (error == ENOSPC
#ifdef EDQUOT
        || error == EDQUOT
#endif
    )
        return QCoreApplication::translate("FileAccess", "no space left on the device");
    return QString::fromLocal8Bit(std::strerror(error));
}

QString NotRegularReason()
{
    return QCoreApplication::translate("FileAccess", "not a regular file");
}

bool OpenRegularFile(QFile &file, const QString &path, QString *why)
{
#ifdef Q_OS_UNIX
    // The name is checked first so that a device is never opened at all; the open
    // itself does not wait for a FIFO's writer, and what it opened is checked again.
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::stat(name.constData(), &info) != 0) {
        *why = SystemReason(errno);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        *why = TypeReason(info.st_mode);
        return false;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *why = SystemReason(errno);
        return false;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        *why = NotRegularReason();
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *why = file.errorString();
        return false;
    }
    return true;
#else
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        *why = info.isDir() ? FolderReason() : NotRegularReason();
        return false;
    }
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = file.errorString();
        return false;
    }
    return true;
#endif
}

bool IsReplaceableFile(const QString &path, QString *why)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return true;
    *why = info.isDir() ? FolderReason() : NotRegularReason();
    return false;
}

bool SaveFileBytes(const QString &path, const QByteArray &bytes, QString *why, bool directFallback)
{
    if (!IsReplaceableFile(path, why))
        return false;
    QSaveFile file(path);
    file.setDirectWriteFallback(directFallback);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        *why = file.errorString();
        return false;
    }
    // QSaveFile commits a file cut short by a failed flush (a full disk), so the
    // write and the flush are checked before the old file is replaced.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        *why = ReasonAfter(errno, file);
        file.cancelWriting();
        return false;
    }
    errno = 0;
    if (!file.commit()) {
        *why = ReasonAfter(errno, file);
        return false;
    }
    return true;
}

#ifdef Q_OS_UNIX
namespace {

// The device and inode of a name (links followed) or of an open descriptor.
bool Identity(const QString &path, int fd, dev_t *device, ino_t *inode)
{
    struct stat info;
    if ((path.isNull() ? ::fstat(fd, &info) : ::stat(QFile::encodeName(path).constData(), &info))
        != 0)
        return false;
    *device = info.st_dev;
    *inode = info.st_ino;
    return true;
}

bool SameIdentity(const QString &a, int fdA, const QString &b, int fdB)
{
    dev_t deviceA = 0, deviceB = 0;
    ino_t inodeA = 0, inodeB = 0;
    return Identity(a, fdA, &deviceA, &inodeA) && Identity(b, fdB, &deviceB, &inodeB)
        && deviceA == deviceB && inodeA == inodeB;
}

} // namespace
#endif

bool IsSameFile(const QString &a, const QString &b)
{
#ifdef Q_OS_UNIX
    return SameIdentity(a, -1, b, -1);
#else
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
#endif
}

bool IsOpenAs(int fd, const QString &path)
{
#ifdef Q_OS_UNIX
    return SameIdentity(QString(), fd, path, -1);
#else
    Q_UNUSED(fd)
    Q_UNUSED(path)
    return false;
#endif
}
