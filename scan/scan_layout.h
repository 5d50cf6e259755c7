#pragma once
// The layout of the scan image as the M7340 records it: a header block from
// the instrument, 24 layers of 40 traces of 128 bytes, and a tail. The scan
// file carries the same 131,072 bytes after its own 16-byte header.

#include <array>

namespace ScanLayout {

constexpr int kImageSize = 131072;          // bytes of one scan image
constexpr int kScanImageCapacity = 131374;  // scan_image indexes 0..131373; the rest is spare
constexpr int kClearedEntries = 131073;     // image bytes 0..131072 are cleared together
constexpr int kHeaderBlockSize = 5120;
constexpr int kDepthScaleByte = 2052;       // header byte whose low two bits select the depth scale
constexpr int kDepthScaleMask = 0x03;
constexpr int kLayerCount = 24;
constexpr int kSlicesPerLayer = 40;
constexpr int kRowMax = kSlicesPerLayer - 1;
constexpr int kTraceLength = 128;
constexpr int kLayerStride = kSlicesPerLayer * kTraceLength;  // 5120
constexpr int kTailStart = kHeaderBlockSize + kLayerCount * kLayerStride;  // 128,000
constexpr int kDepthRows = 128;             // depth rows 0..127 and depth positions 0..127

// Millimetres per 16 depth steps, selected by the depth scale code.
constexpr std::array<int, 4> kDepthScaleTable = {20, 50, 100, 200};

}  // namespace ScanLayout

namespace VoxelLayout {

constexpr int kColumns = 64;  // x: depth, deepest at small x
constexpr int kRows = 64;     // y: slice rows, stretched
constexpr int kPlanes = 32;   // z: layers
constexpr int kPlaneSize = kColumns * kRows;
constexpr int kHighestIndex = kPlanes * kPlaneSize;  // 131,072: the one extra entry
constexpr int kEntries = kHighestIndex + 1;

}  // namespace VoxelLayout
