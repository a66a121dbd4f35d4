#include "filelock.h"

#include "fileaccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <cerrno>

namespace {

// A lock file older than this whose owner cannot be checked (another host, a
// process that no longer answers) counts as left behind. An owner that runs keeps
// a system lock on the file, so a lock is never taken from a process that holds it.
constexpr int kStaleAfterMs = 30000;

// The errno that best says why no lock file could be made: QLockFile tells a
// refused folder from "unknown", which is mostly a full disk.
int lockFailure(const QString &lockName, QLockFile::LockError error)
{
    const QDir folder = QFileInfo(lockName).absoluteDir();
    if (!folder.exists())
        return ENOENT;
    if (error == QLockFile::PermissionError)
        return EACCES;
    return QStorageInfo(folder).bytesAvailable() < 4096 ? ENOSPC : EIO;
}

} // namespace

FileLock::FileLock(const QString &path)
    : m_path(path)
{ }

FileLock::~FileLock()
{
    unlock();
}

QString FileLock::lockPath(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical + QStringLiteral(".lock");
    const QString folder = info.absoluteDir().canonicalPath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName()
        + QStringLiteral(".lock");
}

bool FileLock::lock(int waitMs)
{
    if (isLocked())
        return true;
    const QString shown = QDir::toNativeSeparators(m_path);
    const QString lockName = lockPath(m_path);
    QString why;
    // Reading the owner of a lock "file" that is a FIFO would wait for ever.
    if (!IsReplaceableFile(lockName, &why)) {
        m_message = QCoreApplication::translate("FileLock", "Cannot lock %1: %2 is %3.")
                        .arg(shown, QDir::toNativeSeparators(lockName), why);
        return false;
    }
    m_lock = std::make_unique<QLockFile>(lockName);
    m_lock->setStaleLockTime(kStaleAfterMs);
    if (m_lock->tryLock(waitMs)) {
        m_message.clear();
        return true;
    }
    if (m_lock->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host, application;
        const QString owner = m_lock->getLockInfo(&pid, &host, &application)
            ? QStringLiteral("%1, process %2").arg(application).arg(pid)
            : QDir::toNativeSeparators(lockName);
        m_message = QCoreApplication::translate("FileLock",
            "%1 is in use by another process (%2); nothing was changed. Try again when it "
            "has finished.")
                        .arg(shown, owner);
    } else {
        m_message = QCoreApplication::translate("FileLock", "Cannot lock %1: %2.")
                        .arg(shown, SystemReason(lockFailure(lockName, m_lock->error())));
    }
    m_lock.reset();
    return false;
}

void FileLock::unlock()
{
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
}
