#include "datfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

DatResult LoadDatFile(const QString &path, MemoryImage &image)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFileInfo info(path);
    if (info.isDir())
        return {DatError::CannotOpen,
            QCoreApplication::translate("DatFile", "%1 is a folder, not a .dat file.").arg(shown)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString why = info.exists()
            ? QCoreApplication::translate(
                "DatFile", "Cannot read %1: %2. Check that you may read it.")
            : QCoreApplication::translate("DatFile", "Cannot open %1: %2. Check the file name.");
        return {DatError::CannotOpen, why.arg(shown, file.errorString())};
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
    return {};
}

DatResult SaveDatFile(const QString &path, const MemoryImage &image)
{
    return SaveFileAtomically(
        path, QByteArray::fromRawData(reinterpret_cast<const char *>(image.data()), kImageSize));
}

DatResult SaveFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {DatError::CannotWrite,
            QCoreApplication::translate(
                "DatFile", "Cannot save %1: %2. Choose another folder or file name.")
                .arg(QDir::toNativeSeparators(path), file.errorString())};
    }
    // QSaveFile commits a file that was cut short by a failed flush (a full disk),
    // so the write and the flush are checked before the old file is replaced.
    const qint64 written = file.write(bytes);
    if (written != bytes.size() || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return {DatError::CannotWrite,
            QCoreApplication::translate(
                "DatFile", "Saving %1 failed: %2. The previous file is unchanged.")
                .arg(QDir::toNativeSeparators(path), why)};
    }
    if (!file.commit()) {
        return {DatError::CannotWrite,
            QCoreApplication::translate(
                "DatFile", "Saving %1 failed: %2. The previous file is unchanged.")
                .arg(QDir::toNativeSeparators(path), file.errorString())};
    }
    return {};
}
