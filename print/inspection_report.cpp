#include "inspection_report.h"

#include "measure_overlay.h"
#include "pdf_page.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>

namespace {

constexpr int kResolution = 300;  // device pixels per inch of the PDF page
constexpr qreal kMarginMm = 12;
constexpr qreal kGapMm = 4;
constexpr qreal kLineMm = 4.6;

qreal mm(qreal millimetres)
{
    return millimetres * kResolution / 25.4;
}

QFont textFont(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The page's content area, handed from section to section downwards.
class PageCursor {
public:
    explicit PageCursor(const QRectF &area) : area_(area), top_(area.top()) {}
    QRectF take(qreal heightMm)
    {
        const QRectF band(area_.left(), top_, area_.width(), mm(heightMm));
        top_ += mm(heightMm + kGapMm);
        return band;
    }
    QRectF rest() const { return QRectF(area_.left(), top_, area_.width(), area_.bottom() - top_); }

private:
    QRectF area_;
    qreal top_;
};

void drawFields(QPainter &painter, const QRectF &band, const QList<ReportField> &fields, int columns)
{
    painter.setFont(textFont(8));
    const int rows = (fields.size() + columns - 1) / columns;
    const qreal columnWidth = band.width() / columns;
    const qreal nameWidth = columnWidth * 0.42;
    for (int i = 0; i < fields.size(); ++i) {
        const QPointF topLeft(band.left() + (i / rows) * columnWidth, band.top() + (i % rows) * mm(kLineMm));
        const QRectF name(topLeft, QSizeF(nameWidth, mm(kLineMm)));
        const QRectF value(topLeft + QPointF(nameWidth, 0), QSizeF(columnWidth - nameWidth - mm(2), mm(kLineMm)));
        painter.setPen(Qt::darkGray);
        painter.drawText(name, Qt::AlignLeft | Qt::AlignVCenter, fields[i].name);
        painter.setPen(Qt::black);
        painter.drawText(value, Qt::AlignLeft | Qt::AlignVCenter, fields[i].value);
    }
}

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
    painter.setFont(textFont(5));
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

void drawLines(QPainter &painter, const QRectF &band, const QStringList &lines, int columns)
{
    painter.setFont(textFont(8));
    painter.setPen(Qt::black);
    const int rows = (lines.size() + columns - 1) / columns;
    const qreal columnWidth = band.width() / columns;
    for (int i = 0; i < lines.size(); ++i) {
        const QPointF topLeft(band.left() + (i / rows) * columnWidth, band.top() + (i % rows) * mm(kLineMm));
        painter.drawText(QRectF(topLeft, QSizeF(columnWidth - mm(2), mm(kLineMm))), Qt::AlignLeft | Qt::AlignVCenter,
                         lines[i]);
    }
}

qreal linesHeightMm(qsizetype count, int columns)
{
    return ((count + columns - 1) / columns) * kLineMm;
}

void drawSlice(QPainter &painter, const QRectF &cell, const ReportSlice &slice)
{
    painter.setPen(Qt::black);
    painter.setFont(textFont(7, true));
    painter.drawText(QRectF(cell.topLeft(), QSizeF(cell.width(), mm(4))), Qt::AlignLeft | Qt::AlignVCenter,
                     slice.caption);
    const QRectF room = cell.adjusted(mm(8.5), mm(4.5), 0, -mm(8.5));
    const QSizeF size = QSizeF(slice.image.size()).scaled(room.size(), Qt::KeepAspectRatio);
    const QRectF picture(room.topLeft(), size);
    painter.drawImage(picture, slice.image);
    const qreal scale = picture.width() / slice.image.width();
    if (slice.measureLine) {
        painter.save();
        painter.translate(picture.topLeft());
        painter.scale(scale, scale);
        drawMeasureOverlay(painter, *slice.measureLine);
        painter.restore();
    }
    drawRulers(painter, picture, scale, slice);
    painter.setFont(textFont(5.5));
    painter.setPen(Qt::darkGray);
    const QRectF units(picture.left(), picture.bottom() + mm(4.3), picture.width(), mm(2.6));
    painter.drawText(units, Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("across: %1, down: %2").arg(slice.acrossUnit, slice.downUnit));
}

void drawPicture(QPainter &painter, const QRectF &room, const QImage &picture)
{
    if (picture.isNull())
        return;
    const QSizeF size = QSizeF(picture.size()).scaled(room.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRectF(room.topLeft(), size), picture);
}

// The plot is laid out for the screen: it is drawn at the screen's scale, its
// texts still text.
void drawTracePlotAtScreenScale(QPainter &painter, const QRectF &room, const TracePlot &plot)
{
    constexpr qreal kScreenResolution = 96;
    constexpr qreal scale = kResolution / kScreenResolution;
    painter.save();
    painter.translate(room.topLeft());
    painter.scale(scale, scale);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    painter.setFont(font);
    drawTracePlot(painter, QRectF(0, 0, room.width() / scale, room.height() / scale).toRect(), plot);
    painter.restore();
}

void drawNotes(QPainter &painter, const QRectF &band, const QString &notes)
{
    painter.setPen(Qt::black);
    painter.setFont(textFont(8, true));
    painter.drawText(QRectF(band.topLeft(), QSizeF(band.width(), mm(kLineMm))), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Notes"));
    painter.setFont(textFont(8));
    const QRectF text = band.adjusted(0, mm(kLineMm), 0, 0);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     notes.isEmpty() ? QStringLiteral("(none)") : notes);
}

void paintPage(QPainter &painter, const QRectF &area, const InspectionReport &report)
{
    PageCursor page(area);
    painter.setFont(textFont(13, true));
    painter.drawText(page.take(7), Qt::AlignLeft | Qt::AlignVCenter, report.heading);
    drawFields(painter, page.take(linesHeightMm(report.titleBlock.size(), 2)), report.titleBlock, 2);

    const QRectF slices = page.take(62);
    const qreal sliceWidth = (slices.width() - 2 * mm(kGapMm)) / 3;
    for (int i = 0; i < 3; ++i) {
        const QRectF cell(slices.left() + i * (sliceWidth + mm(kGapMm)), slices.top(), sliceWidth, slices.height());
        drawSlice(painter, cell, report.slices[static_cast<size_t>(i)]);
    }

    const QRectF pictures = page.take(82);
    const qreal half = (pictures.width() - mm(kGapMm)) / 2;
    drawPicture(painter, QRectF(pictures.topLeft(), QSizeF(half, pictures.height())), report.picture3d);
    drawTracePlotAtScreenScale(painter, QRectF(pictures.left() + half + mm(kGapMm), pictures.top(), half,
                                               pictures.height()),
                               report.trace);

    drawLines(painter, page.take(linesHeightMm(report.readings.size(), 2)), report.readings, 2);
    drawNotes(painter, page.rest(), report.notes);
}

}  // namespace

bool paintInspectionReport(QPagedPaintDevice &device, const InspectionReport &report)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area = device.pageLayout().paintRectPixels(kResolution);
    paintPage(painter, QRectF(0, 0, area.width(), area.height()), report);
    return painter.end();
}

WriteOutcome writeInspectionReport(const QString &path, const InspectionReport &report)
{
    const PdfDocument document{QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                           QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                           QPageLayout::Millimeter),
                               kResolution, report.heading, report.creator};
    return savePdf(path, document,
                   [&](QPagedPaintDevice &device) { return paintInspectionReport(device, report); });
}
