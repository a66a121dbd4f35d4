// Where the program's files are found and where the user's changes go.
// The files that come with the program (Program.ini as shipped, English.qm,
// Chinese.qm, help/) are looked up beside the executable first, as in the build
// tree or an unpacked folder, then in the installed data folder ../share/htprog
// seen from the executable's folder (/usr/bin -> /usr/share/htprog).
// Program.ini in use: a writable one beside the executable (saved in place), else
// the user's own copy (QStandardPaths::AppConfigLocation/Program.ini), else the
// shipped one, which is never written: changes go to the user's copy.
#pragma once

#include "status/status.h"

#include <QString>
#include <QStringList>

class DataPaths
{
public:
    // programDir is the executable's folder (a test's folder in the tests).
    explicit DataPaths(const QString &programDir);
    // The running executable's folder.
    DataPaths();

    QString programDir() const { return m_programDir; }
    QString installedDataDir() const;

    // The first of programDir/name and installedDataDir/name that exists;
    // programDir/name when neither does.
    QString filePath(const QString &name) const;

    // The user's own Program.ini, whether it exists or not: in $XDG_CONFIG_HOME
    // when that is an absolute path, else in <home>/.config (home as below);
    // empty when the user has no configuration folder.
    static QString userIniPath();
    // The per-user data folder (backups, the simulated radio), whether it exists
    // or not: $XDG_DATA_HOME/htprog when XDG_DATA_HOME is an absolute path, else
    // <home>/.local/share/htprog, home being $HOME when it is an absolute path and
    // else the one the system's user database gives. Empty, with the reason in
    // *why (NotFound), when that home does not exist: a missing or wrong home never
    // leads to folders made elsewhere (as root, under /).
    static QString userDataFolder(Status *why = nullptr);
    // True for the Program.ini files that changes are saved in: the user's own
    // copy and a Program.ini beside the executable that the user may write, unless
    // the executable was installed by the setup program (uninstall.exe beside it).
    bool isUsersOwn(const QString &iniPath) const;
    // The Program.ini to read; empty when there is none.
    QString programIni() const;

private:
    QStringList candidates(const QString &name) const;

    QString m_programDir;
};
