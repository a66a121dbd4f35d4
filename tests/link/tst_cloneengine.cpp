// Whole-image transfers against the in-process simulated radio.
#include "link/cloneengine.h"
#include "link/simulatedport.h"
#include "settings/messages.h"
#include "support/linkfakes.h"

#include <QTest>

namespace {

const MemoryImage kUntouched = Pattern(0x5A);

QList<int> Steps(int count)
{
    QList<int> steps;
    for (int i = 1; i <= count; ++i)
        steps.append(i);
    return steps;
}

Status Run(RadioPort &port, RecordingObserver &observer, bool write, MemoryImage &image)
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
    void commandLogIsBounded();
    void writeSkipsSquelchBlockAndTail();
    void faults_data();
    void faults();
    void silentRadioGivesUpWithinTimeouts();
    void cancelAtPollPoint_data();
    void cancelAtPollPoint();
};

void TestCloneEngine::readFetchesEveryBlock()
{
    const MemoryImage radioMemory = Pattern(1);
    SimulatedPort port(radioMemory, PortProfile::Clone);
    RecordingObserver observer;
    MemoryImage image = kUntouched;

    QVERIFY(CloneEngine(port, observer).readImage(image).ok());

    QVERIFY(image == radioMemory);
    QCOMPARE(observer.positions, Steps(kReadProgressSteps));
    const QList<QByteArray> &commands = port.radio().commands();
    QCOMPARE(commands.size(), kReadBlockCount);
    QCOMPARE(commands.at(0x1230 / 8), QByteArray::fromHex("52123008"));
}

// A radio served for hours keeps the latest commands only, however many images
// it answers.
void TestCloneEngine::commandLogIsBounded()
{
    SimulatedPort port(Pattern(4), PortProfile::Clone);
    RecordingObserver observer;
    MemoryImage image = kUntouched;
    for (int read = 0; read < 3; ++read)
        QVERIFY(CloneEngine(port, observer).readImage(image).ok());

    const QList<QByteArray> &commands = port.radio().commands();
    QCOMPARE(commands.size(), SimulatedRadio::kCommandLogSize);
    QCOMPARE(port.radio().commandCount(), qint64(3 * kReadBlockCount));
    QCOMPARE(commands.last(), QByteArray::fromHex("521FF808"));
}

void TestCloneEngine::writeSkipsSquelchBlockAndTail()
{
    const MemoryImage before = Pattern(2);
    const MemoryImage image = Pattern(3);
    SimulatedPort port(before, PortProfile::Clone);
    RecordingObserver observer;

    QVERIFY(CloneEngine(port, observer).writeImage(image).ok());

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
    QTest::addColumn<int>("lineDiesAfter"); // bytes sent before the line fails, -1 never
    QTest::addColumn<int>("retries");
    QTest::addColumn<Status::Kind>("result");
    QTest::addColumn<int>("questions");

    const auto ok = Status::Kind::Ok;
    const auto comm = Status::Kind::NoAnswer;
    const auto interrupt = Status::Kind::Interrupted;
    auto row = [](const char *name, bool write, const QStringList &faults, int lineDiesAfter,
                   int retries, Status::Kind result, int questions) {
        QTest::newRow(name) << write << faults << lineDiesAfter << retries << result << questions;
    };
    row("silent radio", false, {"silent"}, -1, 0, comm, 1);
    row("silent 15 times, Retry", false, {"silent@15"}, -1, 1, ok, 1);
    row("other byte before the ack", false, {"other-byte"}, -1, 0, ok, 0);
    row("no ident ack at attempt 5", true, {"silent@4", "no-ident-ack"}, -1, 0, comm, 1);
    row("no ident ack at attempt 6", true, {"silent@5", "no-ident-ack"}, -1, 0, interrupt, 0);
    row("short reply", false, {"short-reply@1023"}, -1, 0, interrupt, 0);
    row("no ack, read", false, {"no-ack@100"}, -1, 0, interrupt, 0);
    row("no ack, band limits", true, {"no-ack@1022"}, -1, 0, interrupt, 0);
    row("hang-up, read", false, {"hang-up@5"}, -1, 0, interrupt, 0);
    // A dead line ends at once. The handshake sends 7 entry bytes, 'M', 0x02 and 0x06.
    row("line dead before the first byte", false, {}, 0, 0, interrupt, 0);
    row("line dies before the identification", false, {}, 7, 0, interrupt, 0);
    row("line dies at an ack after a read block", false, {}, 10 + 5 * 300 + 4, 0, interrupt, 0);
    row("line dies inside write block data", true, {}, 10 + 12 * 40 + 6, 0, interrupt, 0);
}

void TestCloneEngine::faults()
{
    QFETCH(bool, write);
    QFETCH(QStringList, faults);
    QFETCH(int, lineDiesAfter);
    QFETCH(int, retries);
    QFETCH(Status::Kind, result);
    QFETCH(int, questions);

    const MemoryImage radioMemory = Pattern(4);
    SimulatedPort radio(radioMemory, PortProfile::Clone, Faults(faults));
    FailingPort port(radio, lineDiesAfter < 0 ? INT_MAX : lineDiesAfter);
    RecordingObserver observer;
    observer.retriesToGive = retries;
    MemoryImage image = kUntouched;

    const Status outcome = Run(port, observer, write, image);

    const QString message = result == Status::Kind::Ok ? QString()
        : result == Status::Kind::NoAnswer             ? MessageText(kMsgCommunicationError)
                                                       : MessageText(kMsgProgramInterrupt);
    QCOMPARE(outcome.kind(), result);
    QCOMPARE(outcome.text(), message);
    QCOMPARE(observer.questions, questions);
    QVERIFY2(port.callsAfterFailure <= 1, qPrintable(QString::number(port.callsAfterFailure)));
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

    const Status outcome = Run(port, observer, write, image);

    QCOMPARE(outcome.kind(), Status::Kind::Cancelled);
    QCOMPARE(outcome.text(), QString());
    QCOMPARE(port.radio().commands().size(), commands);
    QCOMPARE(port.radio().cloneEntries(), stopAtPoll == 1 ? 0 : 1);
    QCOMPARE(observer.positions, Steps(steps));
    QVERIFY(image == kUntouched);
}

QTEST_GUILESS_MAIN(TestCloneEngine)
#include "tst_cloneengine.moc"
