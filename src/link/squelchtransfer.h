// The squelch calibration block 0x1F80-0x1F9F moved on its own: a short handshake
// (clone entry up to 4 times, 'M' 02 answered by exactly 8 bytes, 06 answered by
// 06), then four 8-byte blocks at 0x1F80, 0x1F88, 0x1F90 and 0x1F98. A read
// changes the image only when all four blocks arrived complete. A stop request is
// honoured between two bytes of the clone entry and between two blocks.
#pragma once

#include "image/memoryimage.h"
#include "link/radioport.h"
#include "status/status.h"

#include <QString>
#include <functional>

class LinkTrace;

// Asked at the poll points; true stops the transfer (Ctrl+C in the CLI).
using StopRequest = std::function<bool()>;

// A squelch transfer ends with success, Cancelled, NoAnswer (the radio did not
// answer as the protocol expects) or, when the port did not open, the kind of
// that failure (IsPortOpenFailure) with the port's reason as detail.

class SquelchTransfer
{
public:
    explicit SquelchTransfer(RadioPort &port, StopRequest stop = {});

    Status read(MemoryImage &image);
    Status write(const MemoryImage &image);

private:
    bool handshake();
    bool enterCloneMode();
    bool acknowledged();
    bool stopped();

    RadioPort &m_port;
    StopRequest m_stop;
    bool m_stopped = false;
};

// Opens portName with the squelch profile, transfers, closes the port; with a
// trace, every byte of the session is recorded there.
Status ReadSquelchBlock(const QString &portName, MemoryImage &image, const StopRequest &stop = {},
    LinkTrace *trace = nullptr);
Status WriteSquelchBlock(const QString &portName, const MemoryImage &image,
    const StopRequest &stop = {}, LinkTrace *trace = nullptr);

// The message that ends a squelch transfer: "Read Successfully", "Write Successfully",
// "Open the serial port fails", "Communication Error" (English after a read) or
// "cancelled".
QString SquelchMessage(const Status &status, bool writeDirection);
