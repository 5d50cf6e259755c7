#pragma once
// The bundled sample scan, loaded as the program loads it, for benchmarks.

#include "scan_loader.h"

#include <QFile>

#include <memory>

inline std::unique_ptr<ScanVolume> loadSampleVolume()
{
    auto volume = std::make_unique<ScanVolume>();
    AllocateVolume(*volume, {});
    QFile file(QStringLiteral(VELMORA_SAMPLE_SCAN));
    if (file.open(QIODevice::ReadOnly)) {
        readScanFileInto(file, *volume);
        smoothLoadedImage(*volume);
    }
    return volume;
}
