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
// complete: on failure path is as it was. A link is followed: the file it names
// is replaced and keeps its permissions. directFallback: a file that exists and
// may be written is written in place when no temporary file can be made beside it.
bool SaveFileBytes(
    const QString &path, const QByteArray &bytes, QString *why, bool directFallback = false);
// Writes bytes as a new file at path, complete or not at all, never replacing a
// file: false with *taken set when path exists, else with the reason.
bool WriteNewFile(const QString &path, const QByteArray &bytes, QString *why, bool *taken);
// Makes the folder and the missing folders above it; false with the reason.
bool MakeFolderPath(const QString &path, QString *why);
// name + suffix when that fits the longest file name of the folder's file
// system; else the name shortened (and marked with a digest of the whole name,
// so that two long names still differ) to fit with the suffix.
QString FittedName(const QString &folder, const QString &name, const QString &suffix);

// The system's reason for an errno value, in plain words.
QString SystemReason(int error);
// "not a regular file", for messages of callers that check the type themselves.
QString NotRegularReason();
// True when both names exist and are one file: hard and symbolic links, "./" and
// other spellings of the same path included.
bool IsSameFile(const QString &a, const QString &b);
// True when the open descriptor fd (standard output: 1) is the file path names.
bool IsOpenAs(int fd, const QString &path);
