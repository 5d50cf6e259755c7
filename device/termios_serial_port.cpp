#include "termios_serial_port.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

struct BaudRate {
    int rate;
    speed_t code;
};

constexpr BaudRate kBaudRates[] = {{1200, B1200},     {2400, B2400},     {4800, B4800},   {9600, B9600},
                                   {19200, B19200},   {38400, B38400},   {57600, B57600}, {115200, B115200},
                                   {230400, B230400}, {460800, B460800}, {921600, B921600}};

speed_t speedCode(int rate)
{
    for (const BaudRate &baud : kBaudRates)
        if (baud.rate == rate)
            return baud.code;
    return B0;
}

int speedRate(speed_t code)
{
    for (const BaudRate &baud : kBaudRates)
        if (baud.code == code)
            return baud.rate;
    return 0;
}

}  // namespace

TermiosSerialPort::~TermiosSerialPort()
{
    close();
}

bool TermiosSerialPort::fail()
{
    error_ = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

bool TermiosSerialPort::openDevice(const QString &devicePath, int flags, bool terminal)
{
    close();
    descriptor_ = ::open(devicePath.toLocal8Bit().constData(), flags | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor_ < 0)
        return fail();
    if (::flock(descriptor_, LOCK_EX | LOCK_NB) != 0) {
        error_ = QStringLiteral("the port is in use");
        ::close(descriptor_);
        descriptor_ = -1;
        return false;
    }
    if (terminal && ::ioctl(descriptor_, TIOCEXCL) != 0) {
        fail();
        close();
        return false;
    }
    return true;
}

bool TermiosSerialPort::open(const QString &devicePath)
{
    if (!openDevice(devicePath, O_RDWR, true))
        return false;
    termios settings{};
    if (::tcgetattr(descriptor_, &settings) != 0) {
        fail();
        close();
        return false;
    }
    // raw bytes: no line editing, no translation, no echo
    cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    if (::tcsetattr(descriptor_, TCSANOW, &settings) != 0) {
        fail();
        close();
        return false;
    }
    return true;
}

bool TermiosSerialPort::openForQuery(const QString &devicePath)
{
    return openDevice(devicePath, O_RDONLY, false);
}

bool TermiosSerialPort::getState(PortState &state)
{
    termios settings{};
    if (::tcgetattr(descriptor_, &settings) != 0)
        return fail();
    state.baudRate = speedRate(cfgetospeed(&settings));
    const tcflag_t size = settings.c_cflag & CSIZE;
    state.dataBits = size == CS5 ? 5 : size == CS6 ? 6 : size == CS7 ? 7 : 8;
    state.parity = (settings.c_cflag & PARENB) != 0;
    state.stopBits = (settings.c_cflag & CSTOPB) != 0 ? 2 : 1;
    return true;
}

bool TermiosSerialPort::setState(const PortState &state)
{
    termios settings{};
    if (::tcgetattr(descriptor_, &settings) != 0)
        return fail();
    const speed_t speed = speedCode(state.baudRate);
    if (speed == B0) {
        error_ = QStringLiteral("unsupported speed %1").arg(state.baudRate);
        return false;
    }
    cfsetispeed(&settings, speed);
    cfsetospeed(&settings, speed);
    settings.c_cflag &= ~(CSIZE | PARENB | CSTOPB);
    settings.c_cflag |= state.dataBits == 7 ? CS7 : CS8;
    if (state.parity)
        settings.c_cflag |= PARENB;
    if (state.stopBits == 2)
        settings.c_cflag |= CSTOPB;
    return ::tcsetattr(descriptor_, TCSANOW, &settings) == 0 || fail();
}

// Reads return at once with what is queued: the time-outs are kept for the
// caller to read back and change nothing here.
bool TermiosSerialPort::getReadTimeouts(ReadTimeouts &timeouts)
{
    timeouts = timeouts_;
    return isOpen();
}

bool TermiosSerialPort::setReadTimeouts(const ReadTimeouts &timeouts)
{
    timeouts_ = timeouts;
    return isOpen();
}

// The kernel keeps its own queues; there is nothing to size.
bool TermiosSerialPort::setQueueSizes(int, int)
{
    return isOpen();
}

bool TermiosSerialPort::escape(PortEscape function)
{
    int line = 0;
    unsigned long request = 0;
    switch (function) {
    case PortEscape::SetRts:
        line = TIOCM_RTS;
        request = TIOCMBIS;
        break;
    case PortEscape::ClearRts:
        line = TIOCM_RTS;
        request = TIOCMBIC;
        break;
    case PortEscape::SetDtr:
        line = TIOCM_DTR;
        request = TIOCMBIS;
        break;
    case PortEscape::ClearDtr:
        line = TIOCM_DTR;
        request = TIOCMBIC;
        break;
    case PortEscape::Code12:
    case PortEscape::Code13:
        return true;
    }
    return ::ioctl(descriptor_, request, &line) == 0 || fail();
}

int64_t TermiosSerialPort::write(const uint8_t *bytes, int64_t count)
{
    const ssize_t written = ::write(descriptor_, bytes, static_cast<size_t>(count));
    if (written < 0)
        fail();
    return written;
}

int64_t TermiosSerialPort::read(uint8_t *bytes, int64_t count)
{
    const ssize_t got = ::read(descriptor_, bytes, static_cast<size_t>(count));
    if (got < 0 && errno != EAGAIN)
        fail();
    return got < 0 ? 0 : got;
}

bool TermiosSerialPort::clearError(int64_t &queuedInput)
{
    int queued = 0;
    if (::ioctl(descriptor_, FIONREAD, &queued) != 0) {
        queuedInput = 0;
        return fail();
    }
    queuedInput = queued;
    return true;
}

void TermiosSerialPort::close()
{
    if (descriptor_ >= 0) {
        ::flock(descriptor_, LOCK_UN);
        ::close(descriptor_);
    }
    descriptor_ = -1;
}
