#include "com_ports.h"

#include "termios_serial_port.h"

#include <array>

namespace {

const std::array<QString, kComPortCount> kDefaultDevices = {
    QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyS1"), QStringLiteral("/dev/ttyUSB0"),
    QStringLiteral("/dev/ttyACM0")};

}  // namespace

QString comPortName(int portNumber)
{
    return QStringLiteral("COM") + QString::number(portNumber).left(1);
}

int comPortIndex(const QString &name)
{
    for (int n = 1; n <= kComPortCount; ++n) {
        if (name == QStringLiteral("COM%1").arg(n))
            return n;
    }
    return 0;
}

QString comDevicePath(int n, const QString &storedDevice)
{
    if (n < 1 || n > kComPortCount)
        return {};
    const QString fromEnvironment = qEnvironmentVariable(qPrintable(QStringLiteral("VELMORA_COM%1").arg(n)));
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    if (!storedDevice.isEmpty())
        return storedDevice;
    return kDefaultDevices[static_cast<std::size_t>(n - 1)];
}

bool serialDeviceOpens(const QString &devicePath)
{
    TermiosSerialPort port;
    return !devicePath.isEmpty() && port.open(devicePath);
}
