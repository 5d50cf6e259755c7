// The main slice image: the grid's grey levels as flat cells, or smoothed
// bilinearly with weights in steps of 1/200, and the cursor cell in light red.

#include "slice_renderer.h"

#include "slice_cells.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr int kMinimumCell = 2;
constexpr int kWeightSteps = 200;
constexpr uint8_t kCursorBlue = 64;
constexpr uint8_t kCursorGreen = 64;
constexpr uint8_t kCursorRed = 255;

struct Extent {
    int width;   // pixel columns drawn: all but the bitmap's last
    int height;  // pixel rows drawn
};

void paintGrey(uint8_t *pixels, int count, int grey)
{
    std::memset(pixels, std::min(grey, 255), static_cast<std::size_t>(count) * 3);
}

void paintCursor(uint8_t *pixels, int count)
{
    for (int x = 0; x < count; ++x) {
        pixels[3 * x] = kCursorBlue;
        pixels[3 * x + 1] = kCursorGreen;
        pixels[3 * x + 2] = kCursorRed;
    }
}

// The grid cells that the drawn pixels reach must lie inside the grid.
void checkReach(const SliceGrid &grid, const SliceGeometry &geometry, Extent extent, int margin)
{
    checkIndex((extent.height - 1) / geometry.cell_height + margin, grid.rows());
    checkIndex((extent.width - 1) / geometry.cell_width + margin, grid.columns());
}

// Each pixel row of a cell row is the same, so one is drawn and copied.
void drawBlocks(const SliceGrid &grid, const SliceGeometry &geometry, MarkedCell marked, Extent extent,
                QImage &image)
{
    checkReach(grid, geometry, extent, 0);
    const int cw = geometry.cell_width;
    for (int y = 0; y < extent.height; ++y) {
        uint8_t *row = image.scanLine(y);
        const int i = y / geometry.cell_height;
        if (y > 0 && (y - 1) / geometry.cell_height == i) {
            std::memcpy(row, image.constScanLine(y - 1), static_cast<std::size_t>(extent.width) * 3);
            continue;
        }
        const int16_t *cells = grid.row(i);
        for (int j = 0, x = 0; x < extent.width; ++j, x += cw) {
            const int count = std::min(cw, extent.width - x);
            if (i + 1 == marked.row && j + 1 == marked.column)
                paintCursor(row + 3 * x, count);
            else
                paintGrey(row + 3 * x, count, cells[j]);
        }
    }
}

// Weight of every pixel across its cell, 0 at the cell's first pixel and 200
// at its last; pixels beyond the grid get 0.
std::vector<int> weightTable(int cellSize, int cells, int pixels)
{
    std::vector<int> weights(static_cast<std::size_t>(std::max(cellSize * cells, pixels)), 0);
    for (int i = 0; i < cells; ++i)
        for (int c = 0; c < cellSize; ++c)
            weights[static_cast<std::size_t>(i * cellSize + c)] = kWeightSteps * c / (cellSize - 1);
    return weights;
}

// Writes grey levels as pixels of three equal bytes, four pixels (twelve
// bytes) at a time, each word put together in a register.
void expandGreys(const uint8_t *__restrict greys, int count, uint8_t *__restrict pixels)
{
    int x = 0;
    for (; x + 4 <= count; x += 4) {
        const uint64_t g0 = greys[x], g1 = greys[x + 1], g2 = greys[x + 2], g3 = greys[x + 3];
        const uint64_t first = g0 * 0x0000000000010101ull + g1 * 0x0000010101000000ull + g2 * 0x0101000000000000ull;
        const auto last = static_cast<uint32_t>(g2 | g3 * 0x01010100u);
        std::memcpy(pixels + 3 * x, &first, sizeof first);
        std::memcpy(pixels + 3 * x + sizeof first, &last, sizeof last);
    }
    for (; x < count; ++x)
        std::memset(pixels + 3 * x, greys[x], 3);
}

void drawSmoothed(const ScanVolume &volume, const SliceGeometry &geometry, MarkedCell marked, Extent extent,
                  QImage &image)
{
    const SliceGrid &grid = volume.slice_grid;
    checkReach(grid, geometry, extent, 1);
    const std::vector<int> rowWeights = weightTable(geometry.cell_height, gridRowCount(volume), extent.height);
    const std::vector<int> columnWeights = weightTable(geometry.cell_width, gridColumnCount(volume), extent.width);
    // As floats the weighted sums (below 2^24) are exact, and their quotient by
    // 40,000 cut toward zero is the integer one, in four lanes at a time.
    std::vector<float> right(columnWeights.begin(), columnWeights.end());
    std::vector<float> left(right.size());
    for (std::size_t x = 0; x < right.size(); ++x)
        left[x] = static_cast<float>(kWeightSteps) - right[x];
    std::vector<uint8_t> greys(static_cast<std::size_t>(extent.width));
    const int cw = geometry.cell_width;
    for (int y = 0; y < extent.height; ++y) {
        const int i = y / geometry.cell_height;
        const int wy = rowWeights[static_cast<std::size_t>(y)];
        const int16_t *upper = grid.row(i);
        const int16_t *lower = grid.row(i + 1);
        for (int j = 0, x0 = 0; x0 < extent.width; ++j, x0 += cw) {
            const int count = std::min(cw, extent.width - x0);
            const auto a = static_cast<float>((kWeightSteps - wy) * upper[j] + wy * lower[j]);
            const auto b = static_cast<float>((kWeightSteps - wy) * upper[j + 1] + wy * lower[j + 1]);
            const float *__restrict wa = left.data() + x0;
            const float *__restrict wb = right.data() + x0;
            uint8_t *__restrict grey = greys.data() + x0;
            // the corners are grey levels of at most 255, so their blend is too
            for (int x = 0; x < count; ++x)
                grey[x] = static_cast<uint8_t>(static_cast<int>((a * wa[x] + b * wb[x]) / 40000.0f));
        }
        uint8_t *row = image.scanLine(y);
        expandGreys(greys.data(), extent.width, row);
        if (i + 1 == marked.row && marked.column >= 1) {
            const int x0 = (marked.column - 1) * cw;
            if (x0 < extent.width)
                paintCursor(row + 3 * x0, std::min(cw, extent.width - x0));
        }
    }
}

}  // namespace

void measureCells(const ScanVolume &volume, const QImage &image, SliceGeometry &geometry)
{
    // every cell whole, the last one included
    const int columns = gridColumnCount(volume);
    const int rows = gridRowCount(volume);
    geometry.cell_width = std::max((image.width() - 1) / columns, kMinimumCell);
    geometry.cell_height = std::max((image.height() - 1) / rows, kMinimumCell);
    geometry.grid_pixel_width = checkedMul(geometry.cell_width, columns);
    geometry.grid_pixel_height = checkedMul(geometry.cell_height, rows);
}

void drawMainImage(const ScanVolume &volume, const ViewState &view, SliceGeometry &geometry, QImage &image)
{
    if (image.format() != QImage::Format_BGR888)
        throw RangeError();
    measureCells(volume, image, geometry);
    const Extent extent{std::max(image.width() - 1, 0), std::max(image.height() - 1, 0)};
    if (view.smoothing == 1)
        drawSmoothed(volume, geometry, markedCell(view), extent, image);
    else
        drawBlocks(volume.slice_grid, geometry, markedCell(view), extent, image);
}
