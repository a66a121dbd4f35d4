#include "files/filelock.h"

#include "files/fileaccess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>
#include <QThread>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <QtCore/qt_windows.h>
#endif

namespace {

constexpr int kRetryMs = 50;

Status InUse(const QString &shown, const QString &owner)
{
    return Status(Status::Kind::Busy, "FileLock",
        QT_TRANSLATE_NOOP("FileLock",
            "%1 is in use by another process (%2); nothing was changed. Try again when it "
            "has finished."))
        .arg(shown)
        .arg(owner);
}

Status CannotLock(const QString &shown, const Status &why)
{
    return Status(why.kind(), "FileLock", QT_TRANSLATE_NOOP("FileLock", "Cannot lock %1: %2."))
        .arg(shown)
        .arg(why);
}

enum class Attempt { Locked, Held, Again, Failed };

// What a lock file says of its holder, in the form QLockFile writes it: the
// process id, the program's name and the host, one a line.
QByteArray HolderLines()
{
    return QByteArray::number(QCoreApplication::applicationPid()) + '\n'
        + QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + '\n'
        + QSysInfo::machineHostName().toUtf8() + '\n';
}

// "htprog-cli, process 1234" from the contents of a held lock file, or empty.
QString DescribeHolder(const QByteArray &contents)
{
    const QList<QByteArray> lines = contents.split('\n');
    bool number = false;
    const qint64 pid = lines.value(0).toLongLong(&number);
    if (!number || lines.size() < 2)
        return QString();
    return QStringLiteral("%1, process %2").arg(QString::fromUtf8(lines.at(1))).arg(pid);
}

#ifdef Q_OS_UNIX

// "htprog-cli, process 1234" from a held lock file, or empty.
QString HolderOf(const QByteArray &name)
{
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QString();
    char buffer[512];
    const ssize_t size = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    return DescribeHolder(QByteArray(buffer, size > 0 ? int(size) : 0));
}

// True when the lock file open as fd names a process of this host that runs.
bool NamesLiveProcess(int fd)
{
    char buffer[512];
    const ssize_t size = ::pread(fd, buffer, sizeof buffer, 0);
    const QList<QByteArray> lines = QByteArray(buffer, size > 0 ? int(size) : 0).split('\n');
    bool number = false;
    const qint64 pid = lines.value(0).toLongLong(&number);
    if (!number || pid <= 0 || pid == QCoreApplication::applicationPid())
        return false;
    if (lines.size() > 2 && lines.at(2) != QSysInfo::machineHostName().toUtf8())
        return true; // another host's process cannot be checked
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

// Writes who holds the lock into the lock file open as fd; on failure the file is
// removed and closed.
Attempt Hold(const QByteArray &name, int fd, int *error)
{
    const QByteArray lines = HolderLines();
    errno = 0;
    if (::ftruncate(fd, 0) == 0
        && ::pwrite(fd, lines.constData(), size_t(lines.size()), 0) == lines.size())
        return Attempt::Locked;
    *error = errno != 0 ? errno : ENOSPC;
    ::unlink(name.constData());
    ::close(fd);
    return Attempt::Failed;
}

// A lock file that another user made and this one may not write: in use while
// its holder runs, else removed (where the folder allows) to be made anew.
Attempt TryOthersLock(const QByteArray &name, int *error)
{
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = EACCES;
        return Attempt::Failed;
    }
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    if (held)
        return Attempt::Held;
    if (::unlink(name.constData()) == 0 || errno == ENOENT)
        return Attempt::Again;
    *error = errno;
    return Attempt::Failed;
}

// One try for the lock file name. The system lock (flock) is what holds it; the
// file's contents only tell others who does.
Attempt TryLock(const QByteArray &name, int *fd, int *error)
{
    // No process makes its lock file a link: one in that place (even pointing
    // nowhere) is left over and taken over.
    struct stat link;
    if (::lstat(name.constData(), &link) == 0 && S_ISLNK(link.st_mode)
        && ::unlink(name.constData()) != 0 && errno != ENOENT) {
        *error = errno;
        return Attempt::Failed;
    }
    const int opened
        = ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (opened < 0 && errno == EACCES)
        return TryOthersLock(name, error);
    if (opened < 0) {
        *error = errno;
        return errno == ELOOP ? Attempt::Again : Attempt::Failed;
    }
    struct stat held;
    if (::fstat(opened, &held) != 0 || !S_ISREG(held.st_mode)) {
        ::close(opened);
        *error = EINVAL;
        return Attempt::Failed;
    }
    if (::flock(opened, LOCK_EX | LOCK_NB) != 0) {
        const int failure = errno;
        // A file system without system locks: the process named in the file is
        // the holder while it runs.
        if (failure != EWOULDBLOCK && failure != EINTR && !NamesLiveProcess(opened))
            return Hold(name, opened, error);
        ::close(opened);
        return Attempt::Held;
    }
    // The holder before may have removed the file between the open and the lock:
    // a lock on a file that has no name any more holds nothing.
    struct stat named;
    if (::stat(name.constData(), &named) != 0 || named.st_dev != held.st_dev
        || named.st_ino != held.st_ino) {
        ::close(opened);
        return Attempt::Again;
    }
    const Attempt attempt = Hold(name, opened, error);
    if (attempt == Attempt::Locked)
        *fd = opened;
    return attempt;
}

#elif defined(Q_OS_WIN)

std::wstring NativeName(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

// "htprog-cli, process 1234" from a held lock file, or empty.
QString HolderOf(const QString &lockName)
{
    const HANDLE handle = ::CreateFileW(NativeName(lockName).c_str(), GENERIC_READ,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return QString();
    char buffer[512];
    DWORD size = 0;
    if (!::ReadFile(handle, buffer, sizeof buffer, &size, nullptr))
        size = 0;
    ::CloseHandle(handle);
    return DescribeHolder(QByteArray(buffer, int(size)));
}

// One try for the lock file. The holder keeps it open for writing with no other
// writer allowed, and the system removes it when that handle closes, also when
// the holder is killed: a lock is never left behind.
Attempt TryLock(const QString &lockName, HANDLE *handle, DWORD *error)
{
    const HANDLE opened = ::CreateFileW(NativeName(lockName).c_str(), GENERIC_READ | GENERIC_WRITE,
        FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        *error = ::GetLastError();
        // Another holder's handle, or its lock file on the way out.
        if (*error == ERROR_SHARING_VIOLATION || *error == ERROR_LOCK_VIOLATION
            || (*error == ERROR_ACCESS_DENIED && QFileInfo::exists(lockName)))
            return Attempt::Held;
        return Attempt::Failed;
    }
    const QByteArray lines = HolderLines();
    DWORD written = 0;
    if (!::SetEndOfFile(opened)
        || !::WriteFile(opened, lines.constData(), DWORD(lines.size()), &written, nullptr)
        || written != DWORD(lines.size())) {
        *error = ::GetLastError();
        if (*error == ERROR_SUCCESS)
            *error = ERROR_DISK_FULL;
        ::CloseHandle(opened);
        return Attempt::Failed;
    }
    *handle = opened;
    return Attempt::Locked;
}

#endif

} // namespace

FileLock::FileLock(const QString &path)
    : m_path(path)
{ }

FileLock::~FileLock()
{
    unlock();
}

bool FileLock::isLocked() const
{
#ifdef Q_OS_WIN
    return m_handle != nullptr;
#else
    return m_fd >= 0;
#endif
}

QString FileLock::lockPath(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    const QFileInfo file(canonical.isEmpty() ? info.absoluteFilePath() : canonical);
    QString folder = file.absoluteDir().canonicalPath();
    if (folder.isEmpty())
        folder = file.absolutePath();
    return folder + QLatin1Char('/') + FittedName(folder, file.fileName(), QStringLiteral(".lock"));
}

Status FileLock::lock(int waitMs)
{
    if (isLocked())
        return Status();
    const QString shown = QDir::toNativeSeparators(m_path);
    const QString lockName = lockPath(m_path);
    // Reading the owner of a lock "file" that is a FIFO would wait for ever.
    const Status replaceable
        = QFileInfo(lockName).isSymLink() ? Status() : CheckReplaceableFile(lockName);
    if (!replaceable.ok()) {
        return Status(replaceable.kind(), "FileLock",
            QT_TRANSLATE_NOOP("FileLock", "Cannot lock %1: %2 is %3."))
            .arg(shown)
            .arg(QDir::toNativeSeparators(lockName))
            .arg(replaceable);
    }
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(lockName);
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        int error = 0;
        switch (TryLock(name, &m_fd, &error)) {
        case Attempt::Locked:
            m_lockName = name;
            return Status();
        case Attempt::Failed:
            return CannotLock(shown, Status::fromErrno(error));
        case Attempt::Held:
        case Attempt::Again:
            if (deadline.hasExpired()) {
                const QString holder = HolderOf(name);
                return InUse(shown, holder.isEmpty() ? QDir::toNativeSeparators(lockName) : holder);
            }
            QThread::msleep(kRetryMs);
            break;
        }
    }
#elif defined(Q_OS_WIN)
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        HANDLE handle = INVALID_HANDLE_VALUE;
        DWORD error = 0;
        switch (TryLock(lockName, &handle, &error)) {
        case Attempt::Locked:
            m_handle = handle;
            return Status();
        case Attempt::Failed:
            return CannotLock(shown, Status::fromWindowsError(error));
        case Attempt::Held:
        case Attempt::Again:
            if (deadline.hasExpired()) {
                const QString holder = HolderOf(lockName);
                return InUse(shown, holder.isEmpty() ? QDir::toNativeSeparators(lockName) : holder);
            }
            QThread::msleep(kRetryMs);
            break;
        }
    }
#endif
}

QString FileLock::heldBy(const QString &path)
{
    const QString lockName = lockPath(path);
    const QFileInfo info(lockName);
    if (!info.exists() || info.isSymLink() || !info.isFile())
        return QString(); // a link is left over (lock() takes it over), a non-file holds nothing
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(lockName);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QString();
    bool held = false;
    if (::flock(fd, LOCK_SH | LOCK_NB) == 0)
        ::flock(fd, LOCK_UN);
    else
        held = errno == EWOULDBLOCK || NamesLiveProcess(fd);
    ::close(fd);
    if (!held)
        return QString();
    const QString holder = HolderOf(name);
#elif defined(Q_OS_WIN)
    // A holder keeps the lock file open; one that opens without sharing is left
    // over from a program that ended (lock() takes it over).
    const HANDLE alone = ::CreateFileW(NativeName(lockName).c_str(), GENERIC_READ, 0, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (alone != INVALID_HANDLE_VALUE) {
        ::CloseHandle(alone);
        return QString();
    }
    if (::GetLastError() != ERROR_SHARING_VIOLATION)
        return QString();
    const QString holder = HolderOf(lockName);
#endif
    return holder.isEmpty() ? QDir::toNativeSeparators(lockName) : holder;
}

void FileLock::unlock()
{
#ifdef Q_OS_UNIX
    if (m_fd >= 0) {
        // Removed while still held, and only when the name is still this file.
        struct stat held, named;
        if (::fstat(m_fd, &held) == 0 && ::stat(m_lockName.constData(), &named) == 0
            && held.st_dev == named.st_dev && held.st_ino == named.st_ino)
            ::unlink(m_lockName.constData());
        ::close(m_fd);
        m_fd = -1;
    }
#elif defined(Q_OS_WIN)
    // Closing the handle removes the lock file.
    if (m_handle)
        ::CloseHandle(m_handle);
    m_handle = nullptr;
#endif
}
