#include "backupstore.h"

#include "channelcodec.h"
#include "datfile.h"
#include "featurescodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <algorithm>

namespace {

constexpr int kMaxSequence = 9999; // copies of one kind within one second

QString Prefix(BackupKind kind)
{
    return kind == BackupKind::Radio ? QStringLiteral("radio-") : QStringLiteral("sent-");
}

BackupResult Failure(const QString &message)
{
    return {QString(), message};
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

BackupStore::BackupStore(const QString &folder)
    : m_folder(folder)
{ }

QString BackupStore::defaultFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/backups");
}

BackupResult BackupStore::keep(
    const MemoryImage &image, BackupKind kind, const QDateTime &when) const
{
    const BackupResult result
        = store(image, Prefix(kind) + when.toString(QStringLiteral("yyyyMMdd-HHmmss")));
    if (result.ok())
        prune(kind, result.path);
    return result;
}

// Written under a temporary name first and then given the first free name, so a
// copy is complete or absent. The rename never replaces a file: when another
// process takes the name meanwhile, the copy is written again for the next
// sequence number (a temporary file cannot be renamed twice).
BackupResult BackupStore::store(const MemoryImage &image, const QString &stem) const
{
    const QString shown = QDir::toNativeSeparators(m_folder);
    if (m_folder.isEmpty())
        return Failure(QCoreApplication::translate(
            "BackupStore", "There is no per-user data folder to keep backups in."));
    if (!QDir().mkpath(m_folder))
        return Failure(
            QCoreApplication::translate("BackupStore", "Cannot create the backups folder %1.")
                .arg(shown));
    const QDir dir(m_folder);
    for (int sequence = 1; sequence <= kMaxSequence; ++sequence) {
        const QString name = sequence == 1 ? stem : stem + QStringLiteral("-%1").arg(sequence);
        const QString path = dir.filePath(name + QStringLiteral(".dat"));
        if (QFileInfo::exists(path))
            continue;
        QTemporaryFile temp(dir.filePath(QStringLiteral(".incoming-XXXXXX")));
        const bool written = temp.open()
            && temp.write(reinterpret_cast<const char *>(image.data()), kImageSize) == kImageSize
            && temp.flush();
        if (written && temp.rename(path)) {
            temp.setAutoRemove(false);
            return {path, QString()};
        }
        if (!written || !QFileInfo::exists(path)) {
            return Failure(
                QCoreApplication::translate("BackupStore", "Cannot write a backup in %1: %2.")
                    .arg(shown, temp.errorString()));
        }
    }
    return Failure(QCoreApplication::translate(
        "BackupStore", "Cannot write a backup in %1: every name of this second is taken.")
                       .arg(shown));
}

QVector<BackupEntry> BackupStore::entries(bool readContents) const
{
    static const QRegularExpression pattern(
        QStringLiteral("^(radio|sent)-(\\d{8})-(\\d{6})(?:-([1-9]\\d{0,3}))?\\.dat$"));
    QVector<BackupEntry> found;
    if (m_folder.isEmpty())
        return found;
    const QDir dir(m_folder);
    for (const QString &name : dir.entryList(QDir::Files)) {
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
        if (readContents)
            ReadContents(entry);
        found.append(entry);
    }
    std::sort(found.begin(), found.end(), Newer);
    return found;
}

QVector<BackupEntry> BackupStore::list() const
{
    return entries(true);
}

// A copy that cannot be removed stays; removing is tried again at the next copy.
void BackupStore::prune(BackupKind kind, const QString &kept) const
{
    int count = 1; // the copy just kept
    for (const BackupEntry &entry : entries(false)) {
        if (entry.kind != kind || entry.path == kept)
            continue;
        if (++count > kKeptPerKind)
            QFile::remove(entry.path);
    }
}
