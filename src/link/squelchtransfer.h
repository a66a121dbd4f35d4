// The squelch calibration block 0x1F80-0x1F9F moved on its own: a short handshake
// (clone entry up to 4 times, 'M' 02 answered by exactly 8 bytes, 06 answered by
// 06), then four 8-byte blocks at 0x1F80, 0x1F88, 0x1F90 and 0x1F98. A read
// changes the image only when all four blocks arrived complete.
#pragma once

#include "memoryimage.h"
#include "radioport.h"

#include <QString>

enum class SquelchResult { Ok, PortOpenFailed, CommunicationError };

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
    explicit SquelchTransfer(RadioPort &port);

    SquelchResult read(MemoryImage &image);
    SquelchResult write(const MemoryImage &image);

private:
    bool handshake();
    bool enterCloneMode();
    bool acknowledged();

    RadioPort &m_port;
};

// Opens portName with the squelch profile, transfers, closes the port.
SquelchOutcome ReadSquelchBlock(const QString &portName, MemoryImage &image);
SquelchOutcome WriteSquelchBlock(const QString &portName, const MemoryImage &image);

// The message that ends a squelch transfer: "Read Successfully", "Write Successfully",
// "Open the serial port fails" or "Communication Error" (English after a read).
QString SquelchMessage(SquelchResult result, bool writeDirection);
