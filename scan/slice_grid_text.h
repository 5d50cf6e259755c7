#pragma once
// The grey levels of the slice last drawn as tab-separated text: one line for
// each grid row in use, each value followed by a tab, each line ended with a
// line feed.

#include "scan_volume.h"

#include <QByteArray>

QByteArray sliceGridText(const ScanVolume &volume);
