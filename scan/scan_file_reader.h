#pragma once
// Reads the header and the image of a scan file.

#include "scan_layout.h"

#include <QIODevice>

#include <cstdint>
#include <span>

struct ScanFileRead {
    bool magicMatches = false;
    // Image bytes that arrived; the image index of the first missing byte when short.
    int imageBytesRead = 0;
};

// Reads up to 16 header bytes and, only when they begin with the magic, up to
// 131,072 image bytes into image[0..imageBytesRead). Bytes past the image are
// ignored; bytes of image that did not arrive are left as they were.
ScanFileRead readScanFile(QIODevice &file, std::span<uint8_t, ScanLayout::kImageSize> image);
