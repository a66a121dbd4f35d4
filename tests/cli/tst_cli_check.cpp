// htprog-cli check run as a program: the problem lines and their JSON, both
// languages, and the exit status for a sound plan, problems and trouble.
#include "support/channelimages.h"
#include "support/clirun.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

namespace {

// A plan of five channels with VHF narrowed to 136-148 MHz: 155.16 lies outside,
// channel 4 repeats channel 1, channel 5 has the name of channel 1, and channel 3
// is off step.
MemoryImage PlanImage()
{
    MemoryImage image = ImageWithChannels({{1, "146.52000", "CALL"}, {2, "155.16000", "FIRE"},
        {3, "146.51260", ""}, {4, "146.52000", ""}, {5, "147.00000", "CALL"}});
    const quint8 vhf136to148[] = {0x13, 0x14, 0x67};
    std::copy_n(vhf136to148, 3, &image[0x1FF0]);
    return image;
}

} // namespace

class TestCliCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void check_data();
    void check();

private:
    QTemporaryDir m_dir;
};

void TestCliCheck::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(WriteFile(m_dir.filePath("plan.dat"), ImageBytes(PlanImage())));
    QCOMPARE(RunCli({"new", m_dir.filePath("new.dat")}).exitCode, 0);
    QVERIFY(WriteFile(m_dir.filePath("short.dat"), "short"));
}

void TestCliCheck::check_data()
{
    QTest::addColumn<QStringList>("args"); // after "check", run in the folder
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");

    QTest::newRow("a new image has no problems") << QStringList {"new.dat"} << 0 << "";
    QTest::newRow("one line per problem")
        << QStringList {"plan.dat"} << 1
        << "2\terror\tout-of-band\tRx 155.16000 MHz, Tx 155.16000 MHz: outside the band limits "
           "(VHF 136-148 MHz, UHF 400-480 MHz)\n"
           "3\twarning\toff-step\tRx 146.51260 MHz, Tx 146.51260 MHz: not on a 2.5 kHz or "
           "6.25 kHz step\n"
           "4\twarning\tduplicate\tSame Rx, Tx and tones as channel 1\n"
           "5\twarning\tduplicate-name\tName \"CALL\" is also used by channel 1\n";
    QTest::newRow("Chinese texts, the same keywords")
        << QStringList {"plan.dat", "--lang", "zh"} << 1
        << "2\terror\tout-of-band\t接收 155.16000 MHz，发射 155.16000 MHz：超出频段范围（VHF "
           "136-148 MHz, UHF 400-480 MHz）\n"
           "3\twarning\toff-step\t接收 146.51260 MHz，发射 146.51260 MHz：不在 2.5 kHz 或 "
           "6.25 kHz 步进上\n"
           "4\twarning\tduplicate\t与信道1的接收、发射频率和亚音相同\n"
           "5\twarning\tduplicate-name\t名称“CALL”已被信道1使用\n";
    QTest::newRow("json")
        << QStringList {"--json", "plan.dat"} << 1
        << "[\n"
           "  {\"ch\": \"2\", \"severity\": \"error\", \"kind\": \"out-of-band\", "
           "\"text\": \"Rx 155.16000 MHz, Tx 155.16000 MHz: outside the band "
           "limits (VHF 136-148 MHz, UHF 400-480 MHz)\"},\n"
           "  {\"ch\": \"3\", \"severity\": \"warning\", \"kind\": \"off-step\", "
           "\"text\": \"Rx 146.51260 MHz, Tx 146.51260 MHz: not on a 2.5 kHz or "
           "6.25 kHz step\"},\n"
           "  {\"ch\": \"4\", \"severity\": \"warning\", \"kind\": "
           "\"duplicate\", \"text\": \"Same Rx, Tx and tones as channel 1\"},\n"
           "  {\"ch\": \"5\", \"severity\": \"warning\", \"kind\": "
           "\"duplicate-name\", \"text\": \"Name \\\"CALL\\\" is also used by "
           "channel 1\"}\n"
           "]\n";
    QTest::newRow("json without problems") << QStringList {"new.dat", "--json"} << 0 << "[]\n";
    QTest::newRow("a missing file") << QStringList {"missing.dat"} << 2 << "";
    QTest::newRow("not an image") << QStringList {"short.dat"} << 2 << "";
    QTest::newRow("no file") << QStringList {} << 2 << "";
    QTest::newRow("unknown language") << QStringList {"plan.dat", "--lang", "fr"} << 2 << "";
}

void TestCliCheck::check()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    const CliRun run = RunCli(QStringList {"check"} + args, m_dir.path());
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.err.isEmpty(), exitCode < 2);
    QCOMPARE(QString::fromUtf8(run.out), out);
}

QTEST_GUILESS_MAIN(TestCliCheck)
#include "tst_cli_check.moc"
