#pragma once
// A volume of zeros but for the samples given, before any load-time
// smoothing, with the header's depth scale code.

#include "scan_volume.h"

#include <QList>

#include <algorithm>
#include <memory>

struct Sample {
    int layer;  // 1..24
    int slice;  // 0..39
    int byte;   // of the trace
    int value;
};

inline std::unique_ptr<ScanVolume> volumeWith(const QList<Sample> &samples, uint8_t depthScaleCode = 0)
{
    auto volume = std::make_unique<ScanVolume>();
    AllocateVolume(*volume, {});
    std::fill_n(volume->scan_image.data(), volume->scan_image.size(), uint8_t{0});
    volume->scan_image[ScanLayout::kDepthScaleByte] = depthScaleCode;
    for (const Sample &sample : samples)
        volume->scan_image[TraceOffset(sample.layer, sample.slice) + sample.byte] = static_cast<uint8_t>(sample.value);
    return volume;
}
