#pragma once
// The two-point measurement on the slice image: the measure point a click
// names, and the line from the cursor cell to it, drawn over the image in the
// widget that shows it, never into the bitmap.

#include "finding_readings.h"
#include "slice_renderer.h"

#include <QLineF>

class QPainter;

// The point a click at pixel (x, y) of the main slice image names: the two
// coordinates the view shows from the cell under the click (as a click moves
// the cursor), the third from the cursor; each kept within its range.
VolumePoint measurePointAt(const ViewState &view, const SliceGeometry &geometry, int x, int y);

// From the centre of the cursor cell to the centre of the measure point's cell.
QLineF measureLine(const ViewState &view, const VolumePoint &point, const SliceGeometry &geometry);

void drawMeasureOverlay(QPainter &painter, const QLineF &line);
