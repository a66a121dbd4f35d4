// .dat files: exactly the 8192 image bytes, byte 0 first, no header or checksum.
// Loading refuses a shorter file and ignores bytes beyond 8192; saving is atomic
// (other files the program writes, such as a CSV export, are saved the same way).
#pragma once

#include "memoryimage.h"

#include <QByteArray>
#include <QString>

enum class DatError {
    None,
    CannotOpen, // missing, unreadable or a directory
    TooShort, // fewer than 8192 bytes
    CannotWrite, // the file or its folder could not be written
};

struct DatResult
{
    DatError error = DatError::None;
    QString message; // what happened and what to do, for the user; empty on success
    bool ok() const { return error == DatError::None; }
};

DatResult LoadDatFile(const QString &path, MemoryImage &image);
DatResult SaveDatFile(const QString &path, const MemoryImage &image);
// Any file written as a .dat file is: completely, or not at all.
DatResult SaveFileAtomically(const QString &path, const QByteArray &bytes);
