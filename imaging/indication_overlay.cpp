#include "indication_overlay.h"

#include <QPainter>

namespace {

// The cells of the extent in the view's grid: rows and columns, 0-based, as
// the renderer lays them out.
struct CellSpan {
    int firstRow, lastRow, firstColumn, lastColumn;
};

std::optional<CellSpan> spanInView(const SampleBox &box, const ViewState &view)
{
    switch (view.axis) {
    case SliceAxis::X:
        if (view.slice < box.sliceFirst || view.slice > box.sliceLast)
            return std::nullopt;
        return CellSpan{box.byteFirst - 1, box.byteLast - 1, box.layerFirst - 1, box.layerLast - 1};
    case SliceAxis::Y:
        if (view.layer < box.layerFirst || view.layer > box.layerLast)
            return std::nullopt;
        return CellSpan{box.byteFirst - 1, box.byteLast - 1, box.sliceFirst, box.sliceLast};
    case SliceAxis::Z:
        if (!view.showGateMaximum && (view.depth < box.byteFirst || view.depth > box.byteLast))
            return std::nullopt;
        return CellSpan{box.layerFirst - 1, box.layerLast - 1, box.sliceFirst, box.sliceLast};
    }
    return std::nullopt;
}

}  // namespace

std::vector<IndicationMark> indicationMarks(const std::vector<Indication> &indications, const ViewState &view,
                                            const SliceGeometry &geometry)
{
    std::vector<IndicationMark> marks;
    const int cw = geometry.cell_width;
    const int ch = geometry.cell_height;
    for (const Indication &indication : indications) {
        if (const auto span = spanInView(indication.drop, view)) {
            const QRect outline(QPoint(span->firstColumn * cw, span->firstRow * ch),
                                QPoint((span->lastColumn + 1) * cw - 1, (span->lastRow + 1) * ch - 1));
            marks.push_back({indication.number, outline});
        }
    }
    return marks;
}

void drawIndicationMarks(QPainter &painter, const std::vector<IndicationMark> &marks)
{
    painter.save();
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    for (const IndicationMark &mark : marks) {
        painter.setPen(QPen(QColor(255, 160, 0), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(mark.outline);
        const QString number = QString::number(mark.number);
        const QRect label = painter.fontMetrics().boundingRect(number).adjusted(-2, 0, 2, 0);
        const QRect at(mark.outline.topLeft() - QPoint(0, label.height()), label.size());
        painter.fillRect(at, QColor(255, 160, 0));
        painter.setPen(Qt::black);
        painter.drawText(at, Qt::AlignCenter, number);
    }
    painter.restore();
}
