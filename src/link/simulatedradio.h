// The radio's side of the clone protocol on an 8192-byte memory, driven one
// received byte at a time: clone entry 02 "QUIVEX" → 06; 'M' 02 → 8 identification
// bytes; 06 → 06; 'R' hi lo n → 4-byte header and n memory bytes, the host's 06 →
// 06; 'W' hi lo n + n bytes → stored, 06. Faults make it misbehave on purpose.
#pragma once

#include "image/memoryimage.h"
#include "status/status.h"

#include <QByteArray>
#include <QList>
#include <QString>

struct FaultPlan
{
    int silentEntries = 0; // clone entries ignored before answering; -1: never answers
    bool otherByteBeforeAck = false; // answers the clone entry with 0x15, then 0x06
    bool noIdentificationAck = false; // no 0x06 after the identification exchange
    int shortReplyAt = -1; // block (address / 8) whose read reply is cut short
    int noAckAt = -1; // block whose read or write gets no 0x06
    int hangUpAt = -1; // block whose command makes the line go dead
    int corruptWriteAt = -1; // block whose written data is stored with its first byte inverted
    int corruptLastWriteAt = -1; // block whose written data is stored with its last byte inverted

    // One "KIND[@N]": silent, other-byte, no-ident-ack, short-reply@N, no-ack@N,
    // hang-up@N, corrupt-write@N, corrupt-write-last@N. BadInput for anything else.
    Status add(const QString &text);
};

class SimulatedRadio
{
public:
    // The command log keeps the latest commands only, enough for a whole-image
    // read or write: a radio served for hours must not grow without end.
    static constexpr int kCommandLogSize = 2048;

    explicit SimulatedRadio(const MemoryImage &memory, const FaultPlan &faults = {});

    // Takes one byte from the line; returns what the radio sends in answer.
    QByteArray receive(quint8 byte);
    QByteArray receive(const QByteArray &bytes);

    const MemoryImage &memory() const { return m_memory; }
    // True after a write command changed the memory, until markSaved().
    bool modified() const { return m_modified; }
    void markSaved() { m_modified = false; }
    // True once a hang-up fault fired: the line is dead and nothing more is answered.
    bool hungUp() const { return m_hungUp; }
    // The latest complete 'R' or 'W' commands received (at most kCommandLogSize),
    // with their data, in order.
    const QList<QByteArray> &commands() const { return m_commands; }
    // Every complete command received since the radio was made.
    qint64 commandCount() const { return m_commandCount; }
    int cloneEntries() const { return m_entries; }
    // Every byte received and sent from now on, kept for a test to compare with
    // what the host recorded (off by default: a radio may be served for hours).
    void keepWire() { m_keepWire = true; }
    const QByteArray &wireReceived() const { return m_wireReceived; }
    const QByteArray &wireSent() const { return m_wireSent; }

    static QByteArray identification();

private:
    enum class State { Entry, Identify, IdentifyAck, Command };

    QByteArray onEntryByte(quint8 byte);
    QByteArray onIdentifyByte(quint8 byte);
    QByteArray onCommandByte(quint8 byte);
    QByteArray completeCommand();
    QByteArray restartWithEntry(quint8 byte);

    MemoryImage m_memory;
    FaultPlan m_faults;
    State m_state = State::Entry;
    int m_entryMatched = 0;
    int m_entries = 0;
    QByteArray m_pending; // the command being received
    int m_ackBlock = -1; // the block whose read reply awaits the host's 06
    bool m_modified = false;
    bool m_hungUp = false;
    QList<QByteArray> m_commands;
    qint64 m_commandCount = 0;
    bool m_keepWire = false;
    QByteArray m_wireReceived;
    QByteArray m_wireSent;
};
