// htprog-cli read keeping a backup and write verifying what it wrote, run as a
// program against the simulated radio on a pseudo-terminal, with the per-user
// data folder in a temporary folder.
#include "image/datfile.h"
#include "settings/messages.h"
#include "support/clirun.h"
#include "support/linkfakes.h"
#include "support/servedradio.h"
#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestCliVerify : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void readKeepsABackup();
    void backupFailureIsOnlyAWarning();
    void writeVerifies_data();
    void writeVerifies();

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
    QCOMPARE(ReadFile(path("out.dat")),
        QByteArray(reinterpret_cast<const char *>(memory.data()), kImageSize));

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
    // Every byte of a block is compared, the last as the first.
    QTest::newRow("wrong last byte of a block")
        << "corrupt-write-last@2"
        << "" << 1 << QByteArray()
        << "htprog-cli: Written, but the radio does not hold what was sent:\n"
           "Other bytes\n"
           "Address  sent  radio\n"
           "0x0017   FF    00\n"
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

    MemoryImage image = NewImage();
    image[0x13] = 0x14; // channel 1 at 140.00000 MHz
    image[0x10] = image[0x11] = image[0x12] = 0x00;
    QVERIFY(SaveDatFile(path("in.dat"), image).ok());
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

QTEST_GUILESS_MAIN(TestCliVerify)
#include "tst_cli_verify.moc"
