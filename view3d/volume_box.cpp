#include "volume_box.h"

#include <algorithm>
#include <cmath>

namespace {

// The diagonal of the 64-unit cube the volume was first drawn in.
const double kDiagonal = 64.0 * std::sqrt(3.0);

// Millimetres of one sample pair: 16 samples are depthScale millimetres.
double pairMillimetres(int32_t depthScale)
{
    return depthScale / 8.0;
}

}  // namespace

VolumeBox::VolumeBox(const Scene &scene)
{
    const bool inMillimetres = scene.slicePitch > 0 && scene.layerPitch > 0 && scene.depthScale > 0;
    const double slice = inMillimetres ? scene.slicePitch : 1.0;
    const double pair = inMillimetres ? pairMillimetres(scene.depthScale) : 1.0;
    const double layer = inMillimetres ? scene.layerPitch : 1.0;
    const double x = kShownSlices * slice, y = kShownPairs * pair, z = kShownLayers * layer;
    const double unit = kDiagonal / std::sqrt(x * x + y * y + z * z);
    slice_ = static_cast<float>(slice * unit);
    pair_ = static_cast<float>(pair * unit);
    layer_ = static_cast<float>(layer * unit);
    half_ = {static_cast<float>(x * unit / 2), static_cast<float>(y * unit / 2), static_cast<float>(z * unit / 2)};
}

float VolumeBox::squareSide() const
{
    const float longest = std::max({slice_, pair_, layer_});
    return std::max(std::min({slice_, pair_, layer_}), longest / 4);
}

Span VolumeBox::rowSpan(int row) const
{
    const int slice = sliceOfRow(row);
    int first = row, rows = 0;
    while (first > 0 && sliceOfRow(first - 1) == slice)
        --first;
    while (sliceOfRow(first + rows) == slice)
        ++rows;
    const float from = static_cast<float>(slice) + static_cast<float>(row - first) / static_cast<float>(rows);
    return {sliceX(from), sliceX(from + 1.0f / static_cast<float>(rows))};
}
