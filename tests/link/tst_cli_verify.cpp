// htprog-cli read keeping a backup and write verifying what it wrote, run as a
// program against the simulated radio on a pseudo-terminal, with the per-user
// data folder in a temporary folder; write --repeat through three radios.
#include "channels/channelcodec.h"
#include "csv/csvtable.h"
#include "image/datfile.h"
#include "settings/messages.h"
#include "support/channelimages.h"
#include "support/clirun.h"
#include "support/linkfakes.h"
#include "support/servedradio.h"
#include "support/testfiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// channel 1 at 140.00000 MHz on a new image
MemoryImage ChannelOneImage()
{
    MemoryImage image = NewImage();
    image[0x13] = 0x14;
    image[0x10] = image[0x11] = image[0x12] = 0x00;
    return image;
}

} // namespace

class TestCliVerify : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void readKeepsABackup();
    void backupFailureIsOnlyAWarning();
    void writeVerifies_data();
    void writeVerifies();
    void repeatWritesRadioAfterRadio();
    void repeatStops_data();
    void repeatStops();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString backups() const { return path("data/htprog/backups"); }
    QStringList backupNames() const
    {
        return QDir(backups()).entryList({"*.dat"}, QDir::Files, QDir::Name);
    }
    CliRun cli(const QStringList &args) const { return RunCli(args, QString(), m_env); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QProcessEnvironment m_env;
};

void TestCliVerify::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_env = QProcessEnvironment::systemEnvironment();
    m_env.insert("XDG_DATA_HOME", path("data"));
}

void TestCliVerify::readKeepsABackup()
{
    MemoryImage memory = NewImage();
    memory[3] = 0x14; // the priority channel at 140.00000 MHz, the others empty
    memory[0] = memory[1] = memory[2] = 0x00;
    ServedRadio radio(memory);

    QCOMPARE(cli({"read", "--port", radio.path(), path("out.dat")}).exitCode, 0);
    QCOMPARE(cli({"read", "--no-backup", "--port", radio.path(), path("out2.dat")}).exitCode, 0);

    const QStringList names = backupNames();
    QCOMPARE(names.size(), 1);
    QVERIFY2(QRegularExpression("^radio-\\d{8}-\\d{6}\\.dat$").match(names[0]).hasMatch(),
        qPrintable(names[0]));
    QCOMPARE(ReadFile(backups() + "/" + names[0]), ReadFile(path("out.dat")));
    QCOMPARE(ReadFile(path("out.dat")), ImageBytes(memory));

    const CliRun list = cli({"backups"});
    QCOMPARE(list.exitCode, 0);
    const QStringList fields = QString::fromUtf8(list.out).chopped(1).split('\t');
    QCOMPARE(fields.size(), 4);
    QCOMPARE(fields[0], backups() + "/" + names[0]);
    QCOMPARE(fields[2], QStringLiteral("1"));
}

void TestCliVerify::backupFailureIsOnlyAWarning()
{
    ServedRadio radio(Pattern(61));
    QVERIFY(WriteFile(path("data"), "a file where the data folder belongs"));

    const CliRun run = cli({"read", "--port", radio.path(), path("out.dat")});

    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.startsWith("htprog-cli: warning: no backup was kept: "), qPrintable(run.err));
    QCOMPARE(ReadFile(path("out.dat")).size(), kImageSize);
}

void TestCliVerify::writeVerifies_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QString>("err");
    QTest::addColumn<int>("backupsKept"); // of what the radio holds

    QTest::newRow("verified") << ""
                              << "" << 0 << QByteArray("Written and verified\n") << "" << 0;
    QTest::newRow("wrong byte in channel 1")
        << "corrupt-write@2"
        << "" << 1 << QByteArray()
        << "htprog-cli: Written, but the radio does not hold what was sent:\n"
           "Channels\n"
           "CH  Field         sent       radio\n"
           "1   Rx Frequency  140.00000  140.00165\n"
           "What the radio holds is kept as "
        << 1;
    QTest::newRow("not verified") << "no-ack@1008"
                                  << "" << 0 << QByteArray()
                                  << QStringLiteral("htprog-cli: Written; could not verify: ")
            + MessageSource(kMsgProgramInterrupt) + "\n"
                                  << 0;
    QTest::newRow("not asked to verify") << "corrupt-write@2"
                                         << "--no-verify" << 0 << QByteArray() << "" << 0;
}

void TestCliVerify::writeVerifies()
{
    QFETCH(QString, fault);
    QFETCH(QString, option);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, out);
    QFETCH(QString, err);
    QFETCH(int, backupsKept);

    QVERIFY(SaveDatFile(path("in.dat"), ChannelOneImage()).ok());
    ServedRadio radio(Pattern(62), Faults({fault}));
    QStringList args {"write", "--port", radio.path(), path("in.dat")};
    if (!option.isEmpty())
        args << option;

    const CliRun run = cli(args);

    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out, out);
    QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.startsWith(err), qPrintable(run.err));
    // What was sent is kept first, whatever the radio answers.
    const QStringList names = backupNames();
    QCOMPARE(names.filter(QRegularExpression("^radio-")).size(), backupsKept);
    QCOMPARE(names.filter(QRegularExpression("^sent-")).size(), 1);
    QCOMPARE(ReadFile(backups() + QLatin1Char('/') + names.filter("sent-").constFirst()),
        ReadFile(path("in.dat")));
}

namespace {

// Waits until the process has printed the prompt count times in all.
bool WaitForPrompts(QProcess &process, QByteArray &out, int count)
{
    const QByteArray prompt("Connect the next radio and press Enter (Ctrl+D to stop)\n");
    while (out.count(prompt) < count) {
        // A write and its verifying read: generous for a loaded machine.
        if (!process.waitForReadyRead(120000))
            return false;
        out += process.readAllStandardOutput();
    }
    return true;
}

} // namespace

// Three radios reached one after another through one port name, a link that the
// test moves to the next radio as a person moves the cable; the second radio
// stores a wrong byte.
void TestCliVerify::repeatWritesRadioAfterRadio()
{
    const MemoryImage image = ChannelOneImage();
    QVERIFY(SaveDatFile(path("in.dat"), image).ok());
    QVERIFY(WriteFile(path("names.txt"), "ann\r\n  BOB-1\n\nCY_3\n"));
    ServedRadio radios[] = {ServedRadio(Pattern(71)),
        ServedRadio(Pattern(72), Faults({"corrupt-write@2"})), ServedRadio(Pattern(73))};
    const QString port = path("cable");
    QVERIFY(QFile::link(radios[0].path(), port));

    QProcess cli;
    cli.setProcessEnvironment(m_env);
    cli.start(CliPath(),
        {"write", "--repeat", "--port", port, "--names", path("names.txt"), "--log",
            path("log.csv"), path("in.dat")});
    QByteArray out;
    for (int next = 1; next < 3; ++next) {
        QVERIFY2(WaitForPrompts(cli, out, next), out.constData());
        QVERIFY(QFile::remove(port));
        QVERIFY(QFile::link(radios[next].path(), port));
        cli.write("\n");
    }
    QVERIFY(cli.waitForFinished(120000));
    out += cli.readAllStandardOutput();

    QCOMPARE(cli.exitCode(), 1); // not every radio verified
    const QStringList lines = QString::fromUtf8(out).split('\n');
    QCOMPARE(lines.size(), 6); // the last radio ends the names: no prompt after it
    QCOMPARE(lines[0], QStringLiteral("Radio 1 (ANN): verified"));
    QVERIFY2(lines[2].startsWith("Radio 2 (BOB-1): differs: Channel 1, Rx Frequency: sent "
                                 "140.00000, radio 140.00165; what the radio holds is kept as "),
        qPrintable(lines[2]));
    QCOMPARE(lines[4], QStringLiteral("Radio 3 (CY_3): verified"));
    QCOMPARE(lines[5], QString());

    // Each radio holds the image with its own name; the file is as it was.
    const char *names[] = {"ANN", "BOB-1", "CY_3"};
    for (int i = 0; i < 3; ++i) {
        const MemoryImage &memory = radios[i].stop().memory();
        QCOMPARE(DecodePowerOnName(memory), QString::fromLatin1(names[i]));
        QCOMPARE(memory[0x1500], image[0x1500]);
    }
    QCOMPARE(ReadFile(path("in.dat")), ImageBytes(image));

    const CsvTable log = ParseCsv(ReadFile(path("log.csv")));
    QVERIFY(log.ok());
    QCOMPARE(log.records.size(), 4);
    QCOMPARE(
        log.records[0].fields, QStringList({"radio", "time", "power_on_name", "result", "detail"}));
    const QStringList results {"verified", "differs", "verified"};
    for (int i = 0; i < 3; ++i) {
        const QStringList fields = log.records[i + 1].fields;
        QCOMPARE(fields.size(), 5);
        QCOMPARE(fields[0], QString::number(i + 1));
        QVERIFY2(QDateTime::fromString(fields[1], "yyyy-MM-dd HH:mm:ss").isValid(),
            qPrintable(fields[1]));
        QCOMPARE(fields[2], QString::fromLatin1(names[i]));
        QCOMPARE(fields[3], results[i]);
        QCOMPARE(fields[4].isEmpty(), i != 1);
    }
    // Every radio's copy is kept as sent, and what the second one holds.
    QCOMPARE(backupNames().filter(QRegularExpression("^sent-")).size(), 3);
    QCOMPARE(backupNames().filter(QRegularExpression("^radio-")).size(), 1);
}

void TestCliVerify::repeatStops_data()
{
    QTest::addColumn<QByteArray>("names"); // no --names when empty
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("radiosWritten");
    QTest::addColumn<QString>("err");

    QTest::newRow("end of input after the first radio")
        << QByteArray() << QByteArray() << 0 << 1 << "";
    QTest::newRow("two Enters, then end of input")
        << QByteArray() << QByteArray("\nnext\n") << 0 << 3 << "";
    QTest::newRow("the names run out first")
        << QByteArray("A\n") << QByteArray("\n\n") << 0 << 1 << "";
    QTest::newRow("a name the radio cannot show: nothing is written")
        << QByteArray("A\nTOOLONG\n") << QByteArray("\n") << 1 << 0
        << "htprog-cli: %1: line 2: \"TOOLONG\" cannot be a power-on name (at most 6 "
           "characters: 0-9, A-Z, - and _)\n";
    QTest::newRow("a list without names") << QByteArray("\n  \n") << QByteArray() << 1 << 0
                                          << "htprog-cli: %1: the list holds no power-on name\n";
}

void TestCliVerify::repeatStops()
{
    QFETCH(QByteArray, names);
    QFETCH(QByteArray, input);
    QFETCH(int, exitCode);
    QFETCH(int, radiosWritten);
    QFETCH(QString, err);

    QVERIFY(SaveDatFile(path("in.dat"), ChannelOneImage()).ok());
    ServedRadio radio(Pattern(74));
    QStringList args {"write", "--repeat", "--port", radio.path(), path("in.dat")};
    if (!names.isEmpty()) {
        QVERIFY(WriteFile(path("names.txt"), names));
        args << "--names" << path("names.txt");
    }
    QProcess cli;
    cli.setProcessEnvironment(m_env);
    cli.start(CliPath(), args);
    cli.write(input);
    cli.closeWriteChannel();
    QVERIFY(cli.waitForFinished(240000));

    QCOMPARE(cli.exitCode(), exitCode);
    QCOMPARE(QString::fromUtf8(cli.readAllStandardError()),
        err.isEmpty() ? err : err.arg(path("names.txt")));
    const QString out = QString::fromUtf8(cli.readAllStandardOutput());
    QCOMPARE(out.count(QRegularExpression(
                 "^Radio \\d+.*: verified$", QRegularExpression::MultilineOption)),
        radiosWritten);
    QCOMPARE(backupNames().filter(QRegularExpression("^sent-")).size(), radiosWritten);
}

QTEST_GUILESS_MAIN(TestCliVerify)
#include "tst_cli_verify.moc"
