// Files named from outside (the command line, a file dialog, the settings folder):
// read only when they are regular files, so that a FIFO or a device never blocks
// an open or feeds bytes without end; replaced only through a temporary file that
// takes the old file's place when every byte is on the disk; failures said in
// plain words ("no space left on the device"). The words of a failure are a short
// phrase without the file name, for the caller's own sentence.
#pragma once

#include "status/status.h"

#include <QByteArray>
#include <QString>

class QFile;

// Opens path for reading when it is a regular file (or a link to one). Fails
// when it is missing, unreadable, a folder or not a regular file; the check
// holds for what was opened, not only for what the name showed a moment earlier.
Status OpenRegularFile(QFile &file, const QString &path);
// Success when path is missing or a regular file (or a link to one), so that a
// save may put a regular file in its place; otherwise NotAFile.
Status CheckReplaceableFile(const QString &path);
// Writes bytes to path through a temporary file that replaces path only when
// complete: on failure path is as it was. A link is followed: the file it names
// is replaced and keeps its permissions. directFallback: a file that exists and
// may be written is written in place when no temporary file can be made beside it.
Status SaveFileBytes(const QString &path, const QByteArray &bytes, bool directFallback = false);
// Writes bytes as a new file at path, complete or not at all, never replacing a
// file: Exists when path exists.
Status WriteNewFile(const QString &path, const QByteArray &bytes);
// Makes the folder and the missing folders above it.
Status MakeFolderPath(const QString &path);
// name + suffix when that fits the longest file name of the folder's file
// system; else the name shortened (and marked with a digest of the whole name,
// so that two long names still differ) to fit with the suffix.
QString FittedName(const QString &folder, const QString &name, const QString &suffix);

// True when both names exist and are one file: hard and symbolic links, "./" and
// other spellings of the same path included.
bool IsSameFile(const QString &a, const QString &b);
// True when the open descriptor fd (standard output: 1) is the file path names.
bool IsOpenAs(int fd, const QString &path);
