// Serves a simulated radio on a pseudo-terminal, so that real serial code can open
// the slave side (/dev/pts/N) as if a radio were plugged in. Paced, every byte
// takes the time it needs at 9600 baud (10 bits, 1.0417 ms) in each direction.
// POSIX only.
#pragma once

#include "link/simulatedradio.h"
#include "status/status.h"

#include <QString>
#include <chrono>
#include <deque>
#include <functional>

class PtyServer
{
public:
    static constexpr qint64 kByteTimeNs = 1'000'000'000LL * 10 / 9600; // 1.0417 ms

    explicit PtyServer(SimulatedRadio &radio);
    ~PtyServer();
    PtyServer(const PtyServer &) = delete;
    PtyServer &operator=(const PtyServer &) = delete;

    // Creates the pseudo-terminal in raw mode.
    Status open();
    // The device path that a serial port opens.
    QString devicePath() const { return m_devicePath; }

    void setPaced(bool paced) { m_paced = paced; }
    // Called on the serving thread when the line has been quiet for a moment after
    // the radio's memory changed (the place to save it).
    void setIdleHandler(std::function<void()> handler) { m_idleHandler = std::move(handler); }

    // Serves until stop() or until the radio hangs up, which closes the line.
    void run();
    // Ends run() from any thread or from a signal handler.
    void stop();
    bool hungUp() const { return m_hungUp; }

private:
    using Clock = std::chrono::steady_clock;
    struct Outgoing
    {
        Clock::time_point due; // when the byte has fully arrived at the other end
        char byte;
    };

    void closeLine();
    bool sendDue();
    bool receive(Clock::time_point now);
    const struct timespec *nextWake(struct timespec *wait) const;

    SimulatedRadio &m_radio;
    int m_master = -1;
    int m_slave = -1; // held open so the line stays up between clients
    int m_stopPipe[2] = {-1, -1};
    QString m_devicePath;
    bool m_paced = false;
    bool m_hungUp = false;
    std::function<void()> m_idleHandler;

    // The simulated wire: when each direction is free again, and what waits to go out.
    std::deque<Outgoing> m_out;
    Clock::time_point m_inFree;
    Clock::time_point m_outFree;
    Clock::time_point m_lastInput;
    bool m_idlePending = false;
};
