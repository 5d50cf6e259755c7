#pragma once
// Loading a scan file into the volume, in the two halves between which the
// program refreshes its views.

#include "scan_file_reader.h"
#include "scan_volume.h"
#include "smooth_volume.h"

#include <QIODevice>
#include <QString>

#include <functional>
#include <optional>

// Reads the file's header and, when the magic matches, its image bytes into
// both raw_image and scan_image; the image bytes that do not arrive are
// cleared in both. Raises a range error when raw_image is not allocated.
ScanFileRead readScanFileInto(QIODevice &file, ScanVolume &volume);

// The report of a short file: which file, how many image bytes it lacks and
// that those are shown empty.
QString missingBytesText(const QString &path, int firstMissing);

// After a load: copies the header block (and the lead byte of the first
// trace) from raw_image into scan_image and smooths raw_image into scan_image,
// layers 1..lastLayer (all of them unless the load is known to have changed
// nothing past layer lastLayer + 1).
void smoothLoadedImage(ScanVolume &volume, int lastLayer = kLastSmoothedLayer);

struct ScanFileLoad {
    std::optional<QString> openFailure;  // why the file could not be opened, in the system's words
    ScanFileRead read;
    bool isScanFile() const { return !openFailure && read.magicMatches; }
    bool isShort() const { return isScanFile() && read.imageBytesRead < ScanLayout::kImageSize; }
};

// Runs between reading a file and smoothing it, with what the read found.
using BetweenReadAndSmoothing = std::function<void(const ScanFileRead &)>;

// The one way a scan file is loaded: opens path (regular files only), reads
// it as readScanFileInto does, closes it, runs between (when given) and
// smooths as smoothLoadedImage does, the magic matching or not. A file that
// cannot be opened changes nothing and runs nothing.
ScanFileLoad loadScanFile(const QString &path, ScanVolume &volume, const BetweenReadAndSmoothing &between = {});

// A scan image that reaches the volume without a file, as a loaded file
// would: raw_image takes scan_image's image bytes, between runs, then the
// smoothing.
void loadScanImage(ScanVolume &volume, const std::function<void()> &between = {});
