#pragma once
// The serial port as the receive uses it: the calls of the platform's
// communications set, one to one, behind an interface that tests can fake.

#include <QString>

#include <cstdint>

struct PortState {
    int baudRate = 0;
    int dataBits = 8;
    bool parity = false;  // no parity when false
    int stopBits = 1;
};

struct ReadTimeouts {
    uint32_t interval = 0;
    uint32_t totalMultiplier = 0;
    uint32_t totalConstant = 0;
};

// The escape functions; 12 and 13 are passed on by the adapter set-up and
// mean nothing on this platform.
enum class PortEscape { SetRts = 3, ClearRts = 4, SetDtr = 5, ClearDtr = 6, Code12 = 12, Code13 = 13 };

class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens an existing device for reading and writing, refused while another holds it.
    virtual bool open(const QString &devicePath) = 0;
    // Opens an existing device for neither reading nor writing: is it present and free?
    virtual bool openForQuery(const QString &devicePath) = 0;
    virtual bool isOpen() const = 0;
    virtual bool getState(PortState &state) = 0;
    virtual bool setState(const PortState &state) = 0;
    virtual bool getReadTimeouts(ReadTimeouts &timeouts) = 0;
    virtual bool setReadTimeouts(const ReadTimeouts &timeouts) = 0;
    virtual bool setQueueSizes(int input, int output) = 0;
    virtual bool escape(PortEscape function) = 0;
    virtual int64_t write(const uint8_t *bytes, int64_t count) = 0;
    virtual int64_t read(uint8_t *bytes, int64_t count) = 0;
    // Clears the error state and tells how many bytes are queued for reading.
    virtual bool clearError(int64_t &queuedInput) = 0;
    virtual void close() = 0;
    // Why the last call failed.
    virtual QString errorString() const = 0;
};
