#include "slice_renderer.h"

void renderSlice(ScanVolume &volume, const ViewState &view, SliceGeometry &geometry, SliceBitmaps &bitmaps)
{
    fillSliceGrid(volume, view, geometry);
    mapGreyLevels(volume.slice_grid, view.brightness);
    drawOverview(volume.slice_grid, volume, bitmaps.overview);
    drawMainImage(volume, view, geometry, bitmaps.mainImage);
    DrawAScan(volume, view, bitmaps.aScan);
}

RenderedSlice renderSliceAt(ScanVolume &volume, const ViewState &view, QSize size)
{
    RenderedSlice rendered{makeSliceBitmap(size.width(), size.height()),
                           makeSliceBitmap(kOverviewWidth, kOverviewHeight), makeAScanBitmap(), {}};
    SliceBitmaps bitmaps{rendered.mainImage, rendered.overview, rendered.aScan};
    renderSlice(volume, view, rendered.geometry, bitmaps);
    return rendered;
}
