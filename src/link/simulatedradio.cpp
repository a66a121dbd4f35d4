#include "link/simulatedradio.h"
#include "settings/visibletext.h"

namespace {

constexpr quint8 kAck = 0x06;
constexpr quint8 kNak = 0x15;
const QByteArray kCloneEntry = QByteArrayLiteral("\x02QUIVEX");
constexpr int kHeaderSize = 4; // 'R'/'W', address high, address low, length

bool ParseBlock(const QString &text, int *block)
{
    bool ok = false;
    *block = text.toInt(&ok);
    return ok && *block >= 0 && *block < kImageSize / 8;
}

} // namespace

Status FaultPlan::add(const QString &text)
{
    const QString kind = text.section(QLatin1Char('@'), 0, 0);
    const QString at = text.section(QLatin1Char('@'), 1);
    const bool hasAt = text.contains(QLatin1Char('@'));
    int n = -1;
    if (hasAt && !ParseBlock(at, &n))
        return Status(Status::Kind::BadInput, nullptr, "bad number in fault '%1'")
            .arg(ShortInput(text));
    if (kind == QLatin1String("silent")) {
        silentEntries = hasAt ? n : -1;
    } else if (kind == QLatin1String("other-byte") && !hasAt) {
        otherByteBeforeAck = true;
    } else if (kind == QLatin1String("no-ident-ack") && !hasAt) {
        noIdentificationAck = true;
    } else if (hasAt && kind == QLatin1String("short-reply")) {
        shortReplyAt = n;
    } else if (hasAt && kind == QLatin1String("no-ack")) {
        noAckAt = n;
    } else if (hasAt && kind == QLatin1String("hang-up")) {
        hangUpAt = n;
    } else if (hasAt && kind == QLatin1String("corrupt-write")) {
        corruptWriteAt = n;
    } else if (hasAt && kind == QLatin1String("corrupt-write-last")) {
        corruptLastWriteAt = n;
    } else {
        return Status(Status::Kind::BadInput, nullptr,
            "unknown fault '%1' (silent[@N], other-byte, no-ident-ack, short-reply@N, no-ack@N, "
            "hang-up@N, corrupt-write@N, corrupt-write-last@N)")
            .arg(ShortInput(text));
    }
    return Status();
}

SimulatedRadio::SimulatedRadio(const MemoryImage &memory, const FaultPlan &faults)
    : m_memory(memory)
    , m_faults(faults)
{ }

QByteArray SimulatedRadio::identification()
{
    return QByteArrayLiteral("HTSIM\x01\x00\x00");
}

QByteArray SimulatedRadio::receive(const QByteArray &bytes)
{
    QByteArray out;
    for (char c : bytes)
        out += receive(quint8(c));
    return out;
}

QByteArray SimulatedRadio::receive(quint8 byte)
{
    if (m_hungUp)
        return {};
    QByteArray answer;
    switch (m_state) {
    case State::Entry:
        answer = onEntryByte(byte);
        break;
    case State::Identify:
    case State::IdentifyAck:
        answer = onIdentifyByte(byte);
        break;
    case State::Command:
        answer = onCommandByte(byte);
        break;
    }
    if (m_keepWire) {
        m_wireReceived += char(byte);
        m_wireSent += answer;
    }
    return answer;
}

QByteArray SimulatedRadio::onEntryByte(quint8 byte)
{
    if (byte == quint8(kCloneEntry[m_entryMatched]))
        ++m_entryMatched;
    else
        m_entryMatched = byte == quint8(kCloneEntry[0]) ? 1 : 0;
    if (m_entryMatched < kCloneEntry.size())
        return {};
    m_entryMatched = 0;
    ++m_entries;
    if (m_faults.silentEntries < 0 || m_entries <= m_faults.silentEntries)
        return {};
    m_state = State::Identify;
    m_pending.clear();
    if (m_faults.otherByteBeforeAck)
        return QByteArray(1, char(kNak)) + char(kAck);
    return QByteArray(1, char(kAck));
}

QByteArray SimulatedRadio::restartWithEntry(quint8 byte)
{
    m_state = State::Entry;
    m_entryMatched = 0;
    m_pending.clear();
    m_ackBlock = -1;
    return onEntryByte(byte);
}

QByteArray SimulatedRadio::onIdentifyByte(quint8 byte)
{
    if (m_state == State::IdentifyAck) {
        if (byte != kAck)
            return restartWithEntry(byte);
        if (m_faults.noIdentificationAck) {
            m_state = State::Entry;
            return {};
        }
        m_state = State::Command;
        return QByteArray(1, char(kAck));
    }
    m_pending += char(byte);
    if (m_pending == QByteArrayLiteral("M"))
        return {};
    if (m_pending != QByteArrayLiteral("M\x02"))
        return restartWithEntry(byte);
    m_pending.clear();
    m_state = State::IdentifyAck;
    return identification();
}

QByteArray SimulatedRadio::onCommandByte(quint8 byte)
{
    if (m_pending.isEmpty()) {
        if (byte == kAck && m_ackBlock >= 0) {
            const int block = m_ackBlock;
            m_ackBlock = -1;
            return block == m_faults.noAckAt ? QByteArray() : QByteArray(1, char(kAck));
        }
        if (byte != 'R' && byte != 'W')
            return restartWithEntry(byte);
    }
    m_ackBlock = -1;
    m_pending += char(byte);
    if (m_pending.size() < kHeaderSize)
        return {};
    const int length = quint8(m_pending[3]);
    if (m_pending[0] == 'W' && m_pending.size() < kHeaderSize + length)
        return {};
    return completeCommand();
}

QByteArray SimulatedRadio::completeCommand()
{
    const QByteArray command = m_pending;
    m_pending.clear();
    m_commands.append(command);
    if (m_commands.size() > kCommandLogSize)
        m_commands.removeFirst();
    ++m_commandCount;
    const int address = (quint8(command[1]) << 8) | quint8(command[2]);
    const int length = quint8(command[3]);
    const int block = address / 8;
    if (address + length > kImageSize)
        return {};
    if (block == m_faults.hangUpAt) {
        m_hungUp = true;
        return {};
    }
    if (command[0] == 'W') {
        for (int i = 0; i < length; ++i)
            m_memory[size_t(address + i)] = quint8(command[kHeaderSize + i]);
        if (block == m_faults.corruptWriteAt && length > 0)
            m_memory[size_t(address)] ^= 0xFF;
        if (block == m_faults.corruptLastWriteAt && length > 0)
            m_memory[size_t(address + length - 1)] ^= 0xFF;
        m_modified = true;
        return block == m_faults.noAckAt ? QByteArray() : QByteArray(1, char(kAck));
    }
    QByteArray reply = QByteArray("W", 1) + command.mid(1, 3);
    reply += QByteArray(reinterpret_cast<const char *>(m_memory.data()) + address, length);
    if (block == m_faults.shortReplyAt)
        reply.chop(length / 2 + 1);
    m_ackBlock = block;
    return reply;
}
