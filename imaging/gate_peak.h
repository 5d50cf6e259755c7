#pragma once
// The depth gate: the depth rows between the top and bottom borders, the same
// rows that the X and Y slice views and the layer exports take from a trace.

#include "scan_volume.h"

struct GatePeak {
    int depthPosition = 0;  // the trace byte of the peak: its depth row + 1
    int value = 0;
};

// The largest sample of the trace of (layer, slice) in the border rows
// topBorder..bottomBorder, that is trace bytes topBorder + 1 .. bottomBorder + 1.
// Of samples that tie, the shallowest wins.
GatePeak findGatePeak(const ScanVolume &volume, int layer, int slice, int topBorder, int bottomBorder);
