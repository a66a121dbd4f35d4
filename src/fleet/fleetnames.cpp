#include "fleet/fleetnames.h"

#include "channels/channelcodec.h"

#include <QRegularExpression>

Status ReadNameList(const QString &text, QStringList *names)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    names->clear();
    const QStringList lines = text.split(lineEnd);
    for (int i = 0; i < lines.size(); ++i) {
        QString name = lines[i].trimmed();
        if (name.isEmpty())
            continue;
        const QString given = name;
        if (!FitRadioName(name, ImageMap::kPowerOnNameLength))
            return Status(Status::Kind::BadInput, "FleetNames",
                QT_TRANSLATE_NOOP("FleetNames",
                    "line %1: \"%2\" cannot be a power-on name (at most 6 characters: "
                    "0-9, A-Z, - and _)"))
                .arg(i + 1)
                .arg(given.left(40))
                .setLine(i + 1);
        names->append(name);
    }
    if (names->isEmpty())
        return Status(Status::Kind::BadInput, "FleetNames",
            QT_TRANSLATE_NOOP("FleetNames", "the list holds no power-on name"));
    return Status();
}

MemoryImage WithPowerOnName(const MemoryImage &image, const QString &name)
{
    MemoryImage named = image;
    for (int i = 0; i < ImageMap::kPowerOnNameLength; ++i) {
        named[ImageMap::kPowerOnName + i]
            = i < name.size() ? quint8(CharToRadioCode(name.at(i))) : quint8(0xFF);
    }
    return named;
}
