#pragma once
// A serial port for tests: replays bytes queued by the test and records every
// call, in order, with the delays between them when given the log.

#include "serial_port.h"

#include <QStringList>

#include <deque>
#include <memory>

class FakeSerialPort : public SerialPort {
public:
    explicit FakeSerialPort(std::shared_ptr<QStringList> log = std::make_shared<QStringList>()) : log_(std::move(log)) {}

    // Bytes the instrument sends: they are queued for the next reads.
    void arrive(const std::vector<uint8_t> &bytes) { queue_.insert(queue_.end(), bytes.begin(), bytes.end()); }

    bool open(const QString &devicePath) override
    {
        log_->append(QStringLiteral("open %1").arg(devicePath));
        open_ = opens;
        return opens;
    }
    bool openForQuery(const QString &devicePath) override { return open(devicePath); }
    bool isOpen() const override { return open_; }
    bool getState(PortState &state) override
    {
        log_->append(QStringLiteral("getState"));
        state = state_;
        return true;
    }
    bool setState(const PortState &state) override
    {
        log_->append(QStringLiteral("setState %1 %2%3%4")
                         .arg(state.baudRate)
                         .arg(state.dataBits)
                         .arg(state.parity ? QLatin1Char('E') : QLatin1Char('N'))
                         .arg(state.stopBits));
        state_ = state;
        return true;
    }
    bool getReadTimeouts(ReadTimeouts &timeouts) override
    {
        log_->append(QStringLiteral("getReadTimeouts"));
        timeouts = timeouts_;
        return true;
    }
    bool setReadTimeouts(const ReadTimeouts &timeouts) override
    {
        log_->append(QStringLiteral("setReadTimeouts %1 %2 %3")
                         .arg(timeouts.interval)
                         .arg(timeouts.totalMultiplier)
                         .arg(timeouts.totalConstant));
        timeouts_ = timeouts;
        return true;
    }
    bool setQueueSizes(int input, int output) override
    {
        log_->append(QStringLiteral("setQueueSizes %1 %2").arg(input).arg(output));
        return true;
    }
    bool escape(PortEscape function) override
    {
        log_->append(QStringLiteral("escape %1").arg(static_cast<int>(function)));
        return !refusesModemLines;
    }
    int64_t write(const uint8_t *bytes, int64_t count) override
    {
        QStringList hex;
        for (int64_t i = 0; i < count; ++i)
            hex << QStringLiteral("%1").arg(bytes[i], 2, 16, QLatin1Char('0'));
        log_->append(QStringLiteral("write %1").arg(hex.join(' ')));
        return count;
    }
    int64_t read(uint8_t *bytes, int64_t count) override
    {
        int64_t got = 0;
        for (; got < count && !queue_.empty(); ++got) {
            bytes[got] = queue_.front();
            queue_.pop_front();
        }
        log_->append(QStringLiteral("read %1").arg(got));
        return got;
    }
    bool clearError(int64_t &queuedInput) override
    {
        queuedInput = open_ ? static_cast<int64_t>(queue_.size()) : 0;
        return open_;
    }
    void close() override
    {
        log_->append(QStringLiteral("close"));
        open_ = false;
    }
    QString errorString() const override { return QStringLiteral("No such file or directory"); }

    bool opens = true;
    bool refusesModemLines = false;
    std::shared_ptr<QStringList> log() const { return log_; }

private:
    std::shared_ptr<QStringList> log_;
    std::deque<uint8_t> queue_;
    PortState state_{9600, 7, true, 2};
    ReadTimeouts timeouts_{50, 10, 1000};
    bool open_ = false;
};
