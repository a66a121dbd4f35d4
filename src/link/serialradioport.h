// The radio port on a real serial device: 9600 baud, 8 data bits, no parity, one
// stop bit, no flow control, opened exclusively. Reads wait on the device with the
// remaining time budget, so a transfer runs at the speed of the line.
#pragma once

#include "radioport.h"

#include <QSerialPort>
#include <QString>

class SerialRadioPort : public RadioPort
{
public:
    explicit SerialRadioPort(PortProfile profile);
    ~SerialRadioPort() override;

    // Opens and configures the device ("/dev/ttyUSB0", "ttyUSB0" or "COM3").
    OpenFailure open(const QString &name);
    // Why the name is no serial port, else the system's own words for the last
    // open or line error.
    QString errorString() const
    {
        return m_nameProblem.isEmpty() ? m_port.errorString() : m_nameProblem;
    }

    void purge(PurgeKind kind) override;
    bool write(const QByteArray &bytes) override;
    QByteArray read(int n) override;
    void sleep(int ms) override;
    bool failed() const override { return m_failed; }

    using RadioPort::write;

private:
    OpenFailure classifyOpenError() const;
    bool lineError() const;

    QSerialPort m_port;
    QString m_nameProblem;
    PortTimeouts m_timeouts;
    bool m_failed = false;
};
