// The radio port on a real serial device: 9600 baud, 8 data bits, no parity, one
// stop bit, no flow control, opened exclusively. Reads wait on the device with the
// remaining time budget, so a transfer runs at the speed of the line.
// On Linux the device is a QSerialPort (serialradioport.cpp); on Windows the
// Win32 communications API drives it directly (serialradioport_win.cpp), with the
// profile's read-interval and total timeouts handed to the driver.
#pragma once

#include "link/radioport.h"
#include "status/status.h"

#include <QString>

#ifdef Q_OS_WIN
#include <QtCore/qt_windows.h>
#else
#include <QSerialPort>
#endif

class SerialRadioPort : public RadioPort
{
public:
    explicit SerialRadioPort(PortProfile profile);
    ~SerialRadioPort() override;

    // Opens and configures the device ("/dev/ttyUSB0", "ttyUSB0" or "COM3"). A
    // failure is NotFound, NoAccess (no permission for the device), Busy (another
    // program holds it) or another kind, with why the name is no serial port or
    // the system's own words.
    Status open(const QString &name);

    void purge(PurgeKind kind) override;
    bool write(const QByteArray &bytes) override;
    QByteArray read(int n) override;
    void sleep(int ms) override;
    bool failed() const override { return m_failed; }

    using RadioPort::write;

private:
#ifdef Q_OS_WIN
    void close();
    bool configure();

    HANDLE m_handle = INVALID_HANDLE_VALUE;
#else
    Status::Kind classifyOpenError() const;
    bool lineError() const;

    QSerialPort m_port;
#endif
    PortTimeouts m_timeouts;
    bool m_failed = false;
};
