#include "datfile.h"

#include "fileaccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

DatResult LoadDatFile(const QString &path, MemoryImage &image, qint64 *fileSize)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (info.isDir())
        return {DatError::CannotOpen,
            QCoreApplication::translate("DatFile", "%1 is a folder, not a .dat file.").arg(shown)};
    // A FIFO or a device would block the open or never end; only a file is an image.
    if (info.exists() && !info.isFile())
        return {DatError::CannotOpen,
            QCoreApplication::translate(
                "DatFile", "%1 is not a regular file; a radio image (.dat) is a file.")
                .arg(shown)};
    QFile file;
    QString why;
    if (!OpenRegularFile(file, path, &why)) {
        // A name whose bytes were not UTF-8 came here with those bytes replaced:
        // the file is there, under a name this path cannot spell.
        if (!info.exists() && path.contains(QChar::ReplacementCharacter))
            return {DatError::CannotOpen,
                QCoreApplication::translate("DatFile",
                    "Cannot open %1: the file's name is not valid UTF-8 and cannot be handled. "
                    "Rename the file.")
                    .arg(shown)};
        const QString message = info.exists()
            ? QCoreApplication::translate(
                "DatFile", "Cannot read %1: %2. Check that you may read it.")
            : QCoreApplication::translate("DatFile", "Cannot open %1: %2. Check the file name.");
        return {DatError::CannotOpen, message.arg(shown, why)};
    }
    const QByteArray bytes = file.read(kImageSize);
    if (bytes.size() < kImageSize) {
        return {DatError::TooShort,
            QCoreApplication::translate("DatFile",
                "%1 holds %2 bytes; a radio image (.dat) has %3. The file is "
                "not a complete image and was not opened.")
                .arg(shown)
                .arg(bytes.size())
                .arg(kImageSize)};
    }
    std::copy(bytes.constBegin(), bytes.constEnd(), image.begin());
    if (fileSize)
        *fileSize = file.size();
    return {};
}

DatResult CheckImageSize(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() == 0 || info.size() == kImageSize)
        return {};
    return {DatError::NotAnImage,
        QCoreApplication::translate("DatFile",
            "%1 is %2 bytes, not an %3-byte image; nothing was changed. Choose another file "
            "name.")
            .arg(QDir::toNativeSeparators(path))
            .arg(info.size())
            .arg(kImageSize)};
}

DatResult SaveDatFile(const QString &path, const MemoryImage &image, bool replaceAnySize)
{
    if (!replaceAnySize) {
        DatResult checked = CheckImageSize(path);
        if (!checked.ok())
            return checked;
    }
    return SaveFileAtomically(
        path, QByteArray(reinterpret_cast<const char *>(image.data()), kImageSize));
}

DatResult SaveFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QString shown = QDir::toNativeSeparators(path);
    const bool existed = QFileInfo::exists(path);
    QString why;
    if (!IsReplaceableFile(path, &why)) {
        return {DatError::CannotWrite,
            QCoreApplication::translate(
                "DatFile", "Cannot save %1: %2. Choose another folder or file name.")
                .arg(shown, why)};
    }
    if (SaveFileBytes(path, bytes, &why))
        return {};
    const QString message = existed
        ? QCoreApplication::translate(
            "DatFile", "Saving %1 failed: %2. The previous file is unchanged.")
        : QCoreApplication::translate("DatFile", "Saving %1 failed: %2. No file was made.");
    return {DatError::CannotWrite, message.arg(shown, why)};
}
