#include "shown_slice.h"

#include "time_corrected_gain.h"

namespace {

// After a render through the gain: the A-scan again from the trace as
// recorded, and the palette's colours over the cells of the slice image and
// the whole overview.
void finishLook(const ScanVolume &volume, const ViewState &view, const SliceGeometry &geometry,
                SliceBitmaps &bitmaps, const SliceLook &look)
{
    if (look.gain)
        DrawAScan(volume, view, bitmaps.aScan);
    applyPalette(bitmaps.mainImage, look.palette, QRect(0, 0, geometry.grid_pixel_width, geometry.grid_pixel_height));
    applyPalette(bitmaps.overview, look.palette, bitmaps.overview.rect());
}

}  // namespace

void renderShownSlice(ScanVolume &volume, const ViewState &view, SliceGeometry &geometry, SliceBitmaps &bitmaps,
                      const SliceLook &look)
{
    {
        const TimeCorrectedImage corrected(volume, look.gain);
        renderSlice(volume, view, geometry, bitmaps);
    }
    finishLook(volume, view, geometry, bitmaps, look);
}

RenderedSlice renderShownSliceAt(ScanVolume &volume, const ViewState &view, QSize size, const SliceLook &look)
{
    RenderedSlice rendered;
    {
        const TimeCorrectedImage corrected(volume, look.gain);
        rendered = renderSliceAt(volume, view, size);
    }
    SliceBitmaps bitmaps{rendered.mainImage, rendered.overview, rendered.aScan};
    finishLook(volume, view, rendered.geometry, bitmaps, look);
    return rendered;
}
