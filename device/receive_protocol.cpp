#include "receive_protocol.h"

#include <algorithm>

void ReceiveProtocol::start()
{
    std::fill(image_.begin(), image_.end(), uint8_t{0});
    received_count_ = 0;
    block_base_ = 0;
    block_pos_ = 0;
    block_sum_ = 0;
    later_errors_ = 0;
    first_wrong_later_block_ = -1;
    outcome_ = Outcome::Receiving;
}

ReceiveProtocol::Outcome ReceiveProtocol::feed(const uint8_t *bytes, int64_t count)
{
    for (int64_t i = 0; i < count && outcome_ == Outcome::Receiving; ++i) {
        if (!take(bytes[i])) {
            outcome_ = Outcome::ChecksumFailed;
            break;
        }
        if (++received_count_ >= kExpectedCount)
            outcome_ = Outcome::Completed;
    }
    return outcome_;
}

// Places the byte, then examines it: the checksum ends a block, any other
// byte adds to the block's sum. False when a checksum of the first nine
// blocks is wrong; a wrong one after them is counted.
bool ReceiveProtocol::take(uint8_t byte)
{
    const long long place = static_cast<long long>(kFirstPlace) + block_pos_ - block_base_;
    checkIndex(place, static_cast<long long>(image_.size()));
    image_[static_cast<std::size_t>(place)] = byte;
    if (block_pos_ == kBlockSize) {
        if (byte != block_sum_) {
            if (block_base_ <= kLastVerifiedBase)
                return false;
            if (later_errors_++ == 0)
                first_wrong_later_block_ = block_base_ / kBlockSize;
        }
        block_base_ += kBlockSize;
        block_pos_ = 0;
        block_sum_ = 0;
        return true;
    }
    block_sum_ = static_cast<uint16_t>((block_sum_ + byte) % 256);
    ++block_pos_;
    return true;
}

int ReceiveProtocol::progressPercent() const
{
    return static_cast<int>(static_cast<long double>(received_count_) / (kExpectedCount + 1) * 100);
}

QString laterChecksumWarning(const ReceiveProtocol &protocol)
{
    if (protocol.laterChecksumErrors() == 0)
        return {};
    return QStringLiteral("Checksum wrong in %1 of the later blocks (first: block %2): the scan may be damaged.")
        .arg(protocol.laterChecksumErrors())
        .arg(protocol.firstWrongLaterBlock());
}

QString elapsedTimeText(const QTime &start, const QTime &now)
{
    int seconds = now.second() - start.second();
    int minutes = now.minute() - start.minute();
    int hours = now.hour() - start.hour();
    if (seconds < 0) {
        seconds += 60;
        --minutes;
    }
    if (minutes < 0) {
        minutes += 60;
        --hours;
    }
    if (hours < 0)
        hours += 24;
    return QStringLiteral("%1:%2:%3").arg(hours).arg(minutes).arg(seconds);
}
