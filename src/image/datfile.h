// .dat files: exactly the 8192 image bytes, byte 0 first, no header or checksum.
// Loading refuses a shorter file and anything but a regular file (a FIFO or a
// device would block or never end) and ignores bytes beyond 8192; saving is atomic
// (other files the program writes, such as a CSV export, are saved the same way)
// and never cuts a file of another size to an image unless told to.
#pragma once

#include "memoryimage.h"

#include <QString>

enum class DatError {
    None,
    CannotOpen, // missing, unreadable, a directory or not a regular file
    TooShort, // fewer than 8192 bytes
    CannotWrite, // the file or its folder could not be written (a full disk included)
    NotAnImage, // the file to replace holds bytes but is not 8192 bytes long
};

struct DatResult
{
    DatError error = DatError::None;
    QString message; // what happened and what to do, for the user; empty on success
    bool ok() const { return error == DatError::None; }
};

// fileSize, when given, receives the whole file's size (bytes past 8192 included).
DatResult LoadDatFile(const QString &path, MemoryImage &image, qint64 *fileSize = nullptr);
// Refuses (NotAnImage) to replace a file that holds bytes but is not 8192 bytes
// long, whose other bytes would be lost, unless replaceAnySize.
DatResult SaveDatFile(const QString &path, const MemoryImage &image, bool replaceAnySize = false);
// NotAnImage when path holds bytes but is not 8192 bytes long: what a save
// without replaceAnySize refuses, for a command to check before it starts.
DatResult CheckImageSize(const QString &path);
// Any file the program writes (a CSV export too), with the same checks and messages.
DatResult SaveFileAtomically(const QString &path, const QByteArray &bytes);
