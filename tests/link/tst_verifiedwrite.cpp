// A whole-image write with its verifying read, through the real serial code to
// the simulated radio on a pseudo-terminal.
#include "compare/imagediff.h"
#include "link/verifiedwrite.h"
#include "settings/inifile.h"
#include "support/linkfakes.h"
#include "support/servedradio.h"

#include <QTest>

Q_DECLARE_METATYPE(VerifyResult)

class TestVerifiedWrite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void verification_data();
    void verification();
};

void TestVerifiedWrite::verification_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("stopAtPoll"); // -1: never
    QTest::addColumn<VerifyResult>("verify");
    QTest::addColumn<Status::Kind>("readResult");
    QTest::addColumn<int>("steps"); // progress positions reported
    QTest::addColumn<QStringList>("differences"); // channel|field, setting names or @address

    const auto ok = Status::Kind::Ok;
    // The write polls 6 times in its handshake and 9 times after each of 1018 blocks.
    const int firstReadPoll = 6 + 1018 * 9 + 1;
    const int all = kVerifiedWriteProgressSteps;
    QTest::newRow("written as sent")
        << "" << -1 << VerifyResult::Verified << ok << all << QStringList {};
    QTest::newRow("wrong byte in channel 1") << "corrupt-write@2" << -1 << VerifyResult::Different
                                             << ok << all << QStringList {"1|Rx Frequency"};
    // Every byte of a block is compared, the last as the first.
    QTest::newRow("wrong last byte of a block")
        << "corrupt-write-last@2" << -1 << VerifyResult::Different << ok << all
        << QStringList {"@23"};
    QTest::newRow("wrong byte in the band limits")
        << "corrupt-write@1022" << -1 << VerifyResult::Different << ok << all
        << QStringList {"VHF"};
    QTest::newRow("wrong byte in a block never written") // the squelch calibration block
        << "corrupt-write@1008" << -1 << VerifyResult::Verified << ok << all << QStringList {};
    QTest::newRow("verifying read gets no answer") // read blocks 0-1007 count 504 steps
        << "no-ack@1008" << -1 << VerifyResult::NotVerified << Status::Kind::Interrupted
        << kWriteProgressSteps + 504 << QStringList {};
    QTest::newRow("cancel during the verification")
        << "" << firstReadPoll << VerifyResult::NotVerified << Status::Kind::Cancelled
        << kWriteProgressSteps << QStringList {};
}

void TestVerifiedWrite::verification()
{
    QFETCH(QString, fault);
    QFETCH(int, stopAtPoll);
    QFETCH(VerifyResult, verify);
    QFETCH(Status::Kind, readResult);
    QFETCH(int, steps);
    QFETCH(QStringList, differences);

    const MemoryImage before = Pattern(50);
    MemoryImage image = NewImage();
    image[0x10 + 3] = 0x14; // channel 1 at 140.00000 MHz
    image[0x10] = image[0x10 + 1] = image[0x10 + 2] = 0x00;
    ServedRadio radio(before, Faults({fault}));
    RecordingObserver observer;
    observer.stopAtPoll = stopAtPoll;

    const VerifiedWriteOutcome outcome
        = WriteWholeImageVerified(radio.path(), image, observer, true);

    QVERIFY(outcome.write.ok()); // the write itself always succeeded
    QCOMPARE(outcome.verify, verify);
    QCOMPARE(outcome.verifyRead.kind(), readResult);
    QCOMPARE(observer.positions.size(), steps);
    QCOMPARE(observer.positions.last(), steps);
    if (readResult != Status::Kind::Ok)
        return;
    QVERIFY(outcome.readBack == radio.stop().memory());
    QStringList found;
    CIniFile noCatalogue;
    const ImageDiff diff = DiffImages(outcome.expected, outcome.readBack, false, noCatalogue);
    for (const ChannelDifference &c : diff.channels)
        found << c.channel + QLatin1Char('|') + c.field;
    for (const SettingDifference &s : diff.settings)
        found << s.name;
    for (const ByteRangeDifference &b : diff.otherBytes)
        found << QStringLiteral("@%1").arg(b.first);
    QCOMPARE(found, differences);
}

QTEST_GUILESS_MAIN(TestVerifiedWrite)
#include "tst_verifiedwrite.moc"
