#pragma once
// Pictures saved as PNG files, whole or not at all.

#include "export_writers.h"

#include <QImage>

// Writes image as a PNG file through the atomic writer, at zlib's fastest
// level: the pixels are the same at every level, and the higher levels spend
// seconds on a printed page.
WriteOutcome savePngFile(const QString &path, const QImage &image);
