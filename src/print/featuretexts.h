// The print-out's feature lines: the 16 labels and the value texts decoded from
// the settings bytes, in English or Chinese. Shared by the printed page and by
// `htprog-cli features`.
#pragma once

#include "image/memoryimage.h"

#include <QString>
#include <QVector>

struct FeatureLine
{
    QString key; // English label without the colon: "Time Out Timer", ... (JSON key)
    QString label; // printed label in the chosen language, colon included where printed
    QString value; // printed value text in the chosen language
    ImageBits bits; // the settings byte and the bits the value is read from
};

// Lines 5-20 of the features page, in order.
QVector<FeatureLine> FeatureLines(const MemoryImage &image, bool chinese);
