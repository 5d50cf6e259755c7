#pragma once
// The serial port on a POSIX terminal device. An open is exclusive: the
// device is locked (flock) and marked for exclusive use (TIOCEXCL), so a
// second opener is refused.

#include "serial_port.h"

class TermiosSerialPort : public SerialPort {
public:
    TermiosSerialPort() = default;
    ~TermiosSerialPort() override;
    TermiosSerialPort(const TermiosSerialPort &) = delete;
    TermiosSerialPort &operator=(const TermiosSerialPort &) = delete;

    bool open(const QString &devicePath) override;
    bool openForQuery(const QString &devicePath) override;
    bool isOpen() const override { return descriptor_ >= 0; }
    bool getState(PortState &state) override;
    bool setState(const PortState &state) override;
    bool getReadTimeouts(ReadTimeouts &timeouts) override;
    bool setReadTimeouts(const ReadTimeouts &timeouts) override;
    bool setQueueSizes(int input, int output) override;
    bool escape(PortEscape function) override;
    int64_t write(const uint8_t *bytes, int64_t count) override;
    int64_t read(uint8_t *bytes, int64_t count) override;
    bool clearError(int64_t &queuedInput) override;
    void close() override;
    QString errorString() const override { return error_; }

private:
    bool openDevice(const QString &devicePath, int flags, bool terminal);
    bool fail();

    int descriptor_ = -1;
    ReadTimeouts timeouts_;
    QString error_;
};
