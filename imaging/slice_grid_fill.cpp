// The slice grid: the samples of the cut through the volume and their grey levels.

#include "slice_renderer.h"

#include "gate_maximum.h"

#include <array>
#include <cmath>

namespace {

struct GridShape {
    int lastRow;
    int lastColumn;
    int firstFilledRow;
    int lastFilledRow;
    int firstFilledColumn;
    int lastFilledColumn;
};

GridShape gridShape(const ScanVolume &volume, const ViewState &view)
{
    const int lastSlice = volume.row_max;
    const int lastDepthRow = ViewRanges::Border.maximum - ViewRanges::Border.minimum;
    const int lastLayerColumn = ViewRanges::ShownLayer.maximum - ViewRanges::ShownLayer.minimum;
    switch (view.axis) {
    case SliceAxis::X:
        return {lastDepthRow, lastLayerColumn, view.topBorder, view.bottomBorder, view.firstLayer - 1,
                view.lastLayer - 1};
    case SliceAxis::Y:
        return {lastDepthRow, lastSlice, view.topBorder, view.bottomBorder, 0, lastSlice};
    case SliceAxis::Z:
        break;
    }
    return {lastLayerColumn, lastSlice, view.firstLayer - 1, view.lastLayer - 1, 0, lastSlice};
}

// Index into scan_image of the sample of cell [row][column].
int sampleIndex(const ViewState &view, int row, int column)
{
    switch (view.axis) {
    case SliceAxis::X:
        return TraceOffset(column + 1, view.slice) + row + 1;
    case SliceAxis::Y:
        return TraceOffset(view.layer, column) + row + 1;
    case SliceAxis::Z:
        break;
    }
    return TraceOffset(row + 1, column) + view.depth;
}

}  // namespace

int greyLevel(int value, int brightness)
{
    const long double factor = static_cast<long double>(brightness) / 50 + 1;
    const long double darkness = std::trunc(std::fabs(static_cast<long double>(2 * value) * factor));
    const long double grey = 255 - darkness;
    return grey > 255 ? 255 : grey < 0 ? 0 : static_cast<int>(grey);
}

void fillSliceGrid(ScanVolume &volume, const ViewState &view, SliceGeometry &geometry)
{
    const GridShape shape = gridShape(volume, view);
    volume.slice_grid.allocate(checkedMul(2, shape.lastRow), checkedMul(2, shape.lastColumn));
    volume.grid_first_row = 0;
    volume.grid_last_row = shape.lastRow;
    volume.grid_first_col = 0;
    volume.grid_last_col = shape.lastColumn;
    geometry.filled_first_row = shape.firstFilledRow;
    geometry.filled_row_span = shape.lastFilledRow - shape.firstFilledRow + 1;
    geometry.filled_first_col = shape.firstFilledColumn;
    geometry.filled_col_span = shape.lastFilledColumn - shape.firstFilledColumn + 1;
    const bool gated = view.axis == SliceAxis::Z && view.showGateMaximum;
    for (int row = shape.firstFilledRow; row <= shape.lastFilledRow; ++row)
        for (int column = shape.firstFilledColumn; column <= shape.lastFilledColumn; ++column)
            volume.slice_grid.at(row, column) =
                gated ? static_cast<int16_t>(gateMaximum(volume, row + 1, column, view.topBorder, view.bottomBorder))
                      : volume.scan_image[sampleIndex(view, row, column)];
}

void mapGreyLevels(SliceGrid &grid, int brightness)
{
    std::array<int16_t, 256> greys;
    for (int value = 0; value < 256; ++value)
        greys[static_cast<std::size_t>(value)] = static_cast<int16_t>(greyLevel(value, brightness));
    for (int row = 0; row < grid.rows(); ++row) {
        int16_t *cells = grid.row(row);
        for (int column = 0; column < grid.columns(); ++column) {
            const int value = cells[column];
            cells[column] = value >= 0 && value < 256 ? greys[static_cast<std::size_t>(value)]
                                                      : static_cast<int16_t>(greyLevel(value, brightness));
        }
    }
}

MarkedCell markedCell(const ViewState &view)
{
    switch (view.axis) {
    case SliceAxis::X:
        return {view.depth, view.layer};
    case SliceAxis::Y:
        return {view.depth, view.slice + 1};
    case SliceAxis::Z:
        break;
    }
    return {view.layer, view.slice + 1};
}
