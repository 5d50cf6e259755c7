#include "volume_cells.h"

#include "d3d.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kDepths = D3D_VOLUME_COLUMNS;
constexpr int kRows = D3D_VOLUME_ROWS;
constexpr int kPlanes = D3D_VOLUME_PLANES;

// The volume rearranged so that a trace's pairs stand together, pair 0 first.
class TraceGrid {
public:
    TraceGrid(const int16_t *volume, int32_t entries) : values_(static_cast<std::size_t>(kDepths) * kRows * kPlanes, 0)
    {
        const int32_t last = std::min<int32_t>(entries, kDepths * kRows * kPlanes);
        for (int32_t i = 0; i < last; ++i) {
            const int x = i % kDepths;
            const int y = i / kDepths % kRows;
            if (const auto place = placeOfCell(x, y))
                values_[index(place->depth, place->row, i / (kDepths * kRows))] = volume[i];
        }
    }

    int at(int depth, int row, int plane) const
    {
        if (depth < 0 || depth >= kDepths || row < 0 || row >= kRows || plane < 0 || plane >= kPlanes)
            return 0;
        return values_[index(depth, row, plane)];
    }

private:
    static std::size_t index(int depth, int row, int plane)
    {
        return (static_cast<std::size_t>(plane) * kRows + row) * kDepths + depth;
    }
    std::vector<int16_t> values_;
};

uint8_t openSides(const TraceGrid &grid, int d, int r, int p, int32_t threshold)
{
    const auto open = [&](int depth, int row, int plane, CellSide side) {
        return grid.at(depth, row, plane) > threshold ? 0 : side;
    };
    return static_cast<uint8_t>(open(d, r + 1, p, kRight) | open(d, r - 1, p, kLeft) | open(d - 1, r, p, kUp)
                                | open(d + 1, r, p, kDown) | open(d, r, p + 1, kFront) | open(d, r, p - 1, kBack));
}

// The normal where the cell stands, pointing out of the echo: the direction
// in which the amplitudes around it fall. Planes lie two units apart.
void setNormal(VisibleCell &cell, const TraceGrid &grid)
{
    const int d = cell.depth, r = cell.row, p = cell.plane;
    // depth grows downward, the picture's y upward
    const float gDepth = static_cast<float>(grid.at(d - 1, r, p) - grid.at(d + 1, r, p));
    const float gRow = static_cast<float>(grid.at(d, r + 1, p) - grid.at(d, r - 1, p));
    const float gPlane = static_cast<float>(grid.at(d, r, p + 1) - grid.at(d, r, p - 1)) / 2;
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
    for (int p = 0; p < kPlanes; ++p) {
        for (int r = 0; r < kRows; ++r) {
            for (int d = 0; d < kDepths; ++d) {
                const int value = grid.at(d, r, p);
                const uint8_t sides = value > threshold ? openSides(grid, d, r, p, threshold) : 0;
                if (sides == 0)
                    continue;
                VisibleCell cell{static_cast<int8_t>(d), static_cast<int8_t>(r), static_cast<int8_t>(p),
                                 static_cast<int16_t>(value), 0, 0, 0, sides};
                setNormal(cell, grid);
                cells.push_back(cell);
            }
        }
    }
    return cells;
}
