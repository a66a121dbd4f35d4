#include "link/cloneengine.h"

#include "link/openradioport.h"
#include "settings/messages.h"

#include <cstring>

namespace {

constexpr char kAck = 0x06;
const QByteArray kCloneEntry = QByteArrayLiteral("\x02QUIVEX");
constexpr int kIdentifyRetryLimit = 5; // beyond this many attempts a failed identification is fatal
constexpr int kBlockSize = 8;
constexpr int kReplyHeader = 4; // bytes before the data of a read reply, not examined
constexpr int kHandshakePolls = 6;
constexpr int kBlockPolls = 9;

Status Cancelled()
{
    return Status(Status::Kind::Cancelled);
}

Status Interrupted()
{
    return MessageStatus(Status::Kind::Interrupted, kMsgProgramInterrupt);
}

} // namespace

CloneEngine::CloneEngine(RadioPort &port, TransferObserver &observer)
    : m_port(port)
    , m_observer(observer)
{ }

QByteArray CloneEngine::readCommand(int address)
{
    QByteArray command("R", 1);
    command += char(address >> 8);
    command += char(address & 0xFF);
    command += char(kBlockSize);
    return command;
}

QByteArray CloneEngine::writeCommand(int address, int length)
{
    QByteArray command("W", 1);
    command += char(address >> 8);
    command += char(address & 0xFF);
    command += char(length);
    return command;
}

bool CloneEngine::poll(int times, int pauseMs)
{
    for (int i = 0; i < times; ++i) {
        if (m_observer.shouldStop())
            return false;
        if (pauseMs > 0)
            m_port.sleep(pauseMs);
    }
    return true;
}

bool CloneEngine::enterCloneMode()
{
    m_port.purge(PurgeKind::Abort);
    for (char byte : kCloneEntry) {
        m_port.sleep(2);
        if (!m_port.write(byte))
            return false;
    }
    // A radio may send something else first; the acknowledgement may follow it.
    const QByteArray first = m_port.read(1);
    if (first == QByteArray(1, kAck))
        return true;
    return !m_port.failed() && m_port.read(1) == QByteArray(1, kAck);
}

bool CloneEngine::identify()
{
    m_port.sleep(1);
    m_port.purge(PurgeKind::Clear);
    if (!m_port.write('M'))
        return false;
    m_port.sleep(1);
    if (!m_port.write(char(0x02)))
        return false;
    m_port.sleep(1);
    m_port.read(8); // the identification is not examined
    m_port.purge(PurgeKind::Clear);
    if (!m_port.write(kAck))
        return false;
    m_port.sleep(1);
    return m_port.read(1) == QByteArray(1, kAck);
}

Status CloneEngine::handshake()
{
    int attempt = 1;
    for (;;) {
        if (!poll(kHandshakePolls, 1))
            return Cancelled();
        m_observer.entryAttempt(attempt, kCloneEntryAttempts);
        const bool entered = enterCloneMode();
        if (m_port.failed())
            return Interrupted();
        if (!entered) {
            m_port.sleep(2);
            if (++attempt <= kCloneEntryAttempts)
                continue;
        } else if (identify()) {
            m_observer.connected();
            return Status();
        } else if (m_port.failed() || attempt > kIdentifyRetryLimit) {
            return Interrupted();
        }
        if (!m_observer.retryAfterCommunicationError())
            return MessageStatus(Status::Kind::NoAnswer, kMsgCommunicationError);
        attempt = 1;
    }
}

bool CloneEngine::awaitAck()
{
    return m_port.read(1) == QByteArray(1, kAck);
}

Status CloneEngine::readImage(MemoryImage &image)
{
    const Status shaken = handshake();
    if (!shaken.ok())
        return shaken;
    MemoryImage staging = image;
    int position = 0;
    for (int address = 0; address < kImageSize; address += kBlockSize) {
        m_port.purge(PurgeKind::Clear);
        m_port.write(readCommand(address));
        const QByteArray reply = m_port.read(kReplyHeader + kBlockSize);
        if (m_port.failed() || reply.size() < kReplyHeader + kBlockSize)
            return Interrupted();
        std::memcpy(staging.data() + address, reply.constData() + kReplyHeader, kBlockSize);
        m_port.purge(PurgeKind::Clear);
        m_port.write(kAck);
        if (!awaitAck())
            return Interrupted();
        if (address % 16 == 0)
            m_observer.progress(++position);
        if (!poll(kBlockPolls, 0))
            return Cancelled();
    }
    image = staging;
    return Status();
}

bool CloneEngine::writeBlock(const MemoryImage &image, int address, int length)
{
    m_port.purge(PurgeKind::Clear);
    if (!m_port.write(writeCommand(address, length)))
        return false;
    m_port.sleep(1);
    return m_port.write(QByteArray(reinterpret_cast<const char *>(image.data()) + address, length))
        && awaitAck();
}

Status CloneEngine::writeImage(const MemoryImage &image)
{
    const Status shaken = handshake();
    if (!shaken.ok())
        return shaken;
    const QVector<WriteBlock> &blocks = WholeImageWriteBlocks();
    const WriteBlock &last = blocks.last(); // the band limits, without progress or polls
    int position = 0;
    for (int i = 0; i + 1 < blocks.size(); ++i) {
        const int address = blocks[i].address;
        if (!writeBlock(image, address, blocks[i].length))
            return Interrupted();
        if (address % 16 == 0)
            m_observer.progress(++position);
        if (!poll(kBlockPolls, 0))
            return Cancelled();
    }
    if (!writeBlock(image, last.address, last.length))
        return Interrupted();
    return Status();
}

namespace {

template<typename Run>
Status WithClonePort(const QString &portName, LinkTrace *trace, Run run)
{
    OpenedPort opened = OpenRadioPort(PortProfile::Clone, portName, trace);
    if (!opened.port)
        return MessageStatus(opened.status.kind(), kMsgCouldNotOpenPort)
            .setDetail(opened.status.text());
    return run(*opened.port);
}

} // namespace

Status ReadWholeImage(
    const QString &portName, MemoryImage &image, TransferObserver &observer, LinkTrace *trace)
{
    return WithClonePort(portName, trace,
        [&](RadioPort &port) { return CloneEngine(port, observer).readImage(image); });
}

Status WriteWholeImage(
    const QString &portName, const MemoryImage &image, TransferObserver &observer, LinkTrace *trace)
{
    return WithClonePort(portName, trace,
        [&](RadioPort &port) { return CloneEngine(port, observer).writeImage(image); });
}
