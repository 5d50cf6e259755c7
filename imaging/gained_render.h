#pragma once
// The slice pictures with time-corrected gain: the main image and the
// overview drawn from the samples raised by the DAC's gain, the A-scan from
// the trace as recorded. Without a DAC, the renderer's own pictures.

#include "dac_curve.h"
#include "slice_renderer.h"

#include <optional>

void renderSliceThroughGain(ScanVolume &volume, const ViewState &view, SliceGeometry &geometry,
                            SliceBitmaps &bitmaps, const std::optional<DacCurve> &gain);

RenderedSlice renderSliceThroughGainAt(ScanVolume &volume, const ViewState &view, QSize size,
                                       const std::optional<DacCurve> &gain);
