#pragma once
// Where the 3-D library puts its cursor for a cursor of the slice views.

#include <array>

// (Trunc(L * 64 / 32), Trunc(64 - p * 64 / 128), Trunc(s * 64 / 40)) for layer
// L, depth position p and slice s: the arguments of d3dmove_, in that order.
std::array<float, 3> cursorForLibrary(int layer, int depthPosition, int slice);
