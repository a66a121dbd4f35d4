// An advisory lock on a file for the whole of a read-modify-write: the lock file
// "<file>.lock" beside the file (the target of a link, so every name of the file
// shares one lock). Two processes that change the same file take turns instead
// of one losing the other's change. A lock left by a process that ended without
// removing it (killed, crashed) is taken over, since its process no longer runs.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

class FileLock
{
public:
    // How long lock() waits for another process by default.
    static constexpr int kWaitMs = 3000;

    explicit FileLock(const QString &path);
    ~FileLock(); // unlocks

    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // Waits up to waitMs for the lock. False with message() when another process
    // still holds it ("... is in use by another process ...") or when no lock file
    // can be made beside the file.
    bool lock(int waitMs = kWaitMs);
    void unlock();
    bool isLocked() const { return m_lock && m_lock->isLocked(); }
    QString message() const { return m_message; }

    // The lock file of path.
    static QString lockPath(const QString &path);

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    QString m_message;
};
