#include "scan_thumbnail.h"

#include "gate_maximum.h"
#include "scan_loader.h"
#include "slice_renderer.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// View Z at the threshold's start value; layer 0 and slice -1 mark no cell.
ViewState thumbnailView()
{
    ViewState view;
    view.axis = SliceAxis::Z;
    view.layer = 0;
    view.slice = -1;
    return view;
}

// Puts the gated C-scan below the surface echo into the cells of view Z;
// gives its largest value.
int fillBelowSurfaceEcho(ScanVolume &volume, int threshold)
{
    int largest = 0;
    for (int row = 0; row <= volume.grid_last_row; ++row) {
        for (int column = 0; column <= volume.grid_last_col; ++column) {
            const int value = gateMaximumBelowSurfaceEcho(volume, row + 1, column, threshold);
            volume.slice_grid.at(row, column) = static_cast<int16_t>(value);
            largest = std::max(largest, value);
        }
    }
    return largest;
}

// Grey levels that make the largest value black and no echo white.
void mapGreyLevelsToLargest(SliceGrid &grid, int largest)
{
    for (int row = 0; row < grid.rows(); ++row) {
        int16_t *cells = grid.row(row);
        for (int column = 0; column < grid.columns(); ++column)
            cells[column] = static_cast<int16_t>(largest > 0 ? 255 - 255 * cells[column] / largest : 255);
    }
}

}  // namespace

ThumbnailMaker::ThumbnailMaker() : volume_(std::make_unique<ScanVolume>())
{
    AllocateVolumeArrays(*volume_, {});
}

ThumbnailMaker::~ThumbnailMaker() = default;

ScanThumbnail ThumbnailMaker::make(const QString &path, QSize size)
{
    // only regular files: opening a pipe or a device would wait for ever
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {{}, QStringLiteral("not a regular file")};
    const ScanFileLoad load = loadScanFile(path, *volume_);
    if (load.openFailure)
        return {{}, QStringLiteral("cannot open: %1").arg(*load.openFailure)};
    if (!load.isScanFile())
        return {{}, QStringLiteral("not a scan file")};
    if (load.isShort())
        return {{}, QStringLiteral("the file ends after %1 of %2 image bytes")
                        .arg(load.read.imageBytesRead)
                        .arg(ScanLayout::kImageSize)};
    const ViewState view = thumbnailView();
    SliceGeometry geometry;
    fillSliceGrid(*volume_, view, geometry);
    mapGreyLevelsToLargest(volume_->slice_grid, fillBelowSurfaceEcho(*volume_, view.threshold));
    QImage picture = makeSliceBitmap(size.width(), size.height());
    drawMainImage(*volume_, view, geometry, picture);
    return {picture, {}};
}
