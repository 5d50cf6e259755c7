#pragma once
// The renderer of the slice pictures: the main slice image, the small
// overview and the A-scan of the trace under the cursor. It redraws all of
// them from the scan image and the view, and leaves behind the grey levels of
// the slice (in the volume's slice grid) and its cell geometry.

#include "scan_volume.h"
#include "view_state.h"

#include <QImage>

#include <cstdint>

struct SliceGeometry {
    int32_t cell_width = 0;   // pixels of one grid cell in the main image
    int32_t cell_height = 0;
    int32_t grid_pixel_width = 0;
    int32_t grid_pixel_height = 0;
    // The part of the grid filled with samples: first row or column and their count.
    int32_t filled_first_row = 0;
    int32_t filled_row_span = 0;
    int32_t filled_first_col = 0;
    int32_t filled_col_span = 0;
};

// The bitmaps the renderer writes: the main image and the overview are 24-bit
// (Format_BGR888, three bytes a pixel in the order blue, green, red), the
// A-scan 8-bit with the VGA palette (makeAScanBitmap).
struct SliceBitmaps {
    QImage &mainImage;
    QImage &overview;
    QImage &aScan;
};

constexpr int kOverviewWidth = 200;
constexpr int kOverviewHeight = 100;
constexpr int kAScanWidth = 128;
constexpr int kAScanHeight = 80;

// Palette indexes the A-scan is drawn with.
constexpr uint8_t kAScanBackground = 0;  // black
constexpr uint8_t kAScanBar = 2;         // green: red 0, green 128, blue 0

// A white 24-bit bitmap for the main image or the overview.
QImage makeSliceBitmap(int width, int height);
// A black 128 x 80 A-scan bitmap whose palette begins with the 16 VGA colours.
QImage makeAScanBitmap();

// Draws everything: grid, grey levels, overview, main image, A-scan.
void renderSlice(ScanVolume &volume, const ViewState &view, SliceGeometry &geometry, SliceBitmaps &bitmaps);

// The pictures and cell geometry of one render into fresh bitmaps.
struct RenderedSlice {
    QImage mainImage;
    QImage overview;
    QImage aScan;
    SliceGeometry geometry;
};

// One render with a main image of the given size; the volume keeps the
// slice's grey levels, as after renderSlice.
RenderedSlice renderSliceAt(ScanVolume &volume, const ViewState &view, QSize size);

// The parts of a render, in their order.
void fillSliceGrid(ScanVolume &volume, const ViewState &view, SliceGeometry &geometry);
void mapGreyLevels(SliceGrid &grid, int brightness);
void drawOverview(const SliceGrid &grid, const ScanVolume &volume, QImage &overview);
void drawMainImage(const ScanVolume &volume, const ViewState &view, SliceGeometry &geometry, QImage &image);
// The cell geometry the main image has in this bitmap for the grid ranges of
// the last render, without drawing.
void measureCells(const ScanVolume &volume, const QImage &image, SliceGeometry &geometry);
void DrawAScan(const ScanVolume &volume, const ViewState &view, QImage &aScan);

// 255 - Trunc(|2 v (B / 50 + 1)|) in 80-bit extended arithmetic, within 0..255.
int greyLevel(int value, int brightness);

// The four-triangle interpolation of the overview for one pixel at (dx, dy)
// of a cell of cw x ch pixels with corners a (top left), b, c, d; t is the
// running value, kept when no triangle claims the pixel.
int overviewPixel(int a, int b, int c, int d, int dx, int dy, int cw, int ch, int t);

// The cell under the cursor, 1-based as the views compare it; 0 marks nothing.
struct MarkedCell {
    int row;
    int column;
};
MarkedCell markedCell(const ViewState &view);
