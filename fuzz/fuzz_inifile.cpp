// Loads arbitrary bytes as an INI file, looks values up, changes one, saves and
// loads the result again: nothing crashes or reads out of bounds, a file is
// refused exactly when it is larger than the limit, and the saved store reads
// back with the same values. An input that starts with 0xFF n is the rest repeated
// (n + 1) × 1024 times, so that files of a megabyte with a hundred thousand
// sections are reached (loading them must stay fast: run with -timeout).
#include "settings/inifile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QPair>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {

using Entry = QPair<QString, QString>; // section, key

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

QString ScratchPath()
{
    static const QString path
        = QDir::tempPath() + QStringLiteral("/fuzz_inifile_%1.ini").arg(getpid());
    return path;
}

QByteArray ContentOf(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (size < 2 || data[0] != 0xFF)
        return bytes;
    const QByteArray unit = bytes.mid(2);
    const qsizetype times = (qsizetype(data[1]) + 1) * 1024;
    const qsizetype largest = CIniFile::kLargestFileSize + 4096;
    if (unit.isEmpty())
        return bytes;
    return unit.repeated(qMin(times, largest / unit.size() + 1));
}

// The (section, key) pairs of the file as the store reads it; false when the file
// has a header with an empty name after the first line's section, whose entries
// the store writes back into the section before it.
bool EntriesOf(QByteArray content, QList<Entry> *entries)
{
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    QString section;
    for (const QByteArray &raw : content.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            if (line.size() == 2)
                return false;
            section = QString::fromUtf8(line.mid(1, line.size() - 2));
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        const QByteArray key = (eq < 0 ? line : line.left(eq)).trimmed();
        if (!key.isEmpty() && !QByteArray(";/\\*").contains(key.front()))
            entries->append({section, QString::fromUtf8(key)});
    }
    return true;
}

// The first and the last entries, as many as a few million name comparisons
// allow: a lookup walks the sections and the keys of its section, and a file may
// have a hundred thousand of them.
QList<Entry> Sample(const QList<Entry> &entries)
{
    const qsizetype most = 2'000'000 / qMax<qsizetype>(entries.size(), 1);
    const qsizetype half = std::clamp<qsizetype>(most, 4, 128);
    if (entries.size() <= 2 * half)
        return entries;
    return entries.mid(0, half) + entries.mid(entries.size() - half);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = ScratchPath();
    const QByteArray content = ContentOf(data, size);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(content);
    }
    const QString probe = QString::fromUtf8(content.left(16)).simplified();

    CIniFile ini(1);
    const bool loaded = ini.Load(path, false, true, false);
    // A regular file loads exactly when it is within the size limit.
    Check(loaded == (content.size() <= CIniFile::kLargestFileSize));
    Check(loaded == ini.loadStatus().ok());
    if (!loaded) {
        QFile::remove(path);
        return 0;
    }
    QList<Entry> entries;
    const bool comparable = EntriesOf(content, &entries);
    entries = Sample(entries);
    entries.append({QStringLiteral("Setup"), QStringLiteral("Language")});
    for (const QString &section : {QString(), QStringLiteral("Setup"), probe}) {
        for (const QString &key : {QStringLiteral("Language"), probe, QString()})
            (void)ini.GetValue(section, key, QStringLiteral(" default "));
    }
    ini.SetValue(QStringLiteral("Setup"), QStringLiteral("Language"), probe);
    QList<QString> values;
    for (const Entry &entry : entries)
        values.append(ini.GetValue(entry.first, entry.second, QStringLiteral(" none ")));
    (void)ini.Save(false);

    // What was saved loads again with the same values, and a store loaded from it
    // has nothing to save. (Written with "=" and CR LF, a file of bare keys near
    // the limit can grow past it; then it is refused as any such file is.)
    CIniFile again(4);
    if (QFileInfo(path).size() > CIniFile::kLargestFileSize) {
        Check(!again.Load(path, false, true, false));
        QFile::remove(path);
        return 0;
    }
    Check(again.Load(path, false, true, false) && !again.isDirty());
    for (int i = 0; comparable && i < entries.size(); ++i)
        Check(again.GetValue(entries[i].first, entries[i].second, QStringLiteral(" none "))
            == values[i]);
    again.Clear();
    QFile::remove(path);
    return 0;
}
