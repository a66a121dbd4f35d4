// Whole-image transfers against the in-process simulated radio.
#include "cloneengine.h"
#include "linktestsupport.h"
#include "messages.h"
#include "simulatedport.h"

#include <QTest>

Q_DECLARE_METATYPE(TransferResult)

namespace {

const MemoryImage kUntouched = Pattern(0x5A);

QList<int> Steps(int count)
{
    QList<int> steps;
    for (int i = 1; i <= count; ++i)
        steps.append(i);
    return steps;
}

TransferOutcome Run(RadioPort &port, RecordingObserver &observer, bool write, MemoryImage &image)
{
    CloneEngine engine(port, observer);
    return write ? engine.writeImage(image) : engine.readImage(image);
}

} // namespace

class TestCloneEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readFetchesEveryBlock();
    void writeSkipsSquelchBlockAndTail();
    void faults_data();
    void faults();
    void silentRadioGivesUpWithinTimeouts();
    void cancelAtPollPoint_data();
    void cancelAtPollPoint();
    void lineFailureEndsAtOnce_data();
    void lineFailureEndsAtOnce();
};

void TestCloneEngine::readFetchesEveryBlock()
{
    const MemoryImage radioMemory = Pattern(1);
    SimulatedPort port(radioMemory, PortProfile::Clone);
    RecordingObserver observer;
    MemoryImage image = kUntouched;

    QCOMPARE(CloneEngine(port, observer).readImage(image).result, TransferResult::Ok);

    QVERIFY(image == radioMemory);
    QCOMPARE(observer.positions, Steps(kReadProgressSteps));
    const QList<QByteArray> &commands = port.radio().commands();
    QCOMPARE(commands.size(), kReadBlockCount);
    QCOMPARE(commands.at(0x1230 / 8), QByteArray::fromHex("52123008"));
}

void TestCloneEngine::writeSkipsSquelchBlockAndTail()
{
    const MemoryImage before = Pattern(2);
    const MemoryImage image = Pattern(3);
    SimulatedPort port(before, PortProfile::Clone);
    RecordingObserver observer;

    QCOMPARE(CloneEngine(port, observer).writeImage(image).result, TransferResult::Ok);

    QCOMPARE(observer.positions, Steps(kWriteProgressSteps));
    QVERIFY(port.radio().memory() == AfterWrite(before, image));
    const QList<QByteArray> &commands = port.radio().commands();
    QCOMPARE(commands.size(), 1018 + 1); // the 8-byte blocks and the band limits
    QCOMPARE(commands.last(),
        QByteArray::fromHex("571FF006")
            + QByteArray(reinterpret_cast<const char *>(&image[0x1FF0]), 6));
}

void TestCloneEngine::faults_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<int>("retries");
    QTest::addColumn<TransferResult>("result");
    QTest::addColumn<int>("questions");

    const auto ok = TransferResult::Ok;
    const auto comm = TransferResult::CommunicationError;
    const auto interrupt = TransferResult::ProgramInterrupt;
    QTest::newRow("silent radio") << false << QStringList {"silent"} << 0 << comm << 1;
    QTest::newRow("silent 15 times, Retry") << false << QStringList {"silent@15"} << 1 << ok << 1;
    QTest::newRow("other byte before the ack")
        << false << QStringList {"other-byte"} << 0 << ok << 0;
    QTest::newRow("no ident ack at attempt 5")
        << true << QStringList {"silent@4", "no-ident-ack"} << 0 << comm << 1;
    QTest::newRow("no ident ack at attempt 6")
        << true << QStringList {"silent@5", "no-ident-ack"} << 0 << interrupt << 0;
    QTest::newRow("short reply") << false << QStringList {"short-reply@1023"} << 0 << interrupt
                                 << 0;
    QTest::newRow("no ack, read") << false << QStringList {"no-ack@100"} << 0 << interrupt << 0;
    QTest::newRow("no ack, band limits")
        << true << QStringList {"no-ack@1022"} << 0 << interrupt << 0;
    QTest::newRow("hang-up, read") << false << QStringList {"hang-up@5"} << 0 << interrupt << 0;
}

void TestCloneEngine::faults()
{
    QFETCH(bool, write);
    QFETCH(QStringList, faults);
    QFETCH(int, retries);
    QFETCH(TransferResult, result);
    QFETCH(int, questions);

    const MemoryImage radioMemory = Pattern(4);
    SimulatedPort port(radioMemory, PortProfile::Clone, Faults(faults));
    RecordingObserver observer;
    observer.retriesToGive = retries;
    MemoryImage image = kUntouched;

    const TransferOutcome outcome = Run(port, observer, write, image);

    const int message = result == TransferResult::Ok   ? 0
        : result == TransferResult::CommunicationError ? kMsgCommunicationError
                                                       : kMsgProgramInterrupt;
    QCOMPARE(outcome.result, result);
    QCOMPARE(outcome.messageId, message);
    QCOMPARE(observer.questions, questions);
    QVERIFY(image == (!write && outcome.ok() ? radioMemory : kUntouched));
}

void TestCloneEngine::silentRadioGivesUpWithinTimeouts()
{
    SimulatedPort port(Pattern(6), PortProfile::Clone, Faults({"silent"}));
    RecordingObserver observer;
    MemoryImage image = kUntouched;

    CloneEngine(port, observer).readImage(image);

    // Per attempt: 6 polls of 1 ms, 7 entry bytes after 2 ms each, two one-byte
    // reads of 100·1 + 90 ms, 2 ms before the next attempt.
    QCOMPARE(port.elapsedMs(), qint64(15 * (6 + 7 * 2 + 2 * 190 + 2)));
    QCOMPARE(port.radio().cloneEntries(), 15);
}

void TestCloneEngine::cancelAtPollPoint_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("stopAtPoll");
    QTest::addColumn<int>("commands");
    QTest::addColumn<int>("steps");

    // 6 polls per handshake attempt, then 9 per block.
    QTest::newRow("first poll, nothing sent") << false << 1 << 0 << 0;
    QTest::newRow("last poll after read block 1") << false << 6 + 9 + 9 << 2 << 1;
    QTest::newRow("last poll of the last read block") << false << 6 + 1024 * 9 << 1024 << 512;
    QTest::newRow("last poll before the band limits") << true << 6 + 1018 * 9 << 1018 << 509;
}

void TestCloneEngine::cancelAtPollPoint()
{
    QFETCH(bool, write);
    QFETCH(int, stopAtPoll);
    QFETCH(int, commands);
    QFETCH(int, steps);

    SimulatedPort port(Pattern(7), PortProfile::Clone);
    RecordingObserver observer;
    observer.stopAtPoll = stopAtPoll;
    MemoryImage image = kUntouched;

    const TransferOutcome outcome = Run(port, observer, write, image);

    QCOMPARE(outcome.result, TransferResult::Cancelled);
    QCOMPARE(outcome.messageId, 0);
    QCOMPARE(port.radio().commands().size(), commands);
    QCOMPARE(port.radio().cloneEntries(), stopAtPoll == 1 ? 0 : 1);
    QCOMPARE(observer.positions, Steps(steps));
    QVERIFY(image == kUntouched);
}

void TestCloneEngine::lineFailureEndsAtOnce_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("bytesBeforeFailure");

    // The handshake sends 7 entry bytes, 'M', 0x02 and 0x06: 10 bytes.
    QTest::newRow("before the first byte") << false << 0;
    QTest::newRow("before the identification") << false << 7;
    QTest::newRow("at an ack after a read block") << false << 10 + 5 * 300 + 4;
    QTest::newRow("inside write block data") << true << 10 + 12 * 40 + 6;
}

void TestCloneEngine::lineFailureEndsAtOnce()
{
    QFETCH(bool, write);
    QFETCH(int, bytesBeforeFailure);

    SimulatedPort radio(Pattern(8), PortProfile::Clone);
    FailingPort port(radio, bytesBeforeFailure);
    RecordingObserver observer;
    MemoryImage image = kUntouched;

    const TransferOutcome outcome = Run(port, observer, write, image);

    QCOMPARE(outcome.result, TransferResult::ProgramInterrupt);
    QCOMPARE(observer.questions, 0);
    QVERIFY2(port.callsAfterFailure <= 1, qPrintable(QString::number(port.callsAfterFailure)));
    QVERIFY(image == kUntouched);
}

QTEST_GUILESS_MAIN(TestCloneEngine)
#include "tst_cloneengine.moc"
