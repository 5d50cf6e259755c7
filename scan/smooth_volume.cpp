#include "smooth_volume.h"

#include "scan_volume.h"

#include <algorithm>

namespace {

constexpr int kLastSlice = ScanLayout::kRowMax - 1;
constexpr int kLastByte = ScanLayout::kTraceLength - 2;
constexpr int kMaximum = 128;

}  // namespace

void SmoothLayers(const uint8_t *source, long long sourceSize, uint8_t *target, long long targetSize, int lastLayer)
{
    // The farthest neighbour read is the next layer's byte of the last point.
    const long long highest = TraceOffset(kLastSmoothedLayer, kLastSlice) + kLastByte + ScanLayout::kLayerStride;
    checkIndex(highest, sourceSize);
    checkIndex(highest, targetSize);
    for (int layer = 1; layer <= std::min(lastLayer, kLastSmoothedLayer); ++layer) {
        for (int slice = 1; slice <= kLastSlice; ++slice) {
            const int trace = TraceOffset(layer, slice);
            const uint8_t *centre = source + trace;
            uint8_t *out = target + trace;
            // sums of at most 10 x 255 fit 16 bits, which lets the compiler
            // work on many points at once
            for (int k = 1; k <= kLastByte; ++k) {
                const uint16_t sum = static_cast<uint16_t>(
                    4 * centre[k] + centre[k + 1] + centre[k - 1] + centre[k - ScanLayout::kTraceLength]
                    + centre[k + ScanLayout::kTraceLength] + 2 * centre[k + ScanLayout::kLayerStride]);
                out[k] = static_cast<uint8_t>(std::min<uint16_t>(sum / 10, kMaximum));
            }
        }
    }
}
