#include "settings/datapaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace {

const QString kIniName = QStringLiteral("Program.ini");
const QString kUninstaller = QStringLiteral("uninstall.exe");

// An environment variable naming a folder; empty when unset or not absolute (a
// relative path would depend on the current folder).
QString AbsoluteFromEnvironment(const char *name)
{
    const QString value = qEnvironmentVariable(name);
    return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : QString();
}

// The user's home: $HOME when absolute, else the user database's entry.
QString HomeFolder()
{
    const QString home = AbsoluteFromEnvironment("HOME");
    if (!home.isEmpty())
        return home;
#ifdef Q_OS_UNIX
    const passwd *entry = ::getpwuid(::getuid());
    const QString database = entry && entry->pw_dir ? QFile::decodeName(entry->pw_dir) : QString();
    return QDir::isAbsolutePath(database) ? QDir::cleanPath(database) : QString();
#else
    return QDir::homePath();
#endif
}

Status NoHomeFolder(const char *variable, const QString &home)
{
    return Status(Status::Kind::NotFound, "DataPaths",
        QT_TRANSLATE_NOOP("DataPaths",
            "your home folder %1 does not exist; set HOME (or %2) to a folder that does"))
        .arg(QDir::toNativeSeparators(home))
        .arg(QString::fromLatin1(variable));
}

Status HomeUnknown()
{
    return Status(Status::Kind::NotFound, "DataPaths",
        QT_TRANSLATE_NOOP("DataPaths", "your home folder is not known (HOME is not set)"));
}

// The program's folder in the XDG base folder named by variable when that is
// absolute (a folder the user named is made as asked), else in home + fallback.
QString UserFolder(const char *variable, const QString &fallback, Status *why)
{
    Status ignored;
    if (!why)
        why = &ignored;
    const bool config = qstrcmp(variable, "XDG_CONFIG_HOME") == 0;
    if (QStandardPaths::isTestModeEnabled())
        return QStandardPaths::writableLocation(
            config ? QStandardPaths::AppConfigLocation : QStandardPaths::AppDataLocation);
#ifdef Q_OS_WIN
    // The platform's known folders: the Program.ini copy in the roaming
    // application data (%APPDATA%\htprog), backups and the simulated radio in the
    // local one (%LOCALAPPDATA%\htprog).
    const QString known = QStandardPaths::writableLocation(
        config ? QStandardPaths::AppDataLocation : QStandardPaths::AppLocalDataLocation);
    if (known.isEmpty())
        *why = HomeUnknown();
    return known;
#endif
    QString name;
    for (const QString &part :
        {QCoreApplication::organizationName(), QCoreApplication::applicationName()}) {
        if (!part.isEmpty())
            name += QLatin1Char('/') + part;
    }
    const QString base = AbsoluteFromEnvironment(variable);
    if (!base.isEmpty())
        return base + name;
    const QString home = HomeFolder();
    if (home.isEmpty()) {
        *why = HomeUnknown();
        return QString();
    }
    if (!QFileInfo(home).isDir()) {
        *why = NoHomeFolder(variable, home);
        return QString();
    }
    return home + fallback + name;
}

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
    const QString folder = UserFolder("XDG_CONFIG_HOME", QStringLiteral("/.config"), nullptr);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(kIniName);
}

QString DataPaths::userDataFolder(Status *why)
{
    return UserFolder("XDG_DATA_HOME", QStringLiteral("/.local/share"), why);
}

bool DataPaths::isUsersOwn(const QString &iniPath) const
{
    if (iniPath.isEmpty())
        return false;
    if (iniPath == userIniPath())
        return true;
    const QFileInfo info(iniPath);
    // A program installed by the Windows setup program has its uninstaller beside
    // it: that Program.ini is the installation's, which changes never touch, even
    // when the user may write there (an administrator); an unpacked folder has none.
    return info.absoluteFilePath() == QFileInfo(QDir(m_programDir), kIniName).absoluteFilePath()
        && info.isWritable() && !QFileInfo::exists(QDir(m_programDir).filePath(kUninstaller));
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
