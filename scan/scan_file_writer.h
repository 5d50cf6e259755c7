#pragma once
// Writes a scan file: the 16-byte header with the magic, then the image.

#include "scan_layout.h"

#include <QIODevice>

#include <cstdint>
#include <span>

// Returns false when the device did not take every byte.
bool writeScanFile(QIODevice &file, std::span<const uint8_t, ScanLayout::kImageSize> image);
