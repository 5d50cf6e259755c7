#pragma once
// Loading a scan file for the command-line tool as the program loads it.

#include "scan_volume.h"

#include <QString>

// Allocates the volume as at start-up and loads path into it: the image as
// read and the image as shown after smoothing. A short file loads as far as
// it goes and its first missing byte is reported; false, with the reason
// reported, when the file cannot be opened or is not a scan file.
bool loadScan(const QString &path, ScanVolume &volume);
