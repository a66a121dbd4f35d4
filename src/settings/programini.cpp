#include "settings/programini.h"

#include "files/fileaccess.h"
#include "settings/datapaths.h"
#include "settings/inifile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ProgramIni {
namespace {

const QString kSetup = QStringLiteral("Setup");
const QString kLanguage = QStringLiteral("Language");

// The language a start-up from path reads; empty when the file is not there.
QString StoredLanguage(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return QString();
    CIniFile ini;
    return ini.Load(path, false, true, false) ? ini.GetValue(kSetup, kLanguage) : QString();
}

// The user's copy of the Program.ini in use, made once: later changes go into it.
Status MakeUserCopy(const QString &inUse, const QString &user)
{
    const QString folder = QFileInfo(user).absolutePath();
    const Status made = MakeFolderPath(folder);
    if (!made.ok())
        return Status(made.kind(), "ProgramIni",
            QT_TRANSLATE_NOOP("ProgramIni", "cannot create the folder %1: %2"))
            .arg(QDir::toNativeSeparators(folder))
            .arg(made);
    QFile shipped;
    QByteArray bytes;
    Status copied = OpenRegularFile(shipped, inUse);
    if (copied.ok()) {
        bytes = shipped.readAll();
        if (shipped.error() != QFileDevice::NoError)
            copied = Status::fromFile(shipped);
    }
    // Written with the user's own permissions, never the shipped file's read-only ones.
    if (copied.ok())
        copied = SaveFileBytes(user, bytes);
    if (!copied.ok()) {
        return Status(copied.kind(), "ProgramIni",
            QT_TRANSLATE_NOOP("ProgramIni", "cannot copy %1 to %2: %3"))
            .arg(QDir::toNativeSeparators(inUse))
            .arg(QDir::toNativeSeparators(user))
            .arg(copied);
    }
    return Status();
}

} // namespace

bool Load(const DataPaths &paths, bool saveOnClose)
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

Status SaveLanguage(const DataPaths &paths)
{
    const QString language = g_iniFile.GetValue(kSetup, kLanguage);
    const QString inUse = g_iniFile.path();
    if (inUse.isEmpty())
        return Status(Status::Kind::NotFound, "ProgramIni",
            QT_TRANSLATE_NOOP("ProgramIni", "no Program.ini was loaded"));

    QString target = inUse;
    bool madeCopy = false;
    if (paths.isUsersOwn(inUse)) {
        g_iniFile.Save(false);
    } else {
        target = DataPaths::userIniPath();
        if (target.isEmpty())
            return Status(Status::Kind::NotFound, "ProgramIni",
                QT_TRANSLATE_NOOP(
                    "ProgramIni", "there is no folder for the user's settings (is HOME set?)"));
        const QFileInfo existing(target);
        if (existing.exists() && !existing.isFile())
            return Status(Status::Kind::NotAFile, "ProgramIni",
                QT_TRANSLATE_NOOP("ProgramIni", "%1 is not a regular file"))
                .arg(QDir::toNativeSeparators(target));
        if (!existing.exists()) {
            const Status copied = MakeUserCopy(inUse, target);
            if (!copied.ok())
                return copied;
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
    if (StoredLanguage(target) == language)
        return Status();
    if (madeCopy)
        QFile::remove(target);
    return Status(Status::Kind::Failed, "ProgramIni",
        QT_TRANSLATE_NOOP("ProgramIni", "%1 could not be written"))
        .arg(QDir::toNativeSeparators(target));
}

} // namespace ProgramIni
