#include "time_corrected_gain.h"

#include <algorithm>
#include <cmath>

std::array<double, ScanLayout::kTraceLength> gainOfTraceBytes(const DacCurve &curve, int depthScale)
{
    std::array<double, ScanLayout::kTraceLength> gains{};
    const double first = curve.points().front().value;
    for (int byte = 0; byte < ScanLayout::kTraceLength; ++byte)
        gains[static_cast<std::size_t>(byte)] = first / curve.at(byte * static_cast<double>(depthScale) / 16.0);
    return gains;
}

uint8_t correctedSample(int value, double gain)
{
    return static_cast<uint8_t>(std::min<long>(255, std::lround(value * gain)));
}

void applyTimeCorrectedGain(ScanVolume &volume, const DacCurve &curve)
{
    const auto gains = gainOfTraceBytes(curve, depthScaleFactor(volume));
    uint8_t *traces = volume.scan_image.data() + ScanLayout::kHeaderBlockSize;
    const int length = ScanLayout::kTailStart - ScanLayout::kHeaderBlockSize;
    for (int at = 0; at < length; ++at)
        traces[at] = correctedSample(traces[at], gains[static_cast<std::size_t>(at % ScanLayout::kTraceLength)]);
}

TimeCorrectedImage::TimeCorrectedImage(ScanVolume &volume, const std::optional<DacCurve> &curve) : volume_(volume)
{
    if (!curve)
        return;
    const uint8_t *image = volume.scan_image.data();
    kept_.assign(image + ScanLayout::kHeaderBlockSize, image + ScanLayout::kTailStart);
    applyTimeCorrectedGain(volume, *curve);
}

TimeCorrectedImage::~TimeCorrectedImage()
{
    if (!kept_.empty())
        std::copy(kept_.begin(), kept_.end(), volume_.scan_image.data() + ScanLayout::kHeaderBlockSize);
}
