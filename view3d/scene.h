#pragma once
// The state of the 3-D picture: what the calls of the library have set.

#include "d3d.h"

#include <cstdint>
#include <vector>

// A cell as drawn: a sample pair of one row of one plane.
struct VisibleCell {
    int8_t depth;  // sample pair, 0 = shallowest
    int8_t row;
    int8_t plane;
    int16_t value;
    // The surface normal where the cell stands, pointing out of the echo, in
    // 127ths: the direction in which the amplitudes around it fall, counted
    // in cells (x along depth, y along rows, z along planes).
    int8_t normalX;
    int8_t normalY;
    int8_t normalZ;
    // The sides with no echo beside them, where the cell can be seen from:
    // the bits of CellSide.
    uint8_t openSides;
};

// Sides of a cell in the picture's axes: x across the slices, y up toward
// shallow depth, z toward the viewer across the layers.
enum CellSide : uint8_t {
    kRight = 1,
    kLeft = 2,
    kUp = 4,
    kDown = 8,
    kFront = 16,
    kBack = 32,
};

// A box drawn over the volume with its number: rows, sample pairs and
// planes, first and last of each.
struct Mark {
    int firstRow, lastRow;
    int firstPair, lastPair;
    int firstPlane, lastPlane;
    int number;
};

struct Scene {
    // The volume as read at the last review: the cells above the threshold.
    std::vector<VisibleCell> cells;
    int32_t threshold = 0;

    // Accumulated turn in degrees: about the line of sight, about the
    // vertical screen axis, about the horizontal screen axis.
    float roll = 0.0f;
    float turn = 0.0f;
    float tilt = 0.0f;
    float zoom[3] = {1.0f, 1.0f, 1.0f};

    bool lit = false;
    bool frames = false;
    bool cursorShown = false;
    // Cursor as d3dmove_ gives it, in the units of a 64-unit cube: x along
    // depth, y along slices, z along layers.
    float cursorX = 0.0f;
    float cursorY = 0.0f;
    float cursorZ = 0.0f;
    int32_t orientAxis = 0;
    // Millimetres of 16 depth samples, for the numbers of the depth axis.
    int32_t depthScale = 20;
    // Millimetres from slice to slice and from layer to layer; 0 unknown.
    float slicePitch = 0.0f;
    float layerPitch = 0.0f;
    std::vector<Mark> marks;
};

// Zoom factors stay within these limits.
constexpr float kMinimumZoom = D3D_MINIMUM_ZOOM;
constexpr float kMaximumZoom = D3D_MAXIMUM_ZOOM;
