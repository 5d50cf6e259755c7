#include "gate_peak.h"

#include "checked.h"

#include <algorithm>

GatePeak findGatePeak(const ScanVolume &volume, int layer, int slice, int topBorder, int bottomBorder)
{
    const int firstPosition = checkedAdd(topBorder, 1);
    const int count = checkedSub(bottomBorder, topBorder) + 1;
    if (count < 1)
        throw RangeError();
    const int first = checkedAdd(TraceOffset(layer, slice), firstPosition);
    checkRange(first, count, volume.scan_image.size());
    const uint8_t *samples = volume.scan_image.data() + first;
    // max_element gives the first of equal samples: the shallowest
    const uint8_t *peak = std::max_element(samples, samples + count);
    return {firstPosition + static_cast<int>(peak - samples), *peak};
}
