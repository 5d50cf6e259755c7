#include "report_drawing.h"

#include "measure_overlay.h"

#include <QPainter>

using namespace ReportPage;

namespace {

// The rulers drawn as lines and text beside the picture, from the marks the
// program's rulers are drawn from, scaled as the picture is. Marks past the
// last cell, where the picture holds no data, are left out: a depth scale
// there would claim depths the scan does not reach.
void drawRulers(QPainter &painter, const QRectF &picture, qreal scale, const ReportSlice &slice)
{
    const AxisRulerMarks &marks = slice.marks;
    const auto downInside = [&](int y) { return y <= slice.cellsExtent.height(); };
    const auto acrossInside = [&](int x) { return x - kRulerWidth <= slice.cellsExtent.width(); };
    painter.setPen(QPen(Qt::black, 0));
    painter.setFont(reportFont(5));
    const qreal leftEdge = picture.left();
    const qreal bottomEdge = picture.bottom();
    for (int y : marks.leftMinor)
        if (downInside(y))
            painter.drawLine(QPointF(leftEdge - mm(0.8), picture.top() + y * scale), QPointF(leftEdge, picture.top() + y * scale));
    for (int y : marks.leftMajor)
        if (downInside(y))
            painter.drawLine(QPointF(leftEdge - mm(1.6), picture.top() + y * scale), QPointF(leftEdge, picture.top() + y * scale));
    for (const RulerLabel &label : marks.leftLabels) {
        if (!downInside(label.topLeft.y() - 1))
            continue;
        const QRectF box(leftEdge - mm(8), picture.top() + (label.topLeft.y() - 1) * scale, mm(6.2), mm(2.5));
        painter.drawText(box, Qt::AlignRight | Qt::AlignTop, label.text);
    }
    // The bottom ruler's columns count from the left ruler's left edge.
    const qreal origin = picture.left() - kRulerWidth * scale;
    for (int x : marks.bottomMinor)
        if (acrossInside(x))
            painter.drawLine(QPointF(origin + x * scale, bottomEdge), QPointF(origin + x * scale, bottomEdge + mm(0.8)));
    for (int x : marks.bottomMajor)
        if (acrossInside(x))
            painter.drawLine(QPointF(origin + x * scale, bottomEdge), QPointF(origin + x * scale, bottomEdge + mm(1.6)));
    for (const RulerLabel &label : marks.bottomLabels) {
        if (!acrossInside(label.topLeft.x() + 10))
            continue;
        const qreal x = origin + (label.topLeft.x() + 10) * scale;
        painter.drawText(QRectF(x - mm(4), bottomEdge + mm(1.7), mm(8), mm(2.5)), Qt::AlignHCenter | Qt::AlignTop,
                         label.text);
    }
}

// The drop extent of an indication, in the picture's pixels, with its number
// above its top left corner.
void drawOutline(QPainter &painter, const ReportOutline &outline)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 4));
    painter.drawRect(outline.box);
    painter.setPen(QPen(QColor(230, 110, 0), 2));
    painter.drawRect(outline.box);
    painter.setFont(reportFont(9, true));
    const QRectF label(outline.box.left(), outline.box.top() - 24, 120, 22);
    painter.drawText(label, Qt::AlignLeft | Qt::AlignBottom, outline.label);
    painter.restore();
}

}  // namespace

qreal mm(qreal millimetres)
{
    return millimetres * kResolution / 25.4;
}

QFont reportFont(qreal points, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void drawReportSlice(QPainter &painter, const QRectF &cell, const ReportSlice &slice)
{
    painter.setPen(Qt::black);
    painter.setFont(reportFont(7, true));
    painter.drawText(QRectF(cell.topLeft(), QSizeF(cell.width(), mm(4))), Qt::AlignLeft | Qt::AlignVCenter,
                     slice.caption);
    const QRectF room = cell.adjusted(mm(8.5), mm(4.5), 0, -mm(8.5));
    const QSizeF size = QSizeF(slice.image.size()).scaled(room.size(), Qt::KeepAspectRatio);
    const QRectF picture(room.topLeft(), size);
    painter.drawImage(picture, slice.image);
    const qreal scale = picture.width() / slice.image.width();
    if (slice.measureLine || slice.outline) {
        painter.save();
        painter.translate(picture.topLeft());
        painter.scale(scale, scale);
        if (slice.measureLine)
            drawMeasureOverlay(painter, *slice.measureLine);
        if (slice.outline)
            drawOutline(painter, *slice.outline);
        painter.restore();
    }
    drawRulers(painter, picture, scale, slice);
    painter.setFont(reportFont(5.5));
    painter.setPen(Qt::darkGray);
    const QRectF units(picture.left(), picture.bottom() + mm(4.3), picture.width(), mm(2.6));
    painter.drawText(units, Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("across: %1, down: %2").arg(slice.acrossUnit, slice.downUnit));
}

void drawPageFooter(QPainter &painter, const QRectF &area, const QString &fileName, int page, int pages)
{
    const QRectF band(area.left(), area.bottom() - mm(kFooterMm) + mm(1.5), area.width(), mm(kFooterMm - 1.5));
    painter.setPen(QPen(Qt::darkGray, 0));
    painter.drawLine(band.topLeft(), band.topRight());
    painter.setFont(reportFont(7));
    painter.drawText(band, Qt::AlignLeft | Qt::AlignBottom, fileName);
    painter.drawText(band, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Page %1 of %2").arg(page).arg(pages));
}
