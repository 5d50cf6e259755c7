#pragma once
// One receive from the instrument: the port's set-up, straight or through the
// infrared adapter, and the receive steps that feed the protocol with what
// the port has queued.

#include "receive_protocol.h"
#include "serial_port.h"

#include <functional>

// Waits the given number of milliseconds.
using Delay = std::function<void(int milliseconds)>;

class ReceiveSession {
public:
    struct Step {
        bool dataArrived = false;  // the receive LED is on
        ReceiveProtocol::Outcome outcome = ReceiveProtocol::Outcome::Receiving;
    };

    ReceiveSession(SerialPort &port, Delay delay);

    // Clears the image, opens the device and sets the port up; false, with
    // the reason in errorString, when the device cannot be opened.
    bool start(const QString &devicePath, bool externalAdapter);
    // Reads what is queued and feeds it to the protocol; closes the port once
    // the receive has completed or failed.
    Step step();
    // Ends the receive: the port's error state is cleared and it is closed.
    void quit();

    const ReceiveProtocol &protocol() const { return protocol_; }
    QString errorString() const { return error_; }

private:
    void setUpAdapter(PortState state);
    void setUpDirect(PortState state);
    void closePort();

    SerialPort &port_;
    Delay delay_;
    ReceiveProtocol protocol_;
    std::vector<uint8_t> chunk_;
    QString error_;
};

// Waits by reading the clock until the time has passed, as the adapter needs.
void busyDelay(int milliseconds);
