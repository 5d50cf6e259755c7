#pragma once
// The scan file (.vlm): a 16-byte header that begins with the magic, then the
// 131,072-byte scan image, byte for byte.

#include "scan_layout.h"

#include <QString>

#include <string_view>

namespace ScanFileFormat {

constexpr std::string_view kMagic = "VLMv1.0";
// The file dialogs' pattern of scan file names; the extension is its part from the dot.
constexpr std::string_view kPattern = "*.vlm";
constexpr std::string_view kExtension = kPattern.substr(1);
constexpr int kHeaderSize = 16;
constexpr int kFileSize = kHeaderSize + ScanLayout::kImageSize;  // 131,088
// A header byte that is not part of the magic: the reader's buffer starts with it.
constexpr char kHeaderFill = 'Z';

// One of the texts above as a Qt string.
inline QString text(std::string_view part)
{
    return QString::fromLatin1(part.data(), static_cast<qsizetype>(part.size()));
}

}  // namespace ScanFileFormat
