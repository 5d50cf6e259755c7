#pragma once
// The serial ports COM1..COM4 and the devices that stand for them.

#include <QString>

constexpr int kComPortCount = 4;

// "COM" followed by the first character of the port number's decimal form.
QString comPortName(int portNumber);

// The n of a name "COM1".."COM4", or 0 for any other name.
int comPortIndex(const QString &name);

// The device of COM<n>: the environment variable VELMORA_COM<n> if set, else
// storedDevice if not empty, else /dev/ttyS0, /dev/ttyS1, /dev/ttyUSB0 or
// /dev/ttyACM0 for COM1..COM4.
QString comDevicePath(int n, const QString &storedDevice);

// Opens the device for reading and writing, exclusively, and closes it again;
// false when it cannot be opened (absent, in use or not permitted).
bool serialDeviceOpens(const QString &devicePath);
