#include "scan_thumbnail.h"

#include "scan_file_open.h"
#include "scan_loader.h"
#include "slice_renderer.h"

#include <QFile>
#include <QFileInfo>

namespace {

// View Z over all depth rows; layer 0 and slice -1 mark no cell.
ViewState thumbnailView()
{
    ViewState view;
    view.axis = SliceAxis::Z;
    view.showGateMaximum = true;
    view.topBorder = ViewRanges::Border.minimum;
    view.bottomBorder = ViewRanges::Border.maximum;
    view.layer = 0;
    view.slice = -1;
    return view;
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
    QFile file(path);
    if (const auto reason = openScanFile(file))
        return {{}, QStringLiteral("cannot open: %1").arg(*reason)};
    const ScanFileRead read = readScanFileInto(file, *volume_);
    if (!read.magicMatches)
        return {{}, QStringLiteral("not a scan file")};
    if (read.imageBytesRead < ScanLayout::kImageSize)
        return {{}, QStringLiteral("the file ends after %1 of %2 image bytes")
                        .arg(read.imageBytesRead)
                        .arg(ScanLayout::kImageSize)};
    smoothLoadedImage(*volume_);
    const ViewState view = thumbnailView();
    SliceGeometry geometry;
    fillSliceGrid(*volume_, view, geometry);
    mapGreyLevels(volume_->slice_grid, view.brightness);
    QImage picture = makeSliceBitmap(size.width(), size.height());
    drawMainImage(*volume_, view, geometry, picture);
    return {picture, {}};
}
