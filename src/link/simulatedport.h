// The simulated radio behind a radio port, in the same process: bytes written go
// straight to the radio and its answers wait to be read. Time is counted, not
// spent: a read that falls short adds the time its timeouts would have taken, a
// pause adds its length, so timeout behaviour is checked without waiting for it.
#pragma once

#include "files/filelock.h"
#include "link/radioport.h"
#include "link/simulatedradio.h"

#include <QString>
#include <memory>

class SimulatedPort : public RadioPort
{
public:
    SimulatedPort(const MemoryImage &memory, PortProfile profile, const FaultPlan &faults = {});
    // Saves the radio's memory to the persist path when a write changed it.
    ~SimulatedPort() override;

    // The file that keeps the radio's memory between transfers ("sim" port), and
    // the lock on it that the port holds until it is closed.
    void setPersistPath(const QString &path, std::unique_ptr<FileLock> lock = nullptr)
    {
        m_persistPath = path;
        m_lock = std::move(lock);
    }

    void purge(PurgeKind kind) override;
    bool write(const QByteArray &bytes) override;
    QByteArray read(int n) override;
    void sleep(int ms) override { m_elapsedMs += ms; }
    bool failed() const override { return m_radio.hungUp(); }

    using RadioPort::write;

    SimulatedRadio &radio() { return m_radio; }
    // Time the exchange would have taken on a line whose bytes take no time.
    qint64 elapsedMs() const { return m_elapsedMs; }
    qint64 countedMs() const override { return m_elapsedMs; }

private:
    SimulatedRadio m_radio;
    PortTimeouts m_timeouts;
    QByteArray m_input; // what the radio sent and the host has not read yet
    qint64 m_elapsedMs = 0;
    QString m_persistPath;
    std::unique_ptr<FileLock> m_lock;
};
