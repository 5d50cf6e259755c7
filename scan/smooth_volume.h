#pragma once
// The smoothing applied to a scan when it is loaded: a fixed 7-point stencil
// over depth, slice and the following layer.

#include "scan_layout.h"

#include <cstdint>

// The smoothed layers are 1..23: the last has no next layer.
constexpr int kLastSmoothedLayer = ScanLayout::kLayerCount - 1;

// For every layer 1..lastLayer (at most 23), slice 1..38 and trace byte
// 1..126, writes into target the weighted mean (4 x the sample, 1 x each
// depth and slice neighbour, 2 x the same byte of the next layer, divided by
// 10 with the fraction cut off and at most 128) of source. Everything else of
// target is left as it was. Both images must hold at least 131,072 bytes.
// Layers beyond lastLayer need no new pass when the source changed no further
// than layer lastLayer + 1.
void SmoothLayers(const uint8_t *source, long long sourceSize, uint8_t *target, long long targetSize, int lastLayer);
