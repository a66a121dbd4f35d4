// The squelch calibration block 0x1F80-0x1F9F moved on its own: a short handshake
// (clone entry up to 4 times, 'M' 02 answered by exactly 8 bytes, 06 answered by
// 06), then four 8-byte blocks at 0x1F80, 0x1F88, 0x1F90 and 0x1F98. A read
// changes the image only when all four blocks arrived complete. A stop request is
// honoured between two bytes of the clone entry and between two blocks.
#pragma once

#include "memoryimage.h"
#include "radioport.h"

#include <QString>
#include <functional>

// Asked at the poll points; true stops the transfer (Ctrl+C in the CLI).
using StopRequest = std::function<bool()>;

enum class SquelchResult { Ok, PortOpenFailed, CommunicationError, Cancelled };

struct SquelchOutcome
{
    SquelchResult result = SquelchResult::Ok;
    OpenFailure openFailure = OpenFailure::None;
    QString detail; // the system's reason for an open failure

    bool ok() const { return result == SquelchResult::Ok; }
};

class SquelchTransfer
{
public:
    explicit SquelchTransfer(RadioPort &port, StopRequest stop = {});

    SquelchResult read(MemoryImage &image);
    SquelchResult write(const MemoryImage &image);

private:
    bool handshake();
    bool enterCloneMode();
    bool acknowledged();
    bool stopped();

    RadioPort &m_port;
    StopRequest m_stop;
    bool m_stopped = false;
};

// Opens portName with the squelch profile, transfers, closes the port.
SquelchOutcome ReadSquelchBlock(
    const QString &portName, MemoryImage &image, const StopRequest &stop = {});
SquelchOutcome WriteSquelchBlock(
    const QString &portName, const MemoryImage &image, const StopRequest &stop = {});

// The message that ends a squelch transfer: "Read Successfully", "Write Successfully",
// "Open the serial port fails", "Communication Error" (English after a read) or
// "cancelled".
QString SquelchMessage(SquelchResult result, bool writeDirection);
