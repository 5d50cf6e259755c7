#pragma once
// The stream the instrument sends for a scan image: blocks of 256 data bytes
// and their checksum, in the order the receive puts back into the image, the
// first block carrying the image's last 256 bytes.

#include "scan_layout.h"

#include <cstdint>
#include <span>
#include <vector>

// 511 blocks of 257 bytes; the receive counts the first 131,072 of them.
// Each of corruptBlocks (numbered from 0) gets a wrong checksum.
std::vector<uint8_t> instrumentStream(std::span<const uint8_t, ScanLayout::kImageSize> image,
                                      std::span<const int> corruptBlocks);
// corruptBlock, when not negative, gets a wrong checksum.
std::vector<uint8_t> instrumentStream(std::span<const uint8_t, ScanLayout::kImageSize> image, int corruptBlock = -1);

constexpr int kStreamBlocks = 511;
constexpr int kStreamBlockSize = 257;
