#include "backups/backupstore.h"

#include "channels/channelcodec.h"
#include "files/fileaccess.h"
#include "image/datfile.h"
#include "settings/datapaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace {

constexpr int kMaxSequence = 9999; // copies of one kind within one second
constexpr qint64 kDaySeconds = 24 * 3600;
constexpr qint64 kFutureSlackSeconds = 60; // clocks of a network file system differ a little

QString Prefix(BackupKind kind)
{
    return kind == BackupKind::Radio ? QStringLiteral("radio-") : QStringLiteral("sent-");
}

Status Failure(Status::Kind kind, const char *source)
{
    return Status(kind, "BackupStore", source);
}

// The sort key of a copy: the time in its name, then its sequence number.
bool Newer(const BackupEntry &x, const BackupEntry &y)
{
    if (x.time != y.time)
        return x.time > y.time;
    if (x.sequence != y.sequence)
        return x.sequence > y.sequence;
    return x.path > y.path;
}

const QString kNoteSuffix = QStringLiteral(".end");

QString WriteEndKindName(WriteEnd::Kind kind)
{
    return kind == WriteEnd::Kind::Cancelled ? QStringLiteral("cancelled")
                                             : QStringLiteral("failed");
}

// A note that cannot be read, or says something unknown, leaves the copy as sent.
WriteEnd ReadWriteEnd(const QString &copyPath)
{
    WriteEnd end;
    QFile file;
    if (!OpenRegularFile(file, copyPath + kNoteSuffix).ok())
        return end;
    constexpr qint64 kLongestNote = 256;
    const QList<QByteArray> lines = file.read(kLongestNote).split('\n');
    WriteEnd read;
    bool known = false;
    for (const QByteArray &line : lines) {
        const QString text = QString::fromLatin1(line).trimmed();
        if (text == QLatin1String("end=") + WriteEndKindName(WriteEnd::Kind::Failed)) {
            read.kind = WriteEnd::Kind::Failed;
            known = true;
        } else if (text == QLatin1String("end=") + WriteEndKindName(WriteEnd::Kind::Cancelled)) {
            read.kind = WriteEnd::Kind::Cancelled;
            known = true;
        } else if (text.startsWith(QLatin1String("block="))) {
            bool number = false;
            const int block = text.mid(6).toInt(&number);
            if (number && block >= 0)
                read.block = block;
        }
    }
    return known ? read : end;
}

void ReadContents(BackupEntry &entry)
{
    MemoryImage image {};
    if (!LoadDatFile(entry.path, image).ok())
        return;
    entry.channels = 0;
    for (int record = 0; record < ImageMap::kChannelCount; ++record)
        entry.channels += IsChannelEmpty(image, record) ? 0 : 1;
    entry.powerOnName = DecodePowerOnName(image);
}

} // namespace

BackupStore::BackupStore()
{
    m_folder = defaultFolder(&m_noFolder);
}

BackupStore::BackupStore(const QString &folder)
    : m_folder(folder)
{ }

QString BackupStore::defaultFolder(Status *why)
{
    const QString data = DataPaths::userDataFolder(why);
    return data.isEmpty() ? QString() : data + QStringLiteral("/backups");
}

Status BackupStore::keep(
    const MemoryImage &image, BackupKind kind, QString *keptPath, const QDateTime &when) const
{
    QString path;
    const Status result
        = store(image, Prefix(kind) + when.toString(QStringLiteral("yyyyMMdd-HHmmss")), &path);
    if (result.ok())
        prune(kind, path);
    if (keptPath)
        *keptPath = path;
    return result;
}

// Written under a temporary name first and then given the first free name, so a
// copy is complete or absent and never replaces a file, also when another
// process takes a name meanwhile.
Status BackupStore::store(const MemoryImage &image, const QString &stem, QString *path) const
{
    const QString shown = QDir::toNativeSeparators(m_folder);
    if (m_folder.isEmpty()) {
        if (m_noFolder.ok())
            return Failure(Status::Kind::NotFound,
                QT_TRANSLATE_NOOP(
                    "BackupStore", "There is no per-user data folder to keep backups in."));
        return Failure(m_noFolder.kind(),
            QT_TRANSLATE_NOOP(
                "BackupStore", "There is no per-user data folder to keep backups in: %1."))
            .arg(m_noFolder);
    }
    const Status made = MakeFolderPath(m_folder);
    if (!made.ok())
        return Failure(made.kind(),
            QT_TRANSLATE_NOOP("BackupStore", "Cannot create the backups folder %1: %2."))
            .arg(shown)
            .arg(made);
    const QDir dir(m_folder);
    const QByteArray bytes(reinterpret_cast<const char *>(image.data()), kImageSize);
    for (int sequence = 1; sequence <= kMaxSequence; ++sequence) {
        const QString name = sequence == 1 ? stem : stem + QStringLiteral("-%1").arg(sequence);
        *path = dir.filePath(name + QStringLiteral(".dat"));
        if (QFileInfo::exists(*path))
            continue;
        const Status written = WriteNewFile(*path, bytes);
        if (written.ok())
            return written;
        if (written.kind() != Status::Kind::Exists) {
            path->clear();
            return Failure(written.kind(),
                QT_TRANSLATE_NOOP("BackupStore", "Cannot write a backup in %1: %2."))
                .arg(shown)
                .arg(written);
        }
    }
    path->clear();
    return Failure(Status::Kind::Exists,
        QT_TRANSLATE_NOOP(
            "BackupStore", "Cannot write a backup in %1: every name of this second is taken."))
        .arg(shown);
}

QVector<BackupEntry> BackupStore::entries(bool readContents) const
{
    // Anchored at both ends: "radio-....dat.bak" or a name with a line break at
    // its end only looks like a copy.
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QStringLiteral("(radio|sent)-(\\d{8})-(\\d{6})(?:-([1-9]\\d{0,3}))?\\.dat")));
    QVector<BackupEntry> found;
    if (m_folder.isEmpty())
        return found;
    const QDir dir(m_folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::System)) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (!match.hasMatch())
            continue;
        BackupEntry entry;
        entry.path = dir.filePath(name);
        entry.kind
            = match.captured(1) == QLatin1String("radio") ? BackupKind::Radio : BackupKind::Sent;
        entry.time = QDateTime::fromString(
            match.captured(2) + match.captured(3), QStringLiteral("yyyyMMddHHmmss"));
        if (!entry.time.isValid())
            continue;
        entry.sequence = match.captured(4).isEmpty() ? 1 : match.captured(4).toInt();
        const QFileInfo info(entry.path);
        entry.fileTime = info.lastModified();
        // A copy is written the moment it is named; a day covers a change of
        // time zone. A copy the user made later, or a link, is not the store's.
        entry.own = info.isFile() && !info.isSymLink() && info.size() == kImageSize
            && qAbs(entry.time.secsTo(entry.fileTime)) <= kDaySeconds;
        if (readContents) {
            ReadContents(entry);
            if (entry.kind == BackupKind::Sent)
                entry.writeEnd = ReadWriteEnd(entry.path);
        }
        found.append(entry);
    }
    std::sort(found.begin(), found.end(), Newer);
    return found;
}

Status BackupStore::noteWriteEnd(const QString &copyPath, const WriteEnd &end) const
{
    if (end.kind == WriteEnd::Kind::Complete)
        return Status();
    const QByteArray note = "end=" + WriteEndKindName(end.kind).toLatin1()
        + "\nblock=" + QByteArray::number(end.block) + '\n';
    const Status written = SaveFileBytes(copyPath + kNoteSuffix, note);
    if (written.ok())
        return written;
    return Failure(
        written.kind(), QT_TRANSLATE_NOOP("BackupStore", "Cannot write a backup in %1: %2."))
        .arg(QDir::toNativeSeparators(m_folder))
        .arg(written);
}

QVector<BackupEntry> BackupStore::list(Status *status) const
{
    if (status) {
        *status = Status();
        const QFileInfo info(m_folder);
        if (info.exists() && !info.isDir())
            *status = Failure(
                Status::Kind::NotAFile, QT_TRANSLATE_NOOP("BackupStore", "%1 is not a folder"))
                          .arg(QDir::toNativeSeparators(m_folder));
        else if (info.exists() && (!info.isReadable() || !info.isExecutable()))
            *status = Failure(Status::Kind::NoAccess,
                QT_TRANSLATE_NOOP("BackupStore", "the folder %1 cannot be read: Permission denied"))
                          .arg(QDir::toNativeSeparators(m_folder));
        if (!status->ok())
            return {};
    }
    return entries(true);
}

bool BackupStore::newest(BackupKind kind, BackupEntry *entry, MemoryImage *image) const
{
    for (const BackupEntry &candidate : entries(false)) {
        qint64 size = 0;
        if (candidate.kind != kind || !LoadDatFile(candidate.path, *image, &size).ok()
            || size != kImageSize)
            continue;
        *entry = candidate;
        return true;
    }
    return false;
}

// Ranked by file time, which a name cannot fake; a copy whose time lies ahead
// (a clock set wrong) is neither counted nor removed. A copy that cannot be
// removed stays; removing is tried again at the next copy.
void BackupStore::prune(BackupKind kind, const QString &kept) const
{
    const QDateTime now = QDateTime::currentDateTime();
    QVector<BackupEntry> ranked;
    for (const BackupEntry &entry : entries(false)) {
        if (entry.kind == kind && entry.own && entry.path != kept
            && entry.fileTime.secsTo(now) >= -kFutureSlackSeconds)
            ranked.append(entry);
    }
    std::sort(ranked.begin(), ranked.end(), [](const BackupEntry &x, const BackupEntry &y) {
        return x.fileTime != y.fileTime ? x.fileTime > y.fileTime : Newer(x, y);
    });
    for (int i = kKeptPerKind - 1; i < ranked.size(); ++i) {
        if (ranked[i].fileTime.secsTo(now) > kDaySeconds && QFile::remove(ranked[i].path))
            QFile::remove(ranked[i].path + kNoteSuffix);
    }
}
