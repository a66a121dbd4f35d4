#include "cli.h"
#include "datfile.h"
#include "language.h"

#include <cstdio>

namespace Cli {

int fail(const QString &message)
{
    std::fprintf(stderr, "htprog-cli: %s\n", message.toUtf8().constData());
    return kExitFailure;
}

int usage(const QString &message)
{
    std::fprintf(stderr, "htprog-cli: %s\n(run 'htprog-cli --help' for the commands)\n",
        message.toUtf8().constData());
    return kExitUsage;
}

void out(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

bool loadImage(const QString &path, MemoryImage &image)
{
    const DatResult result = LoadDatFile(path, image);
    if (!result.ok())
        fail(result.message);
    return result.ok();
}

bool saveImage(const QString &path, const MemoryImage &image)
{
    const DatResult result = SaveDatFile(path, image);
    if (!result.ok())
        fail(result.message);
    return result.ok();
}

bool takeFlag(QStringList &args, const QString &name)
{
    return args.removeAll(name) > 0;
}

bool takeOption(QStringList &args, const QString &name, QString *value, bool *present)
{
    *present = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == name) {
            *present = true;
            if (i + 1 >= args.size())
                return false;
            *value = args[i + 1];
            args.remove(i, 2);
            return true;
        }
        if (args[i].startsWith(name + QLatin1Char('='))) {
            *present = true;
            *value = args[i].mid(name.size() + 1);
            args.removeAt(i);
            return true;
        }
    }
    return true;
}

bool takeLanguageOption(QStringList &args, QString *error)
{
    QString lang;
    bool present = false;
    if (!takeOption(args, QStringLiteral("--lang"), &lang, &present)) {
        *error = QStringLiteral("--lang needs a value: en or zh");
        return false;
    }
    if (!present || lang == QLatin1String("en")) {
        SetLanguageState(QStringLiteral("English"));
        return true;
    }
    if (lang == QLatin1String("zh")) {
        SetLanguageState(QStringLiteral("Chinese"));
        return true;
    }
    *error = QStringLiteral("unknown language '%1': use en or zh").arg(lang);
    return false;
}

} // namespace Cli
