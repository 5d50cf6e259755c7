#include "instrument_stream.h"

#include <algorithm>

namespace {
constexpr int kFirstBlockStart = 130816;
constexpr int kDataBytes = 256;
}  // namespace

std::vector<uint8_t> instrumentStream(std::span<const uint8_t, ScanLayout::kImageSize> image,
                                      std::span<const int> corruptBlocks)
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
        const bool corrupt = std::find(corruptBlocks.begin(), corruptBlocks.end(), block) != corruptBlocks.end();
        stream.push_back(corrupt ? static_cast<uint8_t>(checksum ^ 0xFF) : checksum);
    }
    return stream;
}

std::vector<uint8_t> instrumentStream(std::span<const uint8_t, ScanLayout::kImageSize> image, int corruptBlock)
{
    return instrumentStream(image, std::span<const int>(&corruptBlock, 1));
}
