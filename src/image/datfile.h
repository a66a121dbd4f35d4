// .dat files: exactly the 8192 image bytes, byte 0 first, no header or checksum.
// Loading refuses a shorter file and anything but a regular file (a FIFO or a
// device would block or never end) and ignores bytes beyond 8192; saving is atomic
// (other files the program writes, such as a CSV export, are saved the same way)
// and never cuts a file of another size to an image unless told to.
#pragma once

#include "image/memoryimage.h"
#include "status/status.h"

#include <QString>

// A failure is NotFound, NoAccess or NotAFile when the file cannot be read or
// is not a file, WrongSize when it is shorter than an image (a load) or holds
// bytes but is not 8192 bytes long (a save), and whatever the system said when
// it cannot be written. The words say what happened and what to do.
//
// fileSize, when given, receives the whole file's size (bytes past 8192 included).
Status LoadDatFile(const QString &path, MemoryImage &image, qint64 *fileSize = nullptr);
// Refuses (WrongSize) to replace a file that holds bytes but is not 8192 bytes
// long, whose other bytes would be lost, unless replaceAnySize.
Status SaveDatFile(const QString &path, const MemoryImage &image, bool replaceAnySize = false);
// WrongSize when path holds bytes but is not 8192 bytes long: what a save
// without replaceAnySize refuses, for a command to check before it starts.
Status CheckImageSize(const QString &path);
// Any file the program writes (a CSV export too), with the same checks and messages.
Status SaveFileAtomically(const QString &path, const QByteArray &bytes);
