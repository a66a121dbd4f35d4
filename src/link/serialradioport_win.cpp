// The radio port on Windows: a COM device opened with CreateFileW and driven by
// blocking ReadFile/WriteFile calls whose time limits are the profile's
// communications timeouts, so the driver itself ends a read after the interval
// or the total time, exactly as the transfers expect.
#include "link/serialradioport.h"

#include "link/comport.h"

#include <QCoreApplication>
#include <QThread>

namespace {

// "COM3", "com3" and "\\.\COM12" all open the device "\\.\COMn": the device
// namespace form is the only one that reaches COM10 and above.
QString DeviceName(const QString &name)
{
    if (name.startsWith(QLatin1String("\\\\.\\")))
        return name;
    return QStringLiteral("\\\\.\\") + name;
}

Status::Kind Classify(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
        return Status::Kind::NotFound;
    // Windows has no device permissions for a user to be given: a port that
    // refuses access is held open by another program.
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_BUSY:
        return Status::Kind::Busy;
    default:
        return Status::Kind::Failed;
    }
}

} // namespace

SerialRadioPort::SerialRadioPort(PortProfile profile)
    : m_timeouts(TimeoutsFor(profile))
{ }

SerialRadioPort::~SerialRadioPort()
{
    close();
}

void SerialRadioPort::close()
{
    if (m_handle != INVALID_HANDLE_VALUE)
        ::CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
}

Status SerialRadioPort::open(const QString &name)
{
    close();
    const Status nameProblem = CheckPortName(name);
    if (!nameProblem.ok())
        return nameProblem;
    const std::wstring device = DeviceName(name).toStdWString();
    m_handle = ::CreateFileW(device.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_handle == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        return Status::fromSystemText(Classify(error), qt_error_string(int(error)));
    }
    // A handle that is no communications device (a file, a printer port name
    // that happens to exist) is not a radio port.
    DCB probe {};
    probe.DCBlength = sizeof(probe);
    if (::GetFileType(m_handle) != FILE_TYPE_CHAR || !::GetCommState(m_handle, &probe)) {
        close();
        return Status(Status::Kind::Failed, "ComPort",
            QT_TRANSLATE_NOOP(
                "ComPort", "%1 is not a serial port (it is a file or a folder, not a device)"))
            .arg(name);
    }
    // Settings the driver refuses are not fatal: the radio answers or it does not.
    configure();
    ::PurgeComm(m_handle, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
    DWORD errors = 0;
    ::ClearCommError(m_handle, &errors, nullptr);
    m_failed = false;
    return Status();
}

bool SerialRadioPort::configure()
{
    DCB dcb {};
    dcb.DCBlength = sizeof(dcb);
    if (!::GetCommState(m_handle, &dcb))
        return false;
    dcb.BaudRate = CBR_9600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fNull = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fAbortOnError = FALSE;
    // The programming cable draws its power from the control lines.
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    const bool stateSet = ::SetCommState(m_handle, &dcb) != FALSE;
    ::SetupComm(m_handle, 4096, 4096);
    // The profile's limits are the driver's own read and write timeouts.
    COMMTIMEOUTS timeouts {};
    timeouts.ReadIntervalTimeout = DWORD(m_timeouts.readInterval);
    timeouts.ReadTotalTimeoutMultiplier = DWORD(m_timeouts.readMultiplier);
    timeouts.ReadTotalTimeoutConstant = DWORD(m_timeouts.readConstant);
    timeouts.WriteTotalTimeoutMultiplier = DWORD(m_timeouts.writeMultiplier);
    timeouts.WriteTotalTimeoutConstant = DWORD(m_timeouts.writeConstant);
    return ::SetCommTimeouts(m_handle, &timeouts) != FALSE && stateSet;
}

void SerialRadioPort::purge(PurgeKind kind)
{
    if (m_handle == INVALID_HANDLE_VALUE || m_failed)
        return;
    // The kinds are the PurgeComm flags: abort (TX/RX abort) and clear (TX/RX clear).
    ::PurgeComm(m_handle, DWORD(kind));
}

bool SerialRadioPort::write(const QByteArray &bytes)
{
    if (m_failed || m_handle == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    if (!::WriteFile(m_handle, bytes.constData(), DWORD(bytes.size()), &written, nullptr)) {
        m_failed = true;
        return false;
    }
    if (written < DWORD(bytes.size())) {
        // A write that timed out is dropped rather than sent late into the next exchange.
        ::PurgeComm(m_handle, PURGE_TXABORT | PURGE_TXCLEAR);
    }
    return true;
}

QByteArray SerialRadioPort::read(int n)
{
    QByteArray data;
    if (m_failed || n <= 0 || m_handle == INVALID_HANDLE_VALUE)
        return data;
    data.resize(n);
    DWORD received = 0;
    // One call: the driver ends it when n bytes arrived, when the total time for n
    // is spent, or when the interval passes after a byte without the next.
    if (!::ReadFile(m_handle, data.data(), DWORD(n), &received, nullptr))
        m_failed = true;
    data.resize(int(received));
    return data;
}

void SerialRadioPort::sleep(int ms)
{
    QThread::msleep(ulong(ms));
}
