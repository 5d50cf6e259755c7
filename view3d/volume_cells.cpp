#include "volume_cells.h"

#include "d3d.h"
#include "volume_box.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kDepths = D3D_VOLUME_COLUMNS;
constexpr int kRows = D3D_VOLUME_ROWS;
constexpr int kPlanes = D3D_VOLUME_PLANES;

// The shown part of the volume rearranged so that a trace's pairs stand
// together, pair 0 first, with an empty border of one cell all round so that
// neighbours need no checks. Cells the host leaves out of the picture (rows
// past the slices, planes outside the layers) stay empty.
class TraceGrid {
public:
    static constexpr int kRowStride = kDepths + 2;
    static constexpr int kPlaneStride = kRowStride * (kRows + 2);

    TraceGrid(const int16_t *volume, int32_t entries)
        : values_(static_cast<std::size_t>(kPlaneStride) * (kPlanes + 2), 0)
    {
        const int32_t last = std::min<int32_t>(entries, kDepths * kRows * kPlanes);
        for (int32_t start = 0; start < last; start += kDepths) {
            const int y = start / kDepths % kRows, plane = start / (kDepths * kRows);
            const int16_t *cells = volume + start;
            const int count = std::min<int32_t>(kDepths, last - start);
            if (plane < kFirstLayerPlane || plane >= kFirstLayerPlane + kShownLayers)
                continue;
            for (int x = 0; x < count; ++x)
                if (const auto place = placeOfCell(x, y); place && place->row < kRowsOfSlices)
                    values_[index(place->depth, place->row, plane)] = cells[x];
        }
    }

    static std::size_t index(int depth, int row, int plane)
    {
        return static_cast<std::size_t>(plane + 1) * kPlaneStride + static_cast<std::size_t>(row + 1) * kRowStride
               + static_cast<std::size_t>(depth + 1);
    }
    // The value at an index, or beside it by an offset of strides.
    int at(std::size_t i, std::ptrdiff_t offset = 0) const { return values_[i + offset]; }

private:
    std::vector<int16_t> values_;
};

uint8_t openSides(const TraceGrid &grid, std::size_t i, int32_t threshold)
{
    const auto open = [&](std::ptrdiff_t offset, CellSide side) { return grid.at(i, offset) > threshold ? 0 : side; };
    constexpr std::ptrdiff_t row = TraceGrid::kRowStride, plane = TraceGrid::kPlaneStride;
    return static_cast<uint8_t>(open(row, kRight) | open(-row, kLeft) | open(-1, kUp) | open(1, kDown)
                                | open(plane, kFront) | open(-plane, kBack));
}

// The normal where the cell stands, pointing out of the echo: the direction
// in which the amplitudes around it fall, counted in cells along each axis.
void setNormal(VisibleCell &cell, const TraceGrid &grid, std::size_t i)
{
    constexpr std::ptrdiff_t row = TraceGrid::kRowStride, plane = TraceGrid::kPlaneStride;
    // depth grows downward, the picture's y upward
    const float gDepth = static_cast<float>(grid.at(i, -1) - grid.at(i, 1));
    const float gRow = static_cast<float>(grid.at(i, row) - grid.at(i, -row));
    const float gPlane = static_cast<float>(grid.at(i, plane) - grid.at(i, -plane));
    const float length = std::sqrt(gDepth * gDepth + gRow * gRow + gPlane * gPlane);
    if (length < 1e-3f)
        return;
    cell.normalX = static_cast<int8_t>(-gDepth / length * 127);
    cell.normalY = static_cast<int8_t>(-gRow / length * 127);
    cell.normalZ = static_cast<int8_t>(-gPlane / length * 127);
}

}  // namespace

std::optional<CellPlace> placeOfCell(int x, int y)
{
    if (x > 0)
        return CellPlace{y, kDepths - x};
    if (y > 0)
        return CellPlace{y - 1, 0};
    return std::nullopt;
}

std::vector<VisibleCell> readVisibleCells(const int16_t *volume, int32_t entries, int32_t threshold)
{
    std::vector<VisibleCell> cells;
    if (!volume)
        return cells;
    const TraceGrid grid(volume, entries);
    for (int p = kFirstLayerPlane; p < kFirstLayerPlane + kShownLayers; ++p) {
        for (int r = 0; r < kRowsOfSlices; ++r) {
            for (int d = 0; d < kDepths; ++d) {
                const std::size_t i = TraceGrid::index(d, r, p);
                const int value = grid.at(i);
                if (value <= threshold)
                    continue;
                const uint8_t sides = openSides(grid, i, threshold);
                if (sides == 0)
                    continue;
                VisibleCell cell{static_cast<int8_t>(d), static_cast<int8_t>(r), static_cast<int8_t>(p),
                                 static_cast<int16_t>(value), 0, 0, 0, sides};
                setNormal(cell, grid, i);
                cells.push_back(cell);
            }
        }
    }
    return cells;
}
