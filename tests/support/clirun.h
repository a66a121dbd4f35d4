// htprog-cli run as a program, as a user or a script runs it.
#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct CliRun
{
    int exitCode = -1; // -1: did not finish or crashed
    QByteArray out;
    QString err;
};

QString CliPath();
// Runs htprog-cli with the arguments (in workDir, with env, when given) and
// waits for it to end.
CliRun RunCli(const QStringList &args, const QString &workDir = QString(),
    const QProcessEnvironment &env = QProcessEnvironment());

// Runs htprog-cli on a disk that is full: in a private mount namespace, folder
// becomes a small RAM disk holding copies of its files, filled up but for
// freePages pages of 4 KB (and, when freeInodes >= 0, but for that many new
// files). Afterwards folder holds what the disk held. exitCode is -2 when this
// system cannot make a private mount namespace.
CliRun RunCliOnFullDisk(const QStringList &args, const QString &folder, int freePages,
    const QProcessEnvironment &env = QProcessEnvironment(), int freeInodes = -1);
// Runs htprog-cli (in workDir, with env) as the user root of a private user and
// mount namespace whose home folder from the user database is an empty RAM disk;
// homeFiles receives what the run left there (paths relative to that home).
// exitCode is -2 when this system cannot make such a namespace.
CliRun RunCliWithPrivateHome(const QStringList &args, const QString &workDir,
    const QProcessEnvironment &env, QStringList *homeFiles);
