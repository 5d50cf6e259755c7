#pragma once
// The smoothing applied to a scan when it is loaded: a fixed 7-point stencil
// over depth, slice and the following layer.

#include <cstdint>

// For every layer 1..23, slice 1..38 and trace byte 1..126, writes into
// target the weighted mean (4 x the sample, 1 x each depth and slice
// neighbour, 2 x the same byte of the next layer, divided by 10 with the
// fraction cut off and at most 128) of source. Everything else of target is
// left as it was. Both images must hold at least 131,072 bytes.
void SmoothVolume(const uint8_t *source, long long sourceSize, uint8_t *target, long long targetSize);
