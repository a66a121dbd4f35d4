// The serial adapter on a pseudo-terminal: read timeouts as the profiles give
// them, and a line hung up under a transfer with the simulated radio at the far
// end (the CLI suite runs whole transfers over a pseudo-terminal).
#include "link/cloneengine.h"
#include "link/serialradioport.h"
#include "support/linkfakes.h"
#include "support/scriptedline.h"
#include "support/servedradio.h"

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
    void hungUpLineEndsAtOnce();
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
    QVERIFY(port.open(line.path()).ok());
    QElapsedTimer clock;
    clock.start();
    line.play(script);

    const QByteArray data = port.read(n);

    const qint64 elapsed = clock.elapsed();
    QCOMPARE(data.size(), received);
    QVERIFY2(elapsed >= minMs && elapsed <= maxMs, qPrintable(QString::number(elapsed)));
    QVERIFY(!port.failed());
}

// A line hung up mid-read ends the transfer at once, by the line's error rather
// than by a read running out of time. (A silent radio's attempts are counted on
// the simulated line's clock in tst_cloneengine.)
void TestSerialPort::hungUpLineEndsAtOnce()
{
    ServedRadio served(Pattern(25), Faults({QStringLiteral("hang-up@40")}));
    TransferObserver quiet;
    const MemoryImage untouched = Pattern(26);
    MemoryImage image = untouched;
    QElapsedTimer clock;
    clock.start();

    const Status outcome = ReadWholeImage(served.path(), image, quiet);

    QCOMPARE(outcome.kind(), Status::Kind::Interrupted);
    QVERIFY(image == untouched);
    QVERIFY2(clock.elapsed() <= 1000, qPrintable(QString::number(clock.elapsed())));
}

QTEST_GUILESS_MAIN(TestSerialPort)
#include "tst_serialport.moc"
