#include "sharp_slice_image.h"

#include "checked.h"
#include "slice_cells.h"

#include <QPainter>

#include <cmath>

QImage drawSharpMainImage(const ScanVolume &volume, const ViewState &view, const SliceGeometry &geometry,
                          const QImage &bitmap, qreal ratio, SlicePalette palette)
{
    QImage sharp = bitmap.scaled((QSizeF(bitmap.size()) * ratio).toSize());
    const int columns = gridColumnCount(volume);
    const int rows = gridRowCount(volume);
    // the renderer makes its cells (size - 1) / count pixels: one pixel more than the grid
    const int cellWidth = static_cast<int>(std::lround(geometry.cell_width * ratio));
    const int cellHeight = static_cast<int>(std::lround(geometry.cell_height * ratio));
    QImage grid = makeSliceBitmap(checkedAdd(checkedMul(cellWidth, columns), 1),
                                  checkedAdd(checkedMul(cellHeight, rows), 1));
    SliceGeometry sharpGeometry = geometry;
    drawMainImage(volume, view, sharpGeometry, grid);
    applyPalette(grid, palette, QRect(0, 0, sharpGeometry.grid_pixel_width, sharpGeometry.grid_pixel_height));
    QPainter(&sharp).drawImage(0, 0, grid, 0, 0, sharpGeometry.grid_pixel_width, sharpGeometry.grid_pixel_height);
    return sharp;
}
