// The link log: runs of one direction per line, split where the line went
// quiet, comments for what is no byte, and the clock of a simulated line.
#include "link/linktrace.h"
#include "link/simulatedport.h"
#include "link/squelchtransfer.h"
#include "link/tracingport.h"
#include "support/linkfakes.h"

#include <QTest>

namespace {

// A line whose answers are scripted: each read takes the next reply, cut to
// what was asked.
class ScriptedPort : public RadioPort
{
public:
    explicit ScriptedPort(QList<QByteArray> replies)
        : m_replies(std::move(replies))
    { }
    void purge(PurgeKind) override { }
    bool write(const QByteArray &) override
    {
        m_failed = m_failed || failOnWrite;
        return !m_failed;
    }
    QByteArray read(int n) override
    {
        return m_replies.isEmpty() ? QByteArray() : m_replies.takeFirst().left(n);
    }
    void sleep(int) override { }
    bool failed() const override { return m_failed; }
    using RadioPort::write;

    bool failOnWrite = false;

private:
    bool m_failed = false;
    QList<QByteArray> m_replies;
};

// The lines of the log without the time and the header.
QStringList Lines(const LinkTrace &trace)
{
    QStringList lines;
    const QList<QByteArray> text = trace.text().split('\n');
    for (const QByteArray &line : text.mid(1)) {
        if (line.isEmpty())
            continue;
        lines.append(QString::fromLatin1(line.startsWith('#') ? line.mid(2) : line)
                         .section(QLatin1Char(' '), 1));
    }
    return lines;
}

} // namespace

class TestLinkTrace : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatTime_data();
    void formatTime();
    void runs();
    void simulatedLineCountsItsTime();
};

void TestLinkTrace::formatTime_data()
{
    QTest::addColumn<qint64>("ns");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("zero") << qint64(0) << QByteArray("0.000");
    QTest::newRow("rounded to the microsecond") << qint64(12'031'499) << QByteArray("12.031");
    QTest::newRow("rounded up into the next millisecond")
        << qint64(999'999'500) << QByteArray("1000.000");
    QTest::newRow("leading zeros of the fraction") << qint64(5'007'000) << QByteArray("5.007");
}

void TestLinkTrace::formatTime()
{
    QFETCH(qint64, ns);
    QFETCH(QByteArray, text);
    QCOMPARE(LinkTrace::FormatTime(ns), text);
}

void TestLinkTrace::runs()
{
    LinkTrace trace(QStringLiteral("test"));
    QVERIFY(trace.isEmpty());
    trace.portOpened(QStringLiteral("/dev/ttyX"));
    QVERIFY(trace.text().startsWith("# test "));
    QVERIFY(trace.text().contains("link log of /dev/ttyX, opened 2"));
    auto *scripted
        = new ScriptedPort({"\x06", "", QByteArray("W\x1F\x80\x08", 4), "abcdefgh", "\x06"});
    TracingPort port(std::unique_ptr<RadioPort>(scripted), trace);

    port.write('\x02'); // bytes written one by one in a row make one line
    port.write(QByteArrayLiteral("QU"));
    port.read(1);
    port.read(1); // the line stays quiet: what is sent next starts a new line
    port.write('M');
    port.read(4); // reads in a row that get all they asked for make one line
    port.read(8);
    port.write('\x06');
    port.read(2); // one of two: the line went quiet
    port.read(1);
    scripted->failOnWrite = true;
    port.write('R');
    trace.portOpened(QStringLiteral("/dev/ttyX"));

    QCOMPARE(Lines(trace),
        QStringList({"> 02 51 55", "< 06", "> 4D", "< 57 1F 80 08 61 62 63 64 65 66 67 68", "> 06",
            "< 06", "> 52", "the line reported an error", "/dev/ttyX opened again"}));
}

// The simulated line spends no time but counts it; the log shows the counted
// time, so the clone entry's pauses and a silent radio's timeouts are there.
void TestLinkTrace::simulatedLineCountsItsTime()
{
    LinkTrace trace(QStringLiteral("test"));
    trace.portOpened(QStringLiteral("sim"));
    FaultPlan silent;
    silent.silentEntries = -1;
    TracingPort port(
        std::make_unique<SimulatedPort>(Pattern(1), PortProfile::Squelch, silent), trace);
    MemoryImage image = Pattern(2);
    QCOMPARE(SquelchTransfer(port).read(image).kind(), Status::Kind::NoAnswer);

    const QList<QByteArray> lines = trace.text().trimmed().split('\n');
    QCOMPARE(lines.size(), 1 + 4); // the header and four clone entries, never answered
    // Each attempt: seven pauses of 2 ms, one of 2 ms, a read of one byte that
    // waits 50 + 100 ms.
    constexpr double kAttemptMs = 7 * 2 + 2 + 150;
    for (int i = 1; i < lines.size(); ++i) {
        QVERIFY2(lines[i].endsWith("> 02 51 55 49 56 45 58"), lines[i].constData());
        const double at = lines[i].left(lines[i].indexOf(' ')).toDouble();
        const double expected = (i - 1) * kAttemptMs + 2;
        QVERIFY2(at >= expected && at < expected + 50, lines[i].constData());
    }
}

QTEST_GUILESS_MAIN(TestLinkTrace)
#include "tst_linktrace.moc"
