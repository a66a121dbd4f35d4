#include "codecs/squelchcodec.h"

#include "channels/textnumbers.h"

using namespace ImageMap;

namespace {

constexpr int kMaxLevel = 127;

QStringList LoadLevels(const MemoryImage &image, int base, int count, int substitute)
{
    QStringList texts;
    for (int i = 0; i < count; ++i) {
        const int level = image[base + i];
        texts << QString::number(level > kMaxLevel ? substitute : level);
    }
    return texts;
}

// A row without a text (a short list) leaves its byte as it is.
void StoreLevels(MemoryImage &image, int base, int count, const QStringList &texts, int substitute)
{
    for (int i = 0; i < count && i < texts.size(); ++i) {
        const int level = LeadingInteger(texts.at(i));
        image[base + i] = quint8(level < 0 || level > kMaxLevel ? substitute : level);
    }
}

} // namespace

SquelchTexts LoadSquelchLevels(const MemoryImage &image)
{
    return {LoadLevels(image, kVhfSquelch, kVhfSquelchCount, kVhfSquelchSubstitute),
        LoadLevels(image, kUhfSquelch, kUhfSquelchCount, kUhfSquelchSubstitute)};
}

void StoreSquelchLevels(MemoryImage &image, const SquelchTexts &texts)
{
    StoreLevels(image, kVhfSquelch, kVhfSquelchCount, texts.vhf, kVhfSquelchSubstitute);
    StoreLevels(image, kUhfSquelch, kUhfSquelchCount, texts.uhf, kUhfSquelchSubstitute);
}

int ClampSquelchEntry(const QString &text)
{
    return qBound(0, LeadingInteger(text), kMaxLevel);
}
