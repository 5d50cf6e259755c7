#pragma once
// The instrument's stream: blocks of 256 data bytes, each followed by a
// checksum byte (the sum of the data bytes modulo 256), 131,072 bytes counted
// in all. Every byte, the checksum included, is placed at
// 130,816 + block_pos - block_base of the image, so the first block fills the
// image's last 256 bytes and each further block the 256 below it. A wrong
// checksum in one of the first nine blocks ends the receive; one in a later
// block is counted and the receive goes on, as the instrument's stream does.

#include "checked.h"

#include <QTime>

#include <cstdint>
#include <vector>

class ReceiveProtocol {
public:
    enum class Outcome { Receiving, Completed, ChecksumFailed };

    static constexpr int kExpectedCount = 131072;
    static constexpr int kImageEntries = 131073;  // indexes 0..131,072 are written

    // Clears the image and the counts for a new receive.
    void start();
    // Takes bytes in order; stops taking them once the receive has completed or failed.
    Outcome feed(const uint8_t *bytes, int64_t count);

    Outcome outcome() const { return outcome_; }
    int32_t received_count() const { return received_count_; }
    int32_t expected_count() const { return kExpectedCount; }
    int32_t block_base() const { return block_base_; }
    int32_t block_pos() const { return block_pos_; }
    // The blocks after the first nine whose checksum was wrong, and the number of the first of them (from 0).
    int laterChecksumErrors() const { return later_errors_; }
    int firstWrongLaterBlock() const { return first_wrong_later_block_; }
    // received_count / (expected_count + 1) * 100 with the fraction dropped.
    int progressPercent() const;
    // The image as received so far: 131,073 entries.
    const std::vector<uint8_t> &image() const { return image_; }

private:
    static constexpr int kFirstPlace = 130816;
    static constexpr int kBlockSize = 256;
    static constexpr int kLastVerifiedBase = 2048;

    bool take(uint8_t byte);

    std::vector<uint8_t> image_ = std::vector<uint8_t>(kImageEntries, 0);
    int32_t received_count_ = 0;
    int32_t block_base_ = 0;
    int32_t block_pos_ = 0;
    uint16_t block_sum_ = 0;
    int later_errors_ = 0;
    int first_wrong_later_block_ = -1;
    Outcome outcome_ = Outcome::Receiving;
};

// What the user is told of wrong checksums in the later blocks; empty when there were none.
QString laterChecksumWarning(const ReceiveProtocol &protocol);

// Hours, minutes and seconds from start to now as "h:m:s", each field
// subtracted with its borrow; across midnight 24 hours are added.
QString elapsedTimeText(const QTime &start, const QTime &now);
