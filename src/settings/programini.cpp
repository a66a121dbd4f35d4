#include "programini.h"

#include "datapaths.h"
#include "fileaccess.h"
#include "inifile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ProgramIni {
namespace {

const QString kSetup = QStringLiteral("Setup");
const QString kLanguage = QStringLiteral("Language");

// The language a start-up from path reads; empty when the file is not there.
QString storedLanguage(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return QString();
    CIniFile ini;
    return ini.Load(path, false, true, false) ? ini.GetValue(kSetup, kLanguage) : QString();
}

// The user's copy of the Program.ini in use, made once: later changes go into it.
QString makeUserCopy(const QString &inUse, const QString &user)
{
    const QString folder = QFileInfo(user).absolutePath();
    QString why;
    if (!MakeFolderPath(folder, &why))
        return QStringLiteral("cannot create the folder %1: %2")
            .arg(QDir::toNativeSeparators(folder), why);
    QFile shipped;
    QByteArray bytes;
    bool copied = OpenRegularFile(shipped, inUse, &why);
    if (copied) {
        bytes = shipped.readAll();
        copied = shipped.error() == QFileDevice::NoError;
        if (!copied)
            why = shipped.errorString();
    }
    // Written with the user's own permissions, never the shipped file's read-only ones.
    if (!copied || !SaveFileBytes(user, bytes, &why)) {
        return QStringLiteral("cannot copy %1 to %2: %3")
            .arg(QDir::toNativeSeparators(inUse), QDir::toNativeSeparators(user), why);
    }
    return QString();
}

} // namespace

bool load(const DataPaths &paths, bool saveOnClose)
{
    // Loading first saves a loaded store: never into a file that is not the user's.
    if (!paths.isUsersOwn(g_iniFile.path()))
        g_iniFile.Clear();
    const QString path = paths.programIni();
    if (path.isEmpty()) {
        g_iniFile.Clear();
        return false;
    }
    return g_iniFile.Load(path, saveOnClose && paths.isUsersOwn(path), true, false);
}

QString saveLanguage(const DataPaths &paths)
{
    const QString language = g_iniFile.GetValue(kSetup, kLanguage);
    const QString inUse = g_iniFile.path();
    if (inUse.isEmpty())
        return QStringLiteral("no Program.ini was loaded");

    QString target = inUse;
    bool madeCopy = false;
    if (paths.isUsersOwn(inUse)) {
        g_iniFile.Save(false);
    } else {
        target = DataPaths::userIniPath();
        if (target.isEmpty())
            return QStringLiteral("there is no folder for the user's settings (is HOME set?)");
        const QFileInfo existing(target);
        if (existing.exists() && !existing.isFile())
            return QStringLiteral("%1 is not a regular file").arg(QDir::toNativeSeparators(target));
        if (!existing.exists()) {
            const QString error = makeUserCopy(inUse, target);
            if (!error.isEmpty())
                return error;
            madeCopy = true;
        }
        CIniFile copy;
        if (copy.Load(target, false, true, false)) {
            copy.SetValue(kSetup, kLanguage, language);
            copy.Save(false);
        }
    }
    // The store does not say whether its save succeeded: what counts is what the
    // next start-up reads.
    if (storedLanguage(target) == language)
        return QString();
    if (madeCopy)
        QFile::remove(target);
    return QStringLiteral("%1 could not be written").arg(QDir::toNativeSeparators(target));
}

} // namespace ProgramIni
