#pragma once
// The scan file (.vlm): a 16-byte header that begins with the magic, then the
// 131,072-byte scan image, byte for byte.

#include "scan_layout.h"

#include <string_view>

namespace ScanFileFormat {

constexpr std::string_view kMagic = "VLMv1.0";
constexpr std::string_view kExtension = ".vlm";
constexpr int kHeaderSize = 16;
constexpr int kFileSize = kHeaderSize + ScanLayout::kImageSize;  // 131,088
// A header byte that is not part of the magic: the reader's buffer starts with it.
constexpr char kHeaderFill = 'Z';

}  // namespace ScanFileFormat
