#include "gate_peak.h"

#include "checked.h"

GatePeak findGatePeak(const ScanVolume &volume, int layer, int slice, int topBorder, int bottomBorder)
{
    const int trace = TraceOffset(layer, slice);
    GatePeak peak{checkedAdd(topBorder, 1), -1};
    for (int row = topBorder; row <= bottomBorder; ++row) {
        const int position = checkedAdd(row, 1);
        const int value = volume.scan_image[checkedAdd(trace, position)];
        if (value > peak.value)
            peak = {position, value};
    }
    if (peak.value < 0)
        peak.value = 0;
    return peak;
}
