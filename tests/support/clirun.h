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
