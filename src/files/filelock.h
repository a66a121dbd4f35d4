// An advisory lock on a file for the whole of a read-modify-write: the lock file
// "<file>.lock" beside the file (the target of a link, so every name of the file
// shares one lock). Two processes that change the same file take turns instead
// of one losing the other's change. The holder keeps a system lock on the lock
// file for as long as it runs: a lock file that no running process holds (left by
// a process that was killed, empty, or a link) is taken over at once.
#pragma once

#include "status/status.h"

#include <QByteArray>
#include <QString>

class FileLock
{
public:
    // How long lock() waits for another process by default.
    static constexpr int kWaitMs = 3000;

    explicit FileLock(const QString &path);
    ~FileLock(); // unlocks

    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // Waits up to waitMs for the lock. Busy when another process still holds it
    // ("... is in use by another process ..."); a failure with the system's error
    // when no lock file can be made beside the file.
    Status lock(int waitMs = kWaitMs);
    void unlock();
    bool isLocked() const;

    // Who holds the lock of path now ("htprog-cli, process 1234", else the lock
    // file's name); empty when no other process does. Looks without taking it.
    static QString heldBy(const QString &path);

    // The lock file of path; shortened to fit the file system's name limit when
    // the file's own name is long.
    static QString lockPath(const QString &path);

private:
    QString m_path;
#ifdef Q_OS_WIN
    void *m_handle = nullptr; // the lock file held open
#else
    QByteArray m_lockName; // the lock file held, as the system names it
    int m_fd = -1;
#endif
};
