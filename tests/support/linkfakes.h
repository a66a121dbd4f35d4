// Fakes of the link tests: a recognisable memory pattern, fault plans, an observer
// that records what the engine reports, and a port that breaks after a number of bytes.
#pragma once

#include "link/cloneengine.h"
#include "link/radioport.h"
#include "link/simulatedradio.h"

#include <QList>
#include <QRegularExpression>
#include <QStringList>

inline MemoryImage Pattern(int seed)
{
    MemoryImage image;
    for (int i = 0; i < kImageSize; ++i)
        image[size_t(i)] = quint8((i * 7 + (i >> 8) * 13 + seed) & 0xFF);
    return image;
}

// base with the bytes of first..last (inclusive) taken from other.
inline MemoryImage WithRange(MemoryImage base, const MemoryImage &other, int first, int last)
{
    std::copy(&other[size_t(first)], &other[size_t(last)] + 1, &base[size_t(first)]);
    return base;
}

// The radio's memory after a whole-image write: the squelch block and the last ten
// bytes stay the radio's own.
inline MemoryImage AfterWrite(const MemoryImage &radio, const MemoryImage &written)
{
    return WithRange(WithRange(written, radio, 0x1F80, 0x1F9F), radio, 0x1FF6, 0x1FFF);
}

// The plan of the fault kinds as "htprog-cli simulate --fault" takes them; empty
// texts are skipped.
inline FaultPlan Faults(const QStringList &kinds)
{
    FaultPlan plan;
    for (const QString &kind : kinds) {
        const Status added = kind.isEmpty() ? Status() : plan.add(kind);
        if (!added.ok())
            qFatal("%s", qPrintable(added.text()));
    }
    return plan;
}

// The bytes of a link log's lines of one direction ('>' or '<'), in order;
// fails the test on a line that is neither such a line nor a comment, and on a
// time that goes backwards.
inline QByteArray LoggedBytes(const QByteArray &log, char direction)
{
    static const QRegularExpression kLine(
        QStringLiteral("^(\\d+\\.\\d{3}) ([<>]) ([0-9A-F]{2}(?: [0-9A-F]{2})*)$"));
    QByteArray bytes;
    double last = 0;
    for (const QByteArray &line : log.split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QRegularExpressionMatch match = kLine.match(QString::fromLatin1(line));
        if (!match.hasMatch()) {
            qWarning("not a link log line: %s", line.constData());
            return "(bad line)";
        }
        const double at = match.captured(1).toDouble();
        if (at < last)
            return "(time went back)";
        last = at;
        if (match.captured(2) == QLatin1Char(direction))
            bytes += QByteArray::fromHex(match.captured(3).toLatin1());
    }
    return bytes;
}

class RecordingObserver : public TransferObserver
{
public:
    int stopAtPoll = -1; // the poll (counted from 1) that asks to stop
    int retriesToGive = 0;
    int polls = 0;
    int questions = 0;
    QList<int> positions;

    void progress(int position) override { positions.append(position); }
    bool shouldStop() override { return ++polls == stopAtPoll; }
    bool retryAfterCommunicationError() override { return ++questions <= retriesToGive; }
};

// Passes everything on until a number of bytes was written; the write that crosses
// the limit goes out partly and the line is dead from then on.
class FailingPort : public RadioPort
{
public:
    FailingPort(RadioPort &inner, int bytesBeforeFailure)
        : m_inner(inner)
        , m_budget(bytesBeforeFailure)
    { }
    void purge(PurgeKind kind) override { alive() ? m_inner.purge(kind) : void(); }
    bool write(const QByteArray &bytes) override
    {
        if (!alive())
            return false;
        const int allowed = qMin<int>(m_budget, int(bytes.size()));
        m_budget -= allowed;
        m_inner.write(bytes.left(allowed));
        m_failed = allowed < bytes.size();
        return !m_failed;
    }
    QByteArray read(int n) override { return alive() ? m_inner.read(n) : QByteArray(); }
    void sleep(int ms) override { alive() ? m_inner.sleep(ms) : void(); }
    bool failed() const override { return m_failed; }
    using RadioPort::write;

    int callsAfterFailure = 0; // port operations still tried after the line died

private:
    bool alive()
    {
        callsAfterFailure += m_failed ? 1 : 0;
        return !m_failed;
    }

    RadioPort &m_inner;
    int m_budget;
    bool m_failed = false;
};
