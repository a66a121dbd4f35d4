// Files named from outside (the command line, a file dialog, the settings folder):
// read only when they are regular files, so that a FIFO or a device never blocks
// an open or feeds bytes without end; replaced only through a temporary file that
// takes the old file's place when every byte is on the disk; failures said in
// plain words ("no space left on the device"). Reasons are short phrases without
// the file name, for the caller's own sentence.
#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// Opens path for reading when it is a regular file (or a link to one). False with
// the reason when it is missing, unreadable, a folder or not a regular file; the
// check holds for what was opened, not only for what the name showed a moment earlier.
bool OpenRegularFile(QFile &file, const QString &path, QString *why);
// True when path is missing or a regular file (or a link to one), so that a save
// may put a regular file in its place; otherwise false with the reason.
bool IsReplaceableFile(const QString &path, QString *why);
// Writes bytes to path through a temporary file that replaces path only when
// complete: on failure path is as it was. directFallback: a file that exists and
// may be written is written in place when no temporary file can be made beside it.
bool SaveFileBytes(
    const QString &path, const QByteArray &bytes, QString *why, bool directFallback = false);

// The system's reason for an errno value, in plain words.
QString SystemReason(int error);
// "not a regular file", for messages of callers that check the type themselves.
QString NotRegularReason();
// True when both names exist and are one file: hard and symbolic links, "./" and
// other spellings of the same path included.
bool IsSameFile(const QString &a, const QString &b);
// True when the open descriptor fd (standard output: 1) is the file path names.
bool IsOpenAs(int fd, const QString &path);
