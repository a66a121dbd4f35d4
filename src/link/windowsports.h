// The COM ports of a Windows machine: the names the serial drivers registered
// (HKLM\HARDWARE\DEVICEMAP\SERIALCOMM) with the friendly names that Device
// Manager shows for them (SetupAPI, the Ports class), in port-number order.
#pragma once

#include <QList>
#include <QString>

struct WindowsPort
{
    QString name; // "COM3"
    QString description; // "USB-SERIAL CH340 (COM3)", or empty
};

QList<WindowsPort> WindowsSerialPorts();
