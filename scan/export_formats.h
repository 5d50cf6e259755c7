#pragma once
// The forms in which the scan volume is written: the scan file, SEG-2 files
// and ASCII files, one file per layer for the last two.

#include "scan_volume.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <span>
#include <vector>

// Sets every value of scan_image from first to last (both included) above 127
// to 127, and every trace lead byte (a multiple of 128) among them to 0.
void PrepareImageForSave(ScanVolume &volume, int first, int last);

// The part of scan_image that "Save data" prepares for a scan file.
namespace SavedScanFile {
constexpr int kFirstPrepared = ScanLayout::kHeaderBlockSize;
constexpr int kLastPrepared = 131027;
}  // namespace SavedScanFile

// A copy of image prepared in the same way: what a scan file holds, while the
// image itself stays as it is until the file has been written.
std::vector<uint8_t> imagePreparedForSave(std::span<const uint8_t> image, int first, int last);

// The name of the layer file with the given number: the number goes before
// the file name's extension when it ends with extension (in any letter case),
// else the number and extension are appended: scan.dat gives scan7.dat,
// a.DAT gives a7.DAT, scan gives scan7.dat.
QString layerFileName(const QString &chosen, int number, const QString &extension);

namespace Seg2 {
constexpr int kFileSize = 23208;
constexpr int kFirstTrace = 448;
constexpr int kTraceSpan = 569;   // descriptor of 57 bytes and 512 bytes of samples
constexpr int kSamples = 256;
const QString kExtension = QStringLiteral(".dat");
}  // namespace Seg2

namespace Seg2Standard {
constexpr int kDescriptorSize = 60;
constexpr int kTraceSpan = kDescriptorSize + 2 * Seg2::kSamples;
constexpr int kFileSize = Seg2::kFirstTrace + 40 * kTraceSpan;
}  // namespace Seg2Standard

namespace AsciiColumns {
const QString kExtension = QStringLiteral(".asc");
constexpr int kLinesPerLayer = ScanLayout::kSlicesPerLayer * ScanLayout::kDepthRows;
constexpr int kLineLength = 3 * 7 + 2 + 1;  // three columns of seven, two spaces, the line feed
}  // namespace AsciiColumns

// The SEG-2 file of one layer as this instrument's readers know it, dated utc.
QByteArray seg2LayerFile(const ScanVolume &volume, int layer, const QDateTime &utc);

// The same layer in the layout of the SEG-2 standard, for general seismic tools.
QByteArray seg2StandardLayerFile(const ScanVolume &volume, int layer, const QDateTime &utc);

// The ASCII file of one layer: its 5120 lines, slice by slice, depth row by
// depth row, each line the slice, depth row and sample as numbers with three
// decimals right-aligned in seven characters, "  0.000   5.000  42.000".
QByteArray asciiLayerFile(const ScanVolume &volume, int layer);

// The sample of depth row d of a slice: trace byte d + 1.
int depthRowSample(const ScanVolume &volume, int layer, int slice, int depthRow);
