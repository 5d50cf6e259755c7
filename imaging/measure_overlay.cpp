#include "measure_overlay.h"

#include <QPainter>

namespace {

// The grid cell (0-based row and column) a point lies in for the view.
QPointF cellCentre(SliceAxis axis, const VolumePoint &point, const SliceGeometry &geometry)
{
    int row = 0;
    int column = 0;
    switch (axis) {
    case SliceAxis::X:
        row = point.depth - 1;
        column = point.layer - 1;
        break;
    case SliceAxis::Y:
        row = point.depth - 1;
        column = point.slice;
        break;
    case SliceAxis::Z:
        row = point.layer - 1;
        column = point.slice;
        break;
    }
    return {(column + 0.5) * geometry.cell_width, (row + 0.5) * geometry.cell_height};
}

}  // namespace

VolumePoint measurePointAt(const ViewState &view, const SliceGeometry &geometry, int x, int y)
{
    const int cw = geometry.cell_width;
    const int ch = geometry.cell_height;
    ViewState moved = view;
    switch (view.axis) {
    case SliceAxis::Z:
        setSlice(moved, ceilingDivision(x, cw) - 1);
        setLayer(moved, ceilingDivision(y, ch));
        break;
    case SliceAxis::Y:
        setSlice(moved, ceilingDivision(x, cw) - 1);
        setDepth(moved, ceilingDivision(y + 1, ch));
        break;
    case SliceAxis::X:
        setDepth(moved, ceilingDivision(y, ch));
        setLayer(moved, ceilingDivision(x, cw));
        break;
    }
    return {moved.slice, moved.layer, moved.depth};
}

QLineF measureLine(const ViewState &view, const VolumePoint &point, const SliceGeometry &geometry)
{
    const VolumePoint cursor{view.slice, view.layer, view.depth};
    return {cellCentre(view.axis, cursor, geometry), cellCentre(view.axis, point, geometry)};
}

void drawMeasureOverlay(QPainter &painter, const QLineF &line)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(line);
    painter.setPen(QPen(QColor(0, 90, 255), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(line);
    painter.setBrush(QColor(0, 90, 255));
    painter.drawEllipse(line.p2(), 4, 4);
    painter.restore();
}
