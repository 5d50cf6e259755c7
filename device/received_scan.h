#pragma once
// A received scan becomes the volume's image and a scan file.

#include "export_writers.h"

#include <vector>

// Copies the received image (131,073 entries) into scan_image, clamps it from
// layer_stride to 131,072 as every saved image is clamped, and writes the
// scan file whole.
WriteOutcome saveReceivedScan(ScanVolume &volume, const std::vector<uint8_t> &received, const QString &path);
