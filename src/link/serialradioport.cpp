#include "link/serialradioport.h"

#include "link/comport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

SerialRadioPort::SerialRadioPort(PortProfile profile)
    : m_timeouts(TimeoutsFor(profile))
{ }

SerialRadioPort::~SerialRadioPort()
{
    if (m_port.isOpen())
        m_port.close();
}

Status SerialRadioPort::open(const QString &name)
{
    // A file or folder is never opened as a port, and a missing device is named
    // as the path that was looked for.
    const Status nameProblem = CheckPortName(name);
    if (!nameProblem.ok())
        return nameProblem;
    m_port.setPortName(name);
    if (!m_port.open(QIODevice::ReadWrite))
        return Status::fromSystemText(classifyOpenError(), m_port.errorString());
    // Settings the driver refuses are not fatal: the radio answers or it does not.
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    // Start from empty buffers, as a device opened anew does, whatever an earlier
    // user of the line left unread.
    m_port.clear(QSerialPort::AllDirections);
    m_port.clearError();
    m_failed = false;
    return Status();
}

Status::Kind SerialRadioPort::classifyOpenError() const
{
    const QString path = DevicePath(m_port.portName());
#ifdef Q_OS_UNIX
    if (!QFileInfo::exists(path))
        return Status::Kind::NotFound;
    const QByteArray local = path.toLocal8Bit();
    if (::access(local.constData(), R_OK | W_OK) != 0 && errno == EACCES)
        return Status::Kind::NoAccess;
#endif
    switch (m_port.error()) {
    case QSerialPort::DeviceNotFoundError:
        return Status::Kind::NotFound;
    case QSerialPort::PermissionError:
        // Readable and writable for us, so another program holds it.
        return Status::Kind::Busy;
    default:
        return Status::Kind::Failed;
    }
}

bool SerialRadioPort::lineError() const
{
    switch (m_port.error()) {
    case QSerialPort::NoError:
    case QSerialPort::TimeoutError:
        return false;
    default:
        return true;
    }
}

void SerialRadioPort::purge(PurgeKind kind)
{
    // Blocking reads and writes leave nothing pending to abort.
    if (kind == PurgeKind::Clear && !m_failed)
        m_port.clear(QSerialPort::AllDirections);
}

bool SerialRadioPort::write(const QByteArray &bytes)
{
    if (m_failed)
        return false;
    if (m_port.write(bytes) != bytes.size() || lineError()) {
        m_failed = true;
        return false;
    }
    const int budget = m_timeouts.writeTotal(int(bytes.size()));
    QElapsedTimer clock;
    clock.start();
    while (m_port.bytesToWrite() > 0 && clock.elapsed() < budget) {
        if (!m_port.waitForBytesWritten(int(budget - clock.elapsed())) && lineError()) {
            m_failed = true;
            return false;
        }
    }
    if (m_port.bytesToWrite() > 0) {
        // A write that timed out is dropped rather than sent late into the next exchange.
        m_port.clear(QSerialPort::Output);
    }
    m_port.clearError();
    return true;
}

QByteArray SerialRadioPort::read(int n)
{
    QByteArray data;
    if (m_failed || n <= 0)
        return data;
    const qint64 total = m_timeouts.readTotal(n);
    QElapsedTimer clock;
    clock.start();
    qint64 lastByteAt = -1; // the interval limit applies only once a byte arrived
    for (;;) {
        if (m_port.bytesAvailable() > 0) {
            data += m_port.read(n - data.size());
            lastByteAt = clock.elapsed();
            if (data.size() >= n)
                break;
        }
        const qint64 now = clock.elapsed();
        qint64 wait = total - now;
        if (lastByteAt >= 0)
            wait = qMin(wait, lastByteAt + m_timeouts.readInterval - now);
        if (wait <= 0)
            break;
        if (!m_port.waitForReadyRead(int(wait)) && m_port.bytesAvailable() == 0) {
            if (lineError()) {
                m_failed = true;
                break;
            }
            m_port.clearError();
        }
    }
    return data;
}

void SerialRadioPort::sleep(int ms)
{
    QThread::msleep(ulong(ms));
}
