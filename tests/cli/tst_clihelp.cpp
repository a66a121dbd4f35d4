// htprog-cli's help against its manual page and its bash completion: the same
// commands with the same synopses and options everywhere.
#include "support/clirun.h"
#include "support/testfiles.h"

#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kManualPage = QStringLiteral(HTPROG_SOURCE_DIR "/man/htprog-cli.1");
const QString kCompletion
    = QStringLiteral(HTPROG_SOURCE_DIR "/packaging/htprog-cli.bash-completion");

// The synopses of the manual page's COMMANDS section (the line after each .TP),
// as plain text, by command name.
QMap<QString, QString> ManualSynopses()
{
    static const QRegularExpression fonts(QStringLiteral(R"(\\f[BIRP])"));
    QMap<QString, QString> synopses;
    bool inCommands = false;
    bool tagNext = false;
    for (const QString &line : QString::fromUtf8(ReadFile(kManualPage)).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String(".SH ")))
            inCommands = line == QLatin1String(".SH COMMANDS");
        if (inCommands && tagNext) {
            QString plain = line;
            plain.remove(fonts).replace(QStringLiteral("\\-"), QStringLiteral("-"));
            synopses.insert(plain.section(QLatin1Char(' '), 0, 0), plain);
        }
        tagNext = line == QLatin1String(".TP");
    }
    return synopses;
}

// The synopses that "htprog-cli --help" lists, by command name.
QMap<QString, QString> OverviewSynopses(const QByteArray &help)
{
    static const QRegularExpression synopsis(
        QStringLiteral("^  ([a-z][a-z-]*)(?: .*)?$"), QRegularExpression::MultilineOption);
    const QString text = QString::fromUtf8(help);
    const QString commands
        = text.section(QStringLiteral("commands:\n"), 1).section(QStringLiteral("\n\n"), 0, 0);
    QMap<QString, QString> synopses;
    for (auto it = synopsis.globalMatch(commands); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        synopses.insert(match.captured(1), match.captured(0).trimmed());
    }
    return synopses;
}

QStringList Options(const QString &synopsis)
{
    static const QRegularExpression option(QStringLiteral("--[a-z-]+"));
    QStringList options;
    for (auto it = option.globalMatch(synopsis); it.hasNext();)
        options.append(it.next().captured(0));
    return options;
}

} // namespace

class TestCliHelp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void overviewMatchesManualPage();
    void commandHelp_data();
    void commandHelp();
    void helpDoesNotRunTheCommand();
    void completionOffersWhatTheManualPageSays();
};

void TestCliHelp::overviewMatchesManualPage()
{
    const CliRun run = RunCli({QStringLiteral("--help")});
    QCOMPARE(run.exitCode, 0);
    const QMap<QString, QString> listed = OverviewSynopses(run.out);
    const QMap<QString, QString> manual = ManualSynopses();
    QVERIFY2(listed.size() >= 12, run.out.constData());
    for (auto it = listed.cbegin(); it != listed.cend(); ++it)
        QCOMPARE(it.value(), manual.value(it.key(), QStringLiteral("<not in the manual page>")));
    // Without a command the overview goes to stderr, with the usage status.
    const CliRun bare = RunCli({});
    QCOMPARE(bare.exitCode, 2);
    QCOMPARE(bare.err.toUtf8(), run.out);
}

void TestCliHelp::commandHelp_data()
{
    QTest::addColumn<QString>("synopsis");
    const QMap<QString, QString> listed = OverviewSynopses(RunCli({QStringLiteral("--help")}).out);
    for (auto it = listed.cbegin(); it != listed.cend(); ++it)
        QTest::newRow(qPrintable(it.key())) << it.value();
}

void TestCliHelp::commandHelp()
{
    QFETCH(QString, synopsis);
    const QString name = synopsis.section(QLatin1Char(' '), 0, 0);
    const CliRun run = RunCli({name, QStringLiteral("--help")});
    QCOMPARE(run.exitCode, 0);
    const QString help = QString::fromUtf8(run.out);
    QVERIFY2(help.startsWith(QStringLiteral("usage: htprog-cli ") + synopsis + QLatin1Char('\n')),
        qPrintable(help));
    for (const QString &option : Options(synopsis))
        QVERIFY2(help.contains(QStringLiteral("\n  ") + option), qPrintable(option));
    QCOMPARE(RunCli({QStringLiteral("help"), name}).out, run.out);
}

void TestCliHelp::helpDoesNotRunTheCommand()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("radio.dat"));
    const CliRun run = RunCli({QStringLiteral("new"), file, QStringLiteral("-h")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith("usage: htprog-cli new FILE"));
    QVERIFY(!QFile::exists(file));
    QCOMPARE(RunCli({QStringLiteral("help"), QStringLiteral("frobnicate")}).exitCode, 2);
}

void TestCliHelp::completionOffersWhatTheManualPageSays()
{
#ifdef Q_OS_WIN
    QSKIP("bash completion is for Linux shells");
#endif
    const QMap<QString, QString> manual = ManualSynopses();
    QString script = QStringLiteral("source '%1'\n"
                                    "COMP_WORDS=(htprog-cli ''); COMP_CWORD=1; _htprog_cli\n"
                                    "echo \"* ${COMPREPLY[*]}\"\n")
                         .arg(kCompletion);
    for (const QString &name : manual.keys()) {
        script += QStringLiteral("COMP_WORDS=(htprog-cli %1 --); COMP_CWORD=2; _htprog_cli\n"
                                 "echo \"%1 ${COMPREPLY[*]}\"\n")
                      .arg(name);
    }
    QProcess bash;
    bash.start(QStringLiteral("bash"), {QStringLiteral("-c"), script});
    QVERIFY(bash.waitForFinished());
    QCOMPARE(bash.exitCode(), 0);
    QMap<QString, QStringList> offered;
    for (const QString &line : QString::fromUtf8(bash.readAllStandardOutput())
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString key = words.takeFirst();
        words.sort();
        offered.insert(key, words);
    }

    QStringList commands = manual.keys();
    commands << QStringLiteral("--help") << QStringLiteral("help");
    commands.sort();
    QCOMPARE(offered.value(QStringLiteral("*")), commands);
    for (auto it = manual.cbegin(); it != manual.cend(); ++it) {
        QStringList options = Options(it.value());
        options << QStringLiteral("--help");
        options.sort();
        QCOMPARE(offered.value(it.key()), options);
    }
}

QTEST_GUILESS_MAIN(TestCliHelp)
#include "tst_clihelp.moc"
