// Loads arbitrary bytes as an INI file, looks values up, changes values, saves
// and loads the result again: nothing may crash or read out of bounds.
#include "inifile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {

QString scratchPath()
{
    static const QString path
        = QDir::tempPath() + QStringLiteral("/fuzz_inifile_%1.ini").arg(getpid());
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = scratchPath();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString probe = QString::fromUtf8(bytes.left(16));

    CIniFile ini(1);
    if (!ini.Load(path, false, true, false))
        std::abort(); // an existing, readable file always loads
    for (const QString &section : {QString(), QStringLiteral("Setup"), probe}) {
        for (const QString &key : {QStringLiteral("Language"), probe, QString()})
            (void)ini.GetValue(section, key, QStringLiteral(" default "));
    }
    ini.SetValue(QStringLiteral("Setup"), QStringLiteral("Language"), probe);
    ini.SetValue(probe, probe, QStringLiteral("x"));
    (void)ini.Save(false);

    // What was saved loads again, and a store loaded from it has nothing to save.
    CIniFile again(4);
    if (!again.Load(path, false, true, false) || again.isDirty())
        std::abort();
    (void)again.GetValue(QStringLiteral("Setup"), QStringLiteral("Language"));
    again.Clear();
    QFile::remove(path);
    return 0;
}
