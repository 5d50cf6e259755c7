#include "receive_session.h"

#include <QElapsedTimer>

#include <algorithm>

namespace {

constexpr int kChunkSize = 132073;
constexpr int kAdapterBaudRate = 9600;
constexpr int kInstrumentBaudRate = 115200;
constexpr int kAdapterQueueSize = 50000;
constexpr uint8_t kAdapterWakeUp = 0x10;

PortState eightNoneOne(PortState state, int baudRate)
{
    state.baudRate = baudRate;
    state.dataBits = 8;
    state.parity = false;
    state.stopBits = 1;
    return state;
}

}  // namespace

void busyDelay(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
    }
}

ReceiveSession::ReceiveSession(SerialPort &port, Delay delay)
    : port_(port), delay_(std::move(delay)), chunk_(kChunkSize, 0)
{
}

bool ReceiveSession::start(const QString &devicePath, bool externalAdapter)
{
    protocol_.start();
    std::fill(chunk_.begin(), chunk_.end(), uint8_t{0});
    if (!port_.open(devicePath)) {
        error_ = port_.errorString();
        return false;
    }
    PortState state;
    port_.getState(state);
    if (externalAdapter)
        setUpAdapter(state);
    else
        setUpDirect(state);
    return true;
}

// The adapter is set up at 9600 baud by a fixed dance of the modem lines and
// one byte, then the port goes to the instrument's speed and what the adapter
// answered is thrown away. The results of these calls are not looked at.
void ReceiveSession::setUpAdapter(PortState state)
{
    state = eightNoneOne(state, kAdapterBaudRate);
    port_.setState(state);
    ReadTimeouts timeouts;
    port_.getReadTimeouts(timeouts);
    port_.setReadTimeouts(ReadTimeouts{});
    port_.setQueueSizes(kAdapterQueueSize, kAdapterQueueSize);
    port_.escape(PortEscape::ClearRts);
    port_.escape(PortEscape::ClearDtr);
    port_.escape(PortEscape::Code13);
    delay_(100);
    port_.escape(PortEscape::SetRts);
    port_.escape(PortEscape::ClearDtr);
    port_.escape(PortEscape::Code12);
    delay_(50);
    port_.escape(PortEscape::SetDtr);
    port_.escape(PortEscape::Code13);
    delay_(100);
    port_.escape(PortEscape::SetDtr);
    port_.escape(PortEscape::ClearRts);
    delay_(1);
    port_.write(&kAdapterWakeUp, 1);
    delay_(100);
    port_.escape(PortEscape::SetRts);
    delay_(50);
    state.baudRate = kInstrumentBaudRate;
    port_.setState(state);
    delay_(50);
    int64_t queued = 0;
    port_.clearError(queued);
    port_.read(chunk_.data(), std::min<int64_t>(queued, kChunkSize));
    delay_(50);
}

void ReceiveSession::setUpDirect(PortState state)
{
    port_.setState(eightNoneOne(state, kInstrumentBaudRate));
    port_.escape(PortEscape::SetDtr);
}

ReceiveSession::Step ReceiveSession::step()
{
    Step result;
    int64_t queued = 0;
    if (!port_.isOpen() || !port_.clearError(queued))
        queued = 0;
    if (queued > 0) {
        const int64_t got = port_.read(chunk_.data(), std::min<int64_t>(queued, kChunkSize));
        protocol_.feed(chunk_.data(), got);
        result.dataArrived = true;
    }
    result.outcome = protocol_.outcome();
    if (result.outcome != ReceiveProtocol::Outcome::Receiving)
        closePort();
    return result;
}

void ReceiveSession::quit()
{
    closePort();
}

void ReceiveSession::closePort()
{
    if (!port_.isOpen())
        return;
    int64_t ignored = 0;
    port_.clearError(ignored);
    port_.close();
}
