#pragma once
// The bundled sample scan, loaded as the program loads it, for benchmarks.

#include "scan_loader.h"

#include <memory>

inline std::unique_ptr<ScanVolume> loadSampleVolume()
{
    auto volume = std::make_unique<ScanVolume>();
    AllocateVolume(*volume, {});
    loadScanFile(QStringLiteral(VELMORA_SAMPLE_SCAN), *volume);
    return volume;
}
