#include "datapaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kIniName = QStringLiteral("Program.ini");

} // namespace

DataPaths::DataPaths(const QString &programDir)
    : m_programDir(QDir::cleanPath(programDir))
{ }

DataPaths::DataPaths()
    : DataPaths(QCoreApplication::applicationDirPath())
{ }

QString DataPaths::installedDataDir() const
{
    return QDir::cleanPath(m_programDir + QStringLiteral("/../share/htprog"));
}

QStringList DataPaths::candidates(const QString &name) const
{
    return {QDir(m_programDir).filePath(name), QDir(installedDataDir()).filePath(name)};
}

QString DataPaths::filePath(const QString &name) const
{
    const QStringList places = candidates(name);
    for (const QString &place : places) {
        if (QFileInfo::exists(place))
            return place;
    }
    return places.constFirst();
}

QString DataPaths::userIniPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(kIniName);
}

bool DataPaths::isUsersOwn(const QString &iniPath) const
{
    if (iniPath.isEmpty())
        return false;
    if (iniPath == userIniPath())
        return true;
    const QFileInfo info(iniPath);
    return info.absoluteFilePath() == QFileInfo(QDir(m_programDir), kIniName).absoluteFilePath()
        && info.isWritable();
}

QString DataPaths::programIni() const
{
    // Only regular files: a folder or a pipe of that name is passed over.
    const QStringList shipped = candidates(kIniName);
    if (QFileInfo(shipped.constFirst()).isFile() && isUsersOwn(shipped.constFirst()))
        return shipped.constFirst();
    const QString user = userIniPath();
    if (!user.isEmpty() && QFileInfo(user).isFile())
        return user;
    for (const QString &place : shipped) {
        if (QFileInfo(place).isFile())
            return place;
    }
    return QString();
}
