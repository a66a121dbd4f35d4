// The serial adapter on a pseudo-terminal: read timeouts as the profiles give
// them, and whole transfers with the simulated radio at the far end.
#include "cloneengine.h"
#include "linktestsupport.h"
#include "messages.h"
#include "ptyfixture.h"
#include "serialradioport.h"

#include <QElapsedTimer>
#include <QTest>

Q_DECLARE_METATYPE(PortProfile)
Q_DECLARE_METATYPE(ScriptStep)

class TestSerialPort : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readTimeouts_data();
    void readTimeouts();
    void wholeImageRoundTrip();
    void hangUpEndsTransferAtOnce();
    void silentRadioFailsWithinTimeouts();
};

void TestSerialPort::readTimeouts_data()
{
    QTest::addColumn<PortProfile>("profile");
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<ScriptStep>>("script");
    QTest::addColumn<int>("received");
    QTest::addColumn<int>("minMs");
    QTest::addColumn<int>("maxMs");

    // The byte counts show which rule ended a read; the times only that no wait was cut short.
    const auto clone = PortProfile::Clone;
    const QByteArray twelve(12, 'x');
    QTest::newRow("all bytes at once")
        << clone << 12 << QList<ScriptStep> {{0, twelve}} << 12 << 0 << 500;
    QTest::newRow("silent line, clone total 100*1+90")
        << clone << 1 << QList<ScriptStep> {} << 0 << 185 << 1000;
    QTest::newRow("gap over the clone interval ends the read")
        << clone << 12 << QList<ScriptStep> {{0, "abc"}, {200, "defghijkl"}} << 3 << 45 << 1000;
    QTest::newRow("steady trickle within the squelch interval")
        << PortProfile::Squelch << 6
        << QList<ScriptStep> {{0, "a"}, {20, "b"}, {20, "c"}, {20, "d"}, {20, "e"}, {20, "f"}} << 6
        << 95 << 1000;
    QTest::newRow("late byte still inside the total time")
        << clone << 1 << QList<ScriptStep> {{100, "a"}, {5, "b"}} << 1 << 95 << 1000;
}

void TestSerialPort::readTimeouts()
{
    QFETCH(PortProfile, profile);
    QFETCH(int, n);
    QFETCH(QList<ScriptStep>, script);
    QFETCH(int, received);
    QFETCH(int, minMs);
    QFETCH(int, maxMs);

    ScriptedLine line;
    SerialRadioPort port(profile);
    QCOMPARE(port.open(line.path()), OpenFailure::None);
    QElapsedTimer clock;
    clock.start();
    line.play(script);

    const QByteArray data = port.read(n);

    const qint64 elapsed = clock.elapsed();
    QCOMPARE(data.size(), received);
    QVERIFY2(elapsed >= minMs && elapsed <= maxMs, qPrintable(QString::number(elapsed)));
    QVERIFY(!port.failed());
}

void TestSerialPort::wholeImageRoundTrip()
{
    const MemoryImage radioMemory = Pattern(20);
    const MemoryImage written = Pattern(21);
    ServedRadio served(radioMemory);
    TransferObserver quiet;

    MemoryImage image = Pattern(22);
    QCOMPARE(ReadWholeImage(served.path(), image, quiet).result, TransferResult::Ok);
    QVERIFY(image == radioMemory);
    QCOMPARE(WriteWholeImage(served.path(), written, quiet).result, TransferResult::Ok);

    QVERIFY(served.stop().memory() == AfterWrite(radioMemory, written));
}

void TestSerialPort::hangUpEndsTransferAtOnce()
{
    ServedRadio served(Pattern(25), Faults({"hang-up@40"}));
    TransferObserver quiet;
    const MemoryImage untouched = Pattern(26);
    MemoryImage image = untouched;
    QElapsedTimer clock;
    clock.start();

    const TransferOutcome outcome = ReadWholeImage(served.path(), image, quiet);

    QCOMPARE(outcome.result, TransferResult::ProgramInterrupt);
    QCOMPARE(outcome.messageId, int(kMsgProgramInterrupt));
    QVERIFY(image == untouched);
    // Ended by the line error, not by a read running out of time.
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
}

void TestSerialPort::silentRadioFailsWithinTimeouts()
{
    ServedRadio served(Pattern(27), Faults({"silent"}));
    RecordingObserver observer;
    MemoryImage image = Pattern(28);
    QElapsedTimer clock;
    clock.start();

    const TransferOutcome outcome = ReadWholeImage(served.path(), image, observer);

    // 15 attempts, each two one-byte reads of 190 ms plus 22 ms of pauses.
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(outcome.result, TransferResult::CommunicationError);
    QCOMPARE(observer.questions, 1);
    QVERIFY2(elapsed >= 15 * 2 * 190, qPrintable(QString::number(elapsed)));
    QVERIFY2(elapsed <= 15 * (2 * 190 + 22) + 3000, qPrintable(QString::number(elapsed)));
    QCOMPARE(served.stop().cloneEntries(), 15);
}

QTEST_GUILESS_MAIN(TestSerialPort)
#include "tst_serialport.moc"
