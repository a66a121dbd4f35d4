// Kept copies of whole images: every image read from the radio
// (radio-YYYYMMDD-HHMMSS.dat) and every image about to be written to it
// (sent-YYYYMMDD-HHMMSS.dat), in local time, in the "backups" folder of the
// per-user data folder. A second copy within the same second gets "-2", "-3" ...
// before ".dat"; a copy never replaces a file. The newest 200 of each kind (by
// file time) are kept, so a run of writes never pushes the last reads out; a copy
// younger than a day is never removed. Only the store's own copies are ever
// removed: named exactly like a copy, a regular 8192-byte file whose file time
// matches the time in its name. Other files in the folder are never touched.
// A copy of a write that did not complete has a note beside it
// (sent-YYYYMMDD-HHMMSS.dat.end, lines "end=failed|cancelled" and "block=N");
// the copy itself stays an ordinary image file, as every version reads it, and
// a copy without a note is one that was sent as a whole.
#pragma once

#include "image/memoryimage.h"
#include "status/status.h"

#include <QDateTime>
#include <QString>
#include <QVector>

enum class BackupKind { Radio, Sent };

// How the write of a Sent copy ended.
struct WriteEnd
{
    enum class Kind { Complete, Failed, Cancelled };
    Kind kind = Kind::Complete;
    // The progress step (1-509, 16 bytes each) at which a write failed, or the
    // last one it completed before it was cancelled; 0 when it ended before
    // the first block, so that the radio holds what it held before.
    int block = 0;
};

struct BackupEntry
{
    QString path;
    BackupKind kind = BackupKind::Radio;
    QDateTime time; // from the name, local time
    int sequence = 1; // 1 for the first copy of that second, then 2, 3 ...
    int channels = -1; // non-empty channels; -1 when the file is not a complete image
    QString powerOnName;
    QDateTime fileTime; // when the file was last written
    bool own = false; // written by the store, as far as the file shows
    WriteEnd writeEnd; // Sent copies: from the note beside the copy
};

class BackupStore
{
public:
    static constexpr int kKeptPerKind = 200;

    // The per-user data folder's "backups" (DataPaths::userDataFolder).
    BackupStore();
    // The store in folder.
    explicit BackupStore(const QString &folder);
    // The per-user data folder's "backups"; empty with the reason when there is none.
    static QString defaultFolder(Status *why = nullptr);
    QString folder() const { return m_folder; }

    // Writes the image as a new copy (complete or not at all), then removes the
    // oldest copies of its kind beyond kKeptPerKind, never the one just kept.
    // keptPath, when given, receives the copy's path (empty when none was kept).
    Status keep(const MemoryImage &image, BackupKind kind, QString *keptPath = nullptr,
        const QDateTime &when = QDateTime::currentDateTime()) const;
    // Notes beside the copy at copyPath that the write of it did not complete.
    Status noteWriteEnd(const QString &copyPath, const WriteEnd &end) const;
    // Every copy, newest first. status, when given, receives why the folder
    // could not be read (success when it was, or when it does not exist yet).
    QVector<BackupEntry> list(Status *status = nullptr) const;
    // The newest copy of kind that holds a whole image (8192 bytes), loaded into
    // image; false when there is none. What a write is about to change is shown
    // against the newest copy read from the radio.
    bool newest(BackupKind kind, BackupEntry *entry, MemoryImage *image) const;

private:
    QVector<BackupEntry> entries(bool readContents) const;
    Status store(const MemoryImage &image, const QString &stem, QString *path) const;
    void prune(BackupKind kind, const QString &kept) const;

    QString m_folder;
    Status m_noFolder; // why there is no folder, when m_folder is empty
};
