#pragma once
// Loading a scan file into the volume, in the two halves between which the
// program refreshes its views.

#include "scan_file_reader.h"
#include "scan_volume.h"
#include "smooth_volume.h"

#include <QIODevice>

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
