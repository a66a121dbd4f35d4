#include "link/windowsports.h"

#include <QMap>
#include <QRegularExpression>
#include <QtCore/qt_windows.h>

#include <algorithm>
#include <devguid.h>
#include <setupapi.h>

namespace {

// The value data of one registry value as text (REG_SZ), or empty.
QString RegistryText(HKEY key, const wchar_t *valueName, DWORD index = 0, QString *name = nullptr)
{
    wchar_t valueBuffer[256];
    wchar_t data[256];
    DWORD valueLength = DWORD(std::size(valueBuffer));
    DWORD dataBytes = sizeof(data) - sizeof(wchar_t);
    DWORD type = 0;
    LONG status;
    if (valueName) {
        status = ::RegQueryValueExW(
            key, valueName, nullptr, &type, reinterpret_cast<BYTE *>(data), &dataBytes);
    } else {
        status = ::RegEnumValueW(key, index, valueBuffer, &valueLength, nullptr, &type,
            reinterpret_cast<BYTE *>(data), &dataBytes);
        if (name && status == ERROR_SUCCESS)
            *name = QString::fromWCharArray(valueBuffer, int(valueLength));
    }
    if (status != ERROR_SUCCESS || type != REG_SZ)
        return QString();
    data[dataBytes / sizeof(wchar_t)] = 0;
    return QString::fromWCharArray(data);
}

// The port names the serial drivers registered.
QStringList RegisteredPorts()
{
    QStringList names;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key)
        != ERROR_SUCCESS)
        return names;
    for (DWORD i = 0; i < 1024; ++i) {
        QString valueName;
        const QString port = RegistryText(key, nullptr, i, &valueName);
        if (port.isEmpty() && valueName.isEmpty())
            break;
        if (!port.isEmpty() && !names.contains(port, Qt::CaseInsensitive))
            names.append(port);
    }
    ::RegCloseKey(key);
    return names;
}

// Friendly names of the present devices of the Ports class, by port name.
QMap<QString, QString> FriendlyNames()
{
    QMap<QString, QString> names;
    const HDEVINFO set
        = ::SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE)
        return names;
    SP_DEVINFO_DATA device {};
    device.cbSize = sizeof(device);
    for (DWORD i = 0; ::SetupDiEnumDeviceInfo(set, i, &device); ++i) {
        const HKEY key
            = ::SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
        if (key == INVALID_HANDLE_VALUE)
            continue;
        const QString port = RegistryText(key, L"PortName");
        ::RegCloseKey(key);
        if (port.isEmpty())
            continue;
        wchar_t friendly[256] = {};
        if (::SetupDiGetDeviceRegistryPropertyW(set, &device, SPDRP_FRIENDLYNAME, nullptr,
                reinterpret_cast<BYTE *>(friendly), sizeof(friendly) - sizeof(wchar_t), nullptr))
            names.insert(port.toUpper(), QString::fromWCharArray(friendly));
    }
    ::SetupDiDestroyDeviceInfoList(set);
    return names;
}

int PortNumber(const QString &name)
{
    static const QRegularExpression com(
        QStringLiteral("^COM(\\d+)$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = com.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : 1 << 20;
}

} // namespace

QList<WindowsPort> WindowsSerialPorts()
{
    QStringList names = RegisteredPorts();
    // COM2 before COM10.
    std::stable_sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int na = PortNumber(a), nb = PortNumber(b);
        return na != nb ? na < nb : a < b;
    });
    const QMap<QString, QString> friendly = FriendlyNames();
    QList<WindowsPort> ports;
    for (const QString &name : names)
        ports.append({name, friendly.value(name.toUpper())});
    return ports;
}
