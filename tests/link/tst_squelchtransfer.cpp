// The squelch calibration block transfer against the in-process simulated radio.
#include "link/simulatedport.h"
#include "link/squelchtransfer.h"
#include "support/linkfakes.h"

#include <QTest>

namespace {

const MemoryImage kUntouched = Pattern(0x33);

} // namespace

class TestSquelchTransfer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void blockTransfer_data();
    void blockTransfer();
    void silentRadioGetsFourAttempts();
    void stopRequest_data();
    void stopRequest();
};

void TestSquelchTransfer::blockTransfer_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<Status::Kind>("result");

    const auto error = Status::Kind::NoAnswer;
    QTest::newRow("read") << false << QStringList {} << Status::Kind::Ok;
    QTest::newRow("write") << true << QStringList {} << Status::Kind::Ok;
    // The squelch blocks are blocks 1008-1011 (0x1F80 / 8 onwards).
    QTest::newRow("answers at the fourth attempt")
        << false << QStringList {"silent@3"} << Status::Kind::Ok;
    // The ack behind the first answer's other byte is read by the second attempt.
    QTest::newRow("other byte before the ack")
        << false << QStringList {"other-byte"} << Status::Kind::Ok;
    QTest::newRow("silent for four attempts") << false << QStringList {"silent@4"} << error;
    QTest::newRow("no ack after identification") << true << QStringList {"no-ident-ack"} << error;
    QTest::newRow("short reply at the last block")
        << false << QStringList {"short-reply@1011"} << error;
    QTest::newRow("no ack after a read block") << false << QStringList {"no-ack@1010"} << error;
    QTest::newRow("no ack after a write block") << true << QStringList {"no-ack@1009"} << error;
    QTest::newRow("line hung up") << false << QStringList {"hang-up@1009"} << error;
}

void TestSquelchTransfer::blockTransfer()
{
    QFETCH(bool, write);
    QFETCH(QStringList, faults);
    QFETCH(Status::Kind, result);

    const MemoryImage radioMemory = Pattern(12);
    SimulatedPort port(radioMemory, PortProfile::Squelch, Faults(faults));
    MemoryImage image = kUntouched;
    SquelchTransfer transfer(port);

    QCOMPARE((write ? transfer.write(image) : transfer.read(image)).kind(), result);

    const bool changed = !write && result == Status::Kind::Ok;
    QVERIFY(image == (changed ? WithRange(kUntouched, radioMemory, 0x1F80, 0x1F9F) : kUntouched));
    if (!faults.isEmpty())
        return;
    // Only the four blocks of the calibration block travel.
    if (write)
        QVERIFY(port.radio().memory() == WithRange(radioMemory, image, 0x1F80, 0x1F9F));
    const QList<QByteArray> &commands = port.radio().commands();
    QCOMPARE(commands.size(), 4);
    for (int i = 0; i < 4; ++i) {
        const char low = char(0x80 + 8 * i);
        QCOMPARE(commands[i].left(4), QByteArray(1, write ? 'W' : 'R') + '\x1F' + low + '\x08');
    }
}

void TestSquelchTransfer::silentRadioGetsFourAttempts()
{
    SimulatedPort port(Pattern(13), PortProfile::Squelch, Faults({"silent"}));
    MemoryImage image = kUntouched;

    QCOMPARE(SquelchTransfer(port).read(image).kind(), Status::Kind::NoAnswer);

    QCOMPARE(port.radio().cloneEntries(), 4);
    // Per attempt: 7 entry bytes after 2 ms each, 2 ms, a one-byte read of 50·1 + 100 ms.
    QCOMPARE(port.elapsedMs(), qint64(4 * (7 * 2 + 2 + 50 * 1 + 100)));
}

void TestSquelchTransfer::stopRequest_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("stopAtPoll"); // polls: the 7 entry bytes, then one per block
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("commands");

    QTest::newRow("read, before the first byte") << false << 1 << 0 << 0;
    QTest::newRow("read, in the clone entry") << false << 4 << 0 << 0;
    QTest::newRow("read, before the first block") << false << 8 << 1 << 0;
    QTest::newRow("read, before the last block") << false << 11 << 1 << 3;
    QTest::newRow("write, after two blocks") << true << 10 << 1 << 2;
}

void TestSquelchTransfer::stopRequest()
{
    QFETCH(bool, write);
    QFETCH(int, stopAtPoll);
    QFETCH(int, entries);
    QFETCH(int, commands);

    SimulatedPort port(Pattern(14), PortProfile::Squelch);
    MemoryImage image = kUntouched;
    int polls = 0;
    SquelchTransfer transfer(port, [&] { return ++polls == stopAtPoll; });

    QCOMPARE(
        (write ? transfer.write(image) : transfer.read(image)).kind(), Status::Kind::Cancelled);

    QVERIFY(image == kUntouched);
    QCOMPARE(port.radio().cloneEntries(), entries);
    QCOMPARE(port.radio().commands().size(), commands);
}

QTEST_GUILESS_MAIN(TestSquelchTransfer)
#include "tst_squelchtransfer.moc"
