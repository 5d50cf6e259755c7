#pragma once
// The main slice image for a screen with more device pixels than logical
// ones (a scale factor of 2): drawn by the renderer at the device pixels
// rather than scaled up, so that the smoothed image keeps its detail.

#include "slice_palettes.h"
#include "slice_renderer.h"

// The main image as shown in bitmap (drawn with geometry) at ratio times its
// pixels each way: every cell of ratio times its size (rounded), drawn
// afresh in the palette's colours; the pixels outside the grid scaled up
// from bitmap.
QImage drawSharpMainImage(const ScanVolume &volume, const ViewState &view, const SliceGeometry &geometry,
                          const QImage &bitmap, qreal ratio, SlicePalette palette);
