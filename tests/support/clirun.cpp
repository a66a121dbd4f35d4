#include "clirun.h"

#include <QProcess>

QString CliPath()
{
    return QStringLiteral(HTPROG_CLI);
}

CliRun RunCli(const QStringList &args, const QString &workDir, const QProcessEnvironment &env)
{
    QProcess process;
    if (!workDir.isEmpty())
        process.setWorkingDirectory(workDir);
    if (!env.isEmpty())
        process.setProcessEnvironment(env);
    process.start(CliPath(), args);
    CliRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
