#pragma once
// Time-corrected gain: every sample raised by what the DAC curve says its
// depth loses against the curve's first point, so equal reflectors look alike
// at every depth.

#include "dac_curve.h"
#include "scan_volume.h"

#include <array>
#include <cstdint>

// The gain of each trace byte: DAC(first point) / DAC(byte x T / 16).
std::array<double, ScanLayout::kTraceLength> gainOfTraceBytes(const DacCurve &curve, int depthScale);

// v x DAC(first point) / DAC(its depth), to the nearest whole value, at most 255.
uint8_t correctedSample(int value, double gain);

// Every trace of the volume's image, in place.
void applyTimeCorrectedGain(ScanVolume &volume, const DacCurve &curve);

// While it lives, the volume's image is time-corrected; the image as it was
// comes back when it goes, whatever happens in between.
class TimeCorrectedImage {
public:
    TimeCorrectedImage(ScanVolume &volume, const std::optional<DacCurve> &curve);
    ~TimeCorrectedImage();
    TimeCorrectedImage(const TimeCorrectedImage &) = delete;
    TimeCorrectedImage &operator=(const TimeCorrectedImage &) = delete;

private:
    ScanVolume &volume_;
    std::vector<uint8_t> kept_;
};
