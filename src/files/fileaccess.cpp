#include "files/fileaccess.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryFile>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <QtCore/qt_windows.h>
#include <io.h>
#endif

namespace {

Status Folder()
{
    return Status(Status::Kind::NotAFile, "FileAccess",
        QT_TRANSLATE_NOOP("FileAccess", "a folder, not a file"));
}

Status NotRegular()
{
    return Status(Status::Kind::NotAFile, "FileAccess",
        QT_TRANSLATE_NOOP("FileAccess", "not a regular file"));
}

#ifdef Q_OS_UNIX
Status TypeFailure(mode_t mode)
{
    return S_ISDIR(mode) ? Folder() : NotRegular();
}
#endif

} // namespace

Status OpenRegularFile(QFile &file, const QString &path)
{
#ifdef Q_OS_UNIX
    // The name is checked first so that a device is never opened at all; the open
    // itself does not wait for a FIFO's writer, and what it opened is checked again.
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::stat(name.constData(), &info) != 0)
        return Status::fromErrno(errno);
    if (!S_ISREG(info.st_mode))
        return TypeFailure(info.st_mode);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Status::fromErrno(errno);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return NotRegular();
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Status::fromFile(file);
    }
    return Status();
#else
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return info.isDir() ? Folder() : NotRegular();
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return Status::fromFile(file);
    return Status();
#endif
}

Status CheckReplaceableFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return Status();
    return info.isDir() ? Folder() : NotRegular();
}

#ifdef Q_OS_UNIX
namespace {

constexpr int kDefaultNameLimit = 255;

// The longest file name, in bytes, that the folder takes.
int NameLimit(const QByteArray &folder)
{
    const long limit = ::pathconf(folder.isEmpty() ? "." : folder.constData(), _PC_NAME_MAX);
    return limit > 0 && limit < 4096 ? int(limit) : kDefaultNameLimit;
}

// The leading bytes of a UTF-8 name, cut only between characters.
QByteArray CutName(const QByteArray &name, int size)
{
    size = qMax(0, qMin(size, int(name.size())));
    while (size > 0 && size < name.size() && (uchar(name.at(size)) & 0xC0) == 0x80)
        --size;
    return name.left(size);
}

QByteArray FitName(const QByteArray &folder, const QByteArray &name, const QByteArray &suffix)
{
    const int limit = NameLimit(folder);
    if (name.size() + suffix.size() <= limit)
        return name + suffix;
    const QByteArray digest
        = '~' + QCryptographicHash::hash(name, QCryptographicHash::Sha1).toHex().left(8);
    return CutName(name, limit - suffix.size() - digest.size()) + digest + suffix;
}

bool WriteAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        done += written;
    }
    return true;
}

// Creates a new file in folder named after name with six random characters
// appended ("<name>.AbC123"), shortened to fit; -1 with errno when none can be made.
int CreateTemporary(const QByteArray &folder, const QByteArray &name, QByteArray *path)
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const QByteArray stem = folder + '/' + FitName(folder, name, ".XXXXXX");
    for (int attempt = 0; attempt < 100; ++attempt) {
        *path = stem;
        for (qsizetype i = path->size() - 6; i < path->size(); ++i)
            (*path)[i] = kLetters[QRandomGenerator::global()->bounded(62)];
        const int fd = ::open(path->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// On the disk before it takes a name: a file system that cannot sync says so
// with EINVAL, which is no failure of the write.
bool Sync(int fd)
{
    return ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
}

// Writes, syncs and closes fd; the temporary file is removed on failure.
bool FinishTemporary(int fd, const QByteArray &temp, const QByteArray &bytes, int *error)
{
    bool ok = WriteAll(fd, bytes) && Sync(fd);
    *error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        *error = errno;
    }
    if (!ok)
        ::unlink(temp.constData());
    return ok;
}

// The file a save replaces: the target of a link, so that the link stays.
QByteArray SaveTarget(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return QFile::encodeName(info.absoluteFilePath());
    const QString canonical = info.canonicalFilePath();
    return QFile::encodeName(canonical.isEmpty() ? info.symLinkTarget() : canonical);
}

bool WriteInPlace(const QByteArray &target, const QByteArray &bytes, int *error)
{
    const int fd = ::open(target.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
        *error = errno;
        return false;
    }
    bool ok = WriteAll(fd, bytes);
    *error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        *error = errno;
    }
    return ok;
}

QByteArray FolderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

QByteArray NameOf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

} // namespace

Status SaveFileBytes(const QString &path, const QByteArray &bytes, bool directFallback)
{
    const Status replaceable = CheckReplaceableFile(path);
    if (!replaceable.ok())
        return replaceable;
    const QByteArray target = SaveTarget(path);
    struct stat existing;
    const bool exists = ::stat(target.constData(), &existing) == 0;
    // A file the user may not write is not replaced behind its back.
    if (exists && ::access(target.constData(), W_OK) != 0)
        return Status::fromErrno(errno);
    QByteArray temp;
    const int fd = CreateTemporary(FolderOf(target), NameOf(target), &temp);
    int error = errno;
    if (fd < 0) {
        if (directFallback && exists && (error == EACCES || error == EPERM)
            && WriteInPlace(target, bytes, &error))
            return Status();
        return Status::fromErrno(error);
    }
    // The replacement keeps the permissions of the file it replaces.
    if (exists)
        ::fchmod(fd, existing.st_mode & 07777);
    if (!FinishTemporary(fd, temp, bytes, &error))
        return Status::fromErrno(error);
    if (::rename(temp.constData(), target.constData()) != 0) {
        const Status renamed = Status::fromErrno(errno);
        ::unlink(temp.constData());
        return renamed;
    }
    return Status();
}

Status WriteNewFile(const QString &path, const QByteArray &bytes)
{
    const QByteArray target = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    QByteArray temp;
    const int fd = CreateTemporary(FolderOf(target), ".incoming", &temp);
    int error = errno;
    if (fd < 0 || !FinishTemporary(fd, temp, bytes, &error))
        return Status::fromErrno(error);
    // A hard link never replaces a file; where the file system has none, the
    // name is checked just before the rename.
    bool done = ::link(temp.constData(), target.constData()) == 0;
    error = errno;
    if (!done && error != EEXIST && ::access(target.constData(), F_OK) != 0) {
        done = ::rename(temp.constData(), target.constData()) == 0;
        error = errno;
    }
    ::unlink(temp.constData());
    if (done)
        return Status();
    const bool taken = error == EEXIST || ::access(target.constData(), F_OK) == 0;
    return Status::fromErrno(taken ? EEXIST : error);
}

Status MakeFolderPath(const QString &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    struct stat info;
    if (::stat(folder.constData(), &info) == 0)
        return S_ISDIR(info.st_mode) ? Status() : Status::fromErrno(ENOTDIR);
    if (errno != ENOENT)
        return Status::fromErrno(errno);
    const QByteArray parent = FolderOf(folder);
    if (parent != folder) {
        const Status made = MakeFolderPath(QFile::decodeName(parent));
        if (!made.ok())
            return made;
    }
    if (::mkdir(folder.constData(), 0777) == 0 || errno == EEXIST)
        return Status();
    return Status::fromErrno(errno);
}

QString FittedName(const QString &folder, const QString &name, const QString &suffix)
{
    return QFile::decodeName(
        FitName(QFile::encodeName(folder), QFile::encodeName(name), QFile::encodeName(suffix)));
}

#else

Status SaveFileBytes(const QString &path, const QByteArray &bytes, bool directFallback)
{
    const Status replaceable = CheckReplaceableFile(path);
    if (!replaceable.ok())
        return replaceable;
#ifdef Q_OS_WIN
    // Windows refuses to replace a read-only file; say so instead of "Access is denied".
    const DWORD attributes = ::GetFileAttributesW(
        reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()));
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return Status(Status::Kind::NoAccess, "FileAccess",
            QT_TRANSLATE_NOOP("FileAccess", "the file is read-only"));
#endif
    QSaveFile file(path);
    file.setDirectWriteFallback(directFallback);
    if (!file.open(QIODevice::WriteOnly))
        return Status::fromFile(file);
    // QSaveFile commits a file cut short by a failed flush (a full disk), so the
    // write and the flush are checked before the old file is replaced.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const Status written = Status::fromFile(file);
        file.cancelWriting();
        return written;
    }
    if (!file.commit())
        return Status::fromFile(file);
    return Status();
}

Status WriteNewFile(const QString &path, const QByteArray &bytes)
{
    if (QFileInfo::exists(path))
        return Status::fromErrno(EEXIST);
    QTemporaryFile temp(QFileInfo(path).absolutePath() + QStringLiteral("/.incoming-XXXXXX"));
    if (!temp.open() || temp.write(bytes) != bytes.size() || !temp.flush())
        return Status::fromFile(temp);
    if (temp.rename(path)) {
        temp.setAutoRemove(false);
        return Status();
    }
    if (QFileInfo::exists(path))
        return Status::fromSystemText(Status::Kind::Exists, temp.errorString());
    return Status::fromFile(temp);
}

Status MakeFolderPath(const QString &path)
{
    if (QDir().mkpath(path))
        return Status();
    if (QFileInfo(path).exists())
        return Status(
            Status::Kind::NotAFile, "FileAccess", QT_TRANSLATE_NOOP("FileAccess", "not a folder"));
    return Status(
        Status::Kind::Failed, "FileAccess", QT_TRANSLATE_NOOP("FileAccess", "cannot be made"));
}

QString FittedName(const QString &, const QString &name, const QString &suffix)
{
    return name + suffix;
}

#endif

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

#ifdef Q_OS_WIN
namespace {

// The volume and file index of an open handle: the same for every name of a
// file (hard links, other spellings, other letter cases).
bool HandleIdentity(HANDLE handle, quint64 *identity)
{
    BY_HANDLE_FILE_INFORMATION info;
    if (handle == INVALID_HANDLE_VALUE || !::GetFileInformationByHandle(handle, &info))
        return false;
    identity[0] = info.dwVolumeSerialNumber;
    identity[1] = (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return true;
}

bool PathIdentity(const QString &path, quint64 *identity)
{
    const HANDLE handle
        = ::CreateFileW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()),
            0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
            FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    const bool known = HandleIdentity(handle, identity);
    if (handle != INVALID_HANDLE_VALUE)
        ::CloseHandle(handle);
    return known;
}

} // namespace
#endif

bool IsSameFile(const QString &a, const QString &b)
{
#ifdef Q_OS_UNIX
    return SameIdentity(a, -1, b, -1);
#elif defined(Q_OS_WIN)
    quint64 first[2], second[2];
    return PathIdentity(a, first) && PathIdentity(b, second) && first[0] == second[0]
        && first[1] == second[1];
#else
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
#endif
}

bool IsOpenAs(int fd, const QString &path)
{
#ifdef Q_OS_UNIX
    return SameIdentity(QString(), fd, path, -1);
#elif defined(Q_OS_WIN)
    quint64 open[2], named[2];
    return HandleIdentity(reinterpret_cast<HANDLE>(::_get_osfhandle(fd)), open)
        && PathIdentity(path, named) && open[0] == named[0] && open[1] == named[1];
#else
    Q_UNUSED(fd)
    Q_UNUSED(path)
    return false;
#endif
}
