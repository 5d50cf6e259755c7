#include "port_probe.h"

#include "termios_serial_port.h"

PortPresence probePorts(int32_t &portNumber, const std::function<QString(int n)> &devicePath)
{
    PortPresence present{};
    for (int n = 1; n <= kComPortCount; ++n) {
        TermiosSerialPort port;
        const QString path = devicePath(n);
        const bool opens = !path.isEmpty() && port.openForQuery(path);
        present[static_cast<std::size_t>(n - 1)] = opens ? 1 : 0;
        if (opens && (n == 1 || portNumber == 0))
            portNumber = n;
    }
    return present;
}
