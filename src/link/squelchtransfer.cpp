#include "link/squelchtransfer.h"

#include "link/openradioport.h"
#include "settings/language.h"

#include <cstring>

namespace {

constexpr char kAck = 0x06;
const QByteArray kCloneEntry = QByteArrayLiteral("\x02QUIVEX");
constexpr int kEntryAttempts = 4;
constexpr int kBlockSize = 8;
constexpr int kReplyHeader = 4;
constexpr int kBlocks = ImageMap::kSquelchBlockSize / kBlockSize;

QByteArray Command(char code, int address)
{
    QByteArray command(1, code);
    command += char(address >> 8);
    command += char(address & 0xFF);
    command += char(kBlockSize);
    return command;
}

Status Cancelled()
{
    return Status(Status::Kind::Cancelled);
}

Status NoAnswer()
{
    return Status(Status::Kind::NoAnswer);
}

} // namespace

SquelchTransfer::SquelchTransfer(RadioPort &port, StopRequest stop)
    : m_port(port)
    , m_stop(std::move(stop))
{ }

bool SquelchTransfer::stopped()
{
    m_stopped = m_stopped || (m_stop && m_stop());
    return m_stopped;
}

bool SquelchTransfer::acknowledged()
{
    return m_port.read(1) == QByteArray(1, kAck);
}

bool SquelchTransfer::enterCloneMode()
{
    for (int attempt = 0; attempt < kEntryAttempts && !m_port.failed(); ++attempt) {
        for (char byte : kCloneEntry) {
            if (stopped())
                return false;
            m_port.sleep(2);
            if (!m_port.write(byte))
                return false;
        }
        m_port.sleep(2);
        if (acknowledged())
            return true;
    }
    return false;
}

bool SquelchTransfer::handshake()
{
    m_port.purge(PurgeKind::Clear);
    if (!enterCloneMode())
        return false;
    m_port.purge(PurgeKind::Clear);
    m_port.write(QByteArrayLiteral("M\x02"));
    if (m_port.read(8).size() != 8)
        return false;
    m_port.purge(PurgeKind::Clear);
    m_port.write(kAck);
    return acknowledged();
}

Status SquelchTransfer::read(MemoryImage &image)
{
    if (!handshake())
        return m_stopped ? Cancelled() : NoAnswer();
    QByteArray block;
    for (int i = 0; i < kBlocks; ++i) {
        if (stopped())
            return Cancelled();
        m_port.purge(PurgeKind::Clear);
        m_port.write(Command('R', ImageMap::kSquelchBlock + i * kBlockSize));
        const QByteArray header = m_port.read(kReplyHeader);
        const QByteArray data = m_port.read(kBlockSize);
        // Bytes that did not arrive are never taken as data.
        if (header.size() != kReplyHeader || data.size() != kBlockSize)
            return NoAnswer();
        block += data;
        m_port.purge(PurgeKind::Clear);
        m_port.write(kAck);
        if (!acknowledged())
            return NoAnswer();
    }
    std::memcpy(image.data() + ImageMap::kSquelchBlock, block.constData(), size_t(block.size()));
    return Status();
}

Status SquelchTransfer::write(const MemoryImage &image)
{
    if (!handshake())
        return m_stopped ? Cancelled() : NoAnswer();
    for (int i = 0; i < kBlocks; ++i) {
        if (stopped())
            return Cancelled();
        const int address = ImageMap::kSquelchBlock + i * kBlockSize;
        m_port.purge(PurgeKind::Clear);
        m_port.write(Command('W', address));
        m_port.write(
            QByteArray(reinterpret_cast<const char *>(image.data()) + address, kBlockSize));
        if (!acknowledged())
            return NoAnswer();
    }
    return Status();
}

namespace {

template<typename Run>
Status WithSquelchPort(const QString &portName, LinkTrace *trace, Run run)
{
    OpenedPort opened = OpenRadioPort(PortProfile::Squelch, portName, trace);
    if (!opened.port)
        return Status(opened.status.kind()).setDetail(opened.status.text());
    return run(*opened.port);
}

} // namespace

Status ReadSquelchBlock(
    const QString &portName, MemoryImage &image, const StopRequest &stop, LinkTrace *trace)
{
    return WithSquelchPort(
        portName, trace, [&](RadioPort &port) { return SquelchTransfer(port, stop).read(image); });
}

Status WriteSquelchBlock(
    const QString &portName, const MemoryImage &image, const StopRequest &stop, LinkTrace *trace)
{
    return WithSquelchPort(
        portName, trace, [&](RadioPort &port) { return SquelchTransfer(port, stop).write(image); });
}

QString SquelchMessage(const Status &status, bool writeDirection)
{
    if (status.ok())
        return writeDirection ? LangText("Write Successfully", "写数据成功")
                              : LangText("Read Successfully", "读数据成功");
    if (status.kind() == Status::Kind::Cancelled)
        return QStringLiteral("cancelled");
    if (IsPortOpenFailure(status))
        return QStringLiteral("Open the serial port fails");
    return writeDirection ? LangText("Communication Error", "通讯出错")
                          : QStringLiteral("Communication Error");
}
