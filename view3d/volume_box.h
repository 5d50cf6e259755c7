#pragma once
// Where the volume's cells stand in the picture's world: a box of the 40
// slices, the 64 sample pairs of depth and the 24 layers in the proportions
// of the cells, in millimetres when both pitches are known, else one unit a
// cell. Its diagonal is the one of a 64-unit cube whatever the proportions,
// so that the picture keeps its size on the screen.

#include "scene.h"
#include "volume_rows.h"

struct Vec3 {
    float x, y, z;
};

// The cells the host fills: the rows of the slices (volume_rows.h), planes
// 1..24 the layers.
constexpr int kShownSlices = 40;
constexpr int kShownPairs = 64;
constexpr int kShownLayers = 24;
constexpr int kFirstLayerPlane = 1;

// A stretch along one world axis.
struct Span {
    float from;
    float to;
};

class VolumeBox {
public:
    explicit VolumeBox(const Scene &scene);

    // Half the box's extent along each world axis: x across the slices, y
    // along depth, z across the layers.
    const Vec3 &half() const { return half_; }
    float half(int axis) const { return axis == 0 ? half_.x : axis == 1 ? half_.y : half_.z; }

    // World coordinates of positions counted in cells from the box's first
    // slice, its top and its first layer.
    float sliceX(float slices) const { return slices * slice_ - half_.x; }
    float depthY(float pairs) const { return half_.y - pairs * pair_; }
    float layerZ(float layers) const { return layers * layer_ - half_.z; }

    // The part of its slice a volume row covers: a slice of two rows gives
    // each half of it.
    Span rowSpan(int row) const;
    // The world size of a sample pair and of a layer.
    float pairHeight() const { return pair_; }
    float layerThickness() const { return layer_; }
    float sliceWidth() const { return slice_; }
    // The side of the squares the cells are drawn with: their smallest side,
    // but no less than a quarter of their longest, so that no cell takes
    // more than four squares along an axis.
    float squareSide() const;

private:
    Vec3 half_{};
    float slice_ = 1.0f;
    float pair_ = 1.0f;
    float layer_ = 1.0f;
};
