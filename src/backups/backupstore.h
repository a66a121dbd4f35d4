// Kept copies of whole images: every image read from the radio
// (radio-YYYYMMDD-HHMMSS.dat) and every image about to be written to it
// (sent-YYYYMMDD-HHMMSS.dat), in local time, in the "backups" folder of the
// per-user data folder. A second copy within the same second gets "-2", "-3" ...
// before ".dat"; a copy never replaces a file. The newest 200 of each kind are
// kept, so a run of writes never pushes the last reads out. Files in the folder
// that are not named like a copy are never touched.
#pragma once

#include "memoryimage.h"

#include <QDateTime>
#include <QString>
#include <QVector>

enum class BackupKind { Radio, Sent };

struct BackupEntry
{
    QString path;
    BackupKind kind = BackupKind::Radio;
    QDateTime time; // from the name, local time
    int sequence = 1; // 1 for the first copy of that second, then 2, 3 ...
    int channels = -1; // non-empty channels; -1 when the file is not a complete image
    QString powerOnName;
};

struct BackupResult
{
    QString path; // the copy kept
    QString error; // why no copy was kept, for the user; empty on success
    bool ok() const { return error.isEmpty(); }
};

class BackupStore
{
public:
    static constexpr int kKeptPerKind = 200;

    // The store in folder; by default the per-user data folder's "backups".
    explicit BackupStore(const QString &folder = defaultFolder());
    static QString defaultFolder();
    QString folder() const { return m_folder; }

    // Writes the image as a new copy (complete or not at all), then removes the
    // oldest copies of its kind beyond kKeptPerKind, never the one just kept.
    BackupResult keep(const MemoryImage &image, BackupKind kind,
        const QDateTime &when = QDateTime::currentDateTime()) const;
    // Every copy, newest first.
    QVector<BackupEntry> list() const;

private:
    QVector<BackupEntry> entries(bool readContents) const;
    BackupResult store(const MemoryImage &image, const QString &stem) const;
    void prune(BackupKind kind, const QString &kept) const;

    QString m_folder;
};
