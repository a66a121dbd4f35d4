// The comparison of two images as htprog-cli prints it: one aligned table per
// group (channels, settings, other bytes), or one JSON object.
#pragma once

#include "compare/imagediff.h"

#include <QString>

namespace Cli {

// Empty when the images are the same; titleA and titleB head the value columns.
QString DiffText(const ImageDiff &diff, const QString &titleA, const QString &titleB);
// {"same": ..., "channels": [...], "settings": [...], "other_bytes": [...]}
QString DiffJson(const ImageDiff &diff);

} // namespace Cli
