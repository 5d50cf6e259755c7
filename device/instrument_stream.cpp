#include "instrument_stream.h"

namespace {
constexpr int kFirstBlockStart = 130816;
constexpr int kDataBytes = 256;
}  // namespace

std::vector<uint8_t> instrumentStream(std::span<const uint8_t, ScanLayout::kImageSize> image, int corruptBlock)
{
    std::vector<uint8_t> stream;
    stream.reserve(static_cast<std::size_t>(kStreamBlocks) * kStreamBlockSize);
    for (int block = 0; block < kStreamBlocks; ++block) {
        const int start = kFirstBlockStart - kDataBytes * block;
        unsigned sum = 0;
        for (int i = 0; i < kDataBytes; ++i) {
            const uint8_t byte = image[static_cast<std::size_t>(start + i)];
            stream.push_back(byte);
            sum += byte;
        }
        const auto checksum = static_cast<uint8_t>(sum % 256);
        stream.push_back(block == corruptBlock ? static_cast<uint8_t>(checksum ^ 0xFF) : checksum);
    }
    return stream;
}
