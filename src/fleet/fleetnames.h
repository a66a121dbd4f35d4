// The power-on names of a run that writes many radios: a list of one name a
// line, each checked as the Optional Features dialog checks a typed name (at
// most six of 0-9, A-Z, "-" and "_"; a-z are upper-cased), and written into the
// name bytes 0x12E8-0x12ED of that radio's copy of the image only.
#pragma once

#include "image/memoryimage.h"
#include "status/status.h"

#include <QString>
#include <QStringList>

// The names of text, in order: spaces around a name and blank lines are left
// out, line ends may be LF, CR LF or CR. BadInput with the line of the first name
// the radio cannot show; also when no name is left.
Status ReadNameList(const QString &text, QStringList *names);
// image with its power-on name set to name (already checked): the codes of its
// characters, 0xFF after the last. Every other byte is image's own.
MemoryImage WithPowerOnName(const MemoryImage &image, const QString &name);
