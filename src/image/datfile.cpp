#include "image/datfile.h"

#include "files/fileaccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

Status Failure(Status::Kind kind, const char *source)
{
    return Status(kind, "DatFile", source);
}

} // namespace

Status LoadDatFile(const QString &path, MemoryImage &image, qint64 *fileSize)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (info.isDir())
        return Failure(Status::Kind::NotAFile,
            QT_TRANSLATE_NOOP("DatFile", "%1 is a folder, not a .dat file."))
            .arg(shown);
    // A FIFO or a device would block the open or never end; only a file is an image.
    if (info.exists() && !info.isFile())
        return Failure(Status::Kind::NotAFile,
            QT_TRANSLATE_NOOP(
                "DatFile", "%1 is not a regular file; a radio image (.dat) is a file."))
            .arg(shown);
    QFile file;
    const Status opened = OpenRegularFile(file, path);
    if (!opened.ok()) {
        // A name whose bytes were not UTF-8 came here with those bytes replaced:
        // the file is there, under a name this path cannot spell.
        if (!info.exists() && path.contains(QChar::ReplacementCharacter))
            return Failure(Status::Kind::NotFound,
                QT_TRANSLATE_NOOP("DatFile",
                    "Cannot open %1: the file's name is not valid UTF-8 and cannot be handled. "
                    "Rename the file."))
                .arg(shown);
        // A file that is not there is not found, whatever the system called it.
        return Failure(info.exists() ? opened.kind() : Status::Kind::NotFound,
            info.exists()
                ? QT_TRANSLATE_NOOP("DatFile", "Cannot read %1: %2. Check that you may read it.")
                : QT_TRANSLATE_NOOP("DatFile", "Cannot open %1: %2. Check the file name."))
            .arg(shown)
            .arg(opened);
    }
    const QByteArray bytes = file.read(kImageSize);
    if (bytes.size() < kImageSize) {
        return Failure(Status::Kind::WrongSize,
            QT_TRANSLATE_NOOP("DatFile",
                "%1 holds %2 bytes; a radio image (.dat) has %3. The file is "
                "not a complete image and was not opened."))
            .arg(shown)
            .arg(bytes.size())
            .arg(kImageSize);
    }
    std::copy(bytes.constBegin(), bytes.constEnd(), image.begin());
    if (fileSize)
        *fileSize = file.size();
    return Status();
}

Status CheckImageSize(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() == 0 || info.size() == kImageSize)
        return Status();
    return Failure(Status::Kind::WrongSize,
        QT_TRANSLATE_NOOP("DatFile",
            "%1 is %2 bytes, not an %3-byte image; nothing was changed. Choose another file "
            "name."))
        .arg(QDir::toNativeSeparators(path))
        .arg(info.size())
        .arg(kImageSize);
}

Status SaveDatFile(const QString &path, const MemoryImage &image, bool replaceAnySize)
{
    if (!replaceAnySize) {
        const Status checked = CheckImageSize(path);
        if (!checked.ok())
            return checked;
    }
    return SaveFileAtomically(
        path, QByteArray(reinterpret_cast<const char *>(image.data()), kImageSize));
}

Status SaveFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QString shown = QDir::toNativeSeparators(path);
    const bool existed = QFileInfo::exists(path);
    const Status replaceable = CheckReplaceableFile(path);
    if (!replaceable.ok()) {
        return Failure(replaceable.kind(),
            QT_TRANSLATE_NOOP("DatFile", "Cannot save %1: %2. Choose another folder or file name."))
            .arg(shown)
            .arg(replaceable);
    }
    const Status saved = SaveFileBytes(path, bytes);
    if (saved.ok())
        return saved;
    return Failure(saved.kind(),
        existed
            ? QT_TRANSLATE_NOOP("DatFile", "Saving %1 failed: %2. The previous file is unchanged.")
            : QT_TRANSLATE_NOOP("DatFile", "Saving %1 failed: %2. No file was made."))
        .arg(shown)
        .arg(saved);
}
