#pragma once
// The slice pictures as the window shows them: the main image and the
// overview drawn from the samples raised by the DAC's gain when TCG is on,
// then their cells coloured by the palette; the A-scan from the trace as
// recorded. With
// neither, the renderer's own pictures, byte for byte.

#include "dac_curve.h"
#include "slice_palettes.h"
#include "slice_renderer.h"

#include <optional>

struct SliceLook {
    std::optional<DacCurve> gain;  // none with TCG off
    SlicePalette palette = SlicePalette::Grey;
};

void renderShownSlice(ScanVolume &volume, const ViewState &view, SliceGeometry &geometry, SliceBitmaps &bitmaps,
                      const SliceLook &look);

RenderedSlice renderShownSliceAt(ScanVolume &volume, const ViewState &view, QSize size, const SliceLook &look);
