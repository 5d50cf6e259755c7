#include "gained_render.h"

#include "time_corrected_gain.h"

void renderSliceThroughGain(ScanVolume &volume, const ViewState &view, SliceGeometry &geometry,
                            SliceBitmaps &bitmaps, const std::optional<DacCurve> &gain)
{
    {
        const TimeCorrectedImage corrected(volume, gain);
        renderSlice(volume, view, geometry, bitmaps);
    }
    if (gain)
        DrawAScan(volume, view, bitmaps.aScan);
}

RenderedSlice renderSliceThroughGainAt(ScanVolume &volume, const ViewState &view, QSize size,
                                       const std::optional<DacCurve> &gain)
{
    if (!gain)
        return renderSliceAt(volume, view, size);
    RenderedSlice rendered;
    {
        const TimeCorrectedImage corrected(volume, gain);
        rendered = renderSliceAt(volume, view, size);
    }
    DrawAScan(volume, view, rendered.aScan);
    return rendered;
}
