// The serial line to the radio as the transfer protocols see it: blocking byte
// reads bounded by a timeout profile (all times in milliseconds), writes, buffer
// purges and pauses. A line that reported a read or write error stays failed.
#pragma once

#include <QByteArray>

// The two timeout sets: whole-image transfers and the squelch calibration block.
enum class PortProfile { Clone, Squelch };

struct PortTimeouts
{
    int readInterval; // a gap longer than this between two received bytes ends a read
    int readMultiplier; // per requested byte
    int readConstant; // added once per read
    int writeMultiplier;
    int writeConstant;

    int readTotal(int n) const { return readMultiplier * n + readConstant; }
    int writeTotal(int n) const { return writeMultiplier * n + writeConstant; }
};

PortTimeouts TimeoutsFor(PortProfile profile);

// Abort ends pending operations only (nothing is pending on a blocking port);
// Clear discards whatever waits in both buffers.
enum class PurgeKind { Abort = 3, Clear = 12 };

class RadioPort
{
public:
    virtual ~RadioPort() = default;

    virtual void purge(PurgeKind kind) = 0;
    // False when the line failed; a write that merely timed out counts as done.
    virtual bool write(const QByteArray &bytes) = 0;
    // Up to n bytes: ends when n arrived, when the profile's total time for n is
    // spent, or when more than the interval passes after a byte without the next.
    virtual QByteArray read(int n) = 0;
    virtual void sleep(int ms) = 0;
    // True once the line reported an error (device gone, cable pulled).
    virtual bool failed() const = 0;
    // Milliseconds a simulated line counted instead of spending (0 for a real
    // line, whose time passes on the clock).
    virtual qint64 countedMs() const { return 0; }

    bool write(char byte) { return write(QByteArray(1, byte)); }
};
