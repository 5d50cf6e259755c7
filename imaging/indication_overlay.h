#pragma once
// The indications over the main slice image: the outline of each drop extent
// that the shown slice cuts, with its number, drawn in the widget over the
// image, never into the bitmap.

#include "indications.h"
#include "slice_renderer.h"

#include <QRect>

#include <vector>

class QPainter;

struct IndicationMark {
    int number;
    QRect outline;  // in pixels of the main image: the cells of the extent
};

// The marks of the indications the view's slice cuts: view X the slice at
// the cursor, view Y the layer, view Z the depth position (or, showing the
// gate maximum, every indication).
std::vector<IndicationMark> indicationMarks(const std::vector<Indication> &indications, const ViewState &view,
                                            const SliceGeometry &geometry);

void drawIndicationMarks(QPainter &painter, const std::vector<IndicationMark> &marks);
