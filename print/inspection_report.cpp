#include "inspection_report.h"

#include "pdf_page.h"
#include "report_drawing.h"
#include "report_indication_pages.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>

using namespace ReportPage;

namespace {

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
    painter.setFont(reportFont(8));
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

void drawLines(QPainter &painter, const QRectF &band, const QStringList &lines, int columns)
{
    painter.setFont(reportFont(8));
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
    painter.setFont(reportFont(8, true));
    painter.drawText(QRectF(band.topLeft(), QSizeF(band.width(), mm(kLineMm))), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Notes"));
    painter.setFont(reportFont(8));
    const QRectF text = band.adjusted(0, mm(kLineMm), 0, 0);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     notes.isEmpty() ? QStringLiteral("(none)") : notes);
}

void paintFirstPage(QPainter &painter, const QRectF &area, const InspectionReport &report)
{
    PageCursor page(area.adjusted(0, 0, 0, -mm(kFooterMm)));
    painter.setFont(reportFont(13, true));
    painter.drawText(page.take(7), Qt::AlignLeft | Qt::AlignVCenter, report.heading);
    drawFields(painter, page.take(linesHeightMm(report.titleBlock.size(), 2)), report.titleBlock, 2);

    const QRectF slices = page.take(62);
    const qreal sliceWidth = (slices.width() - 2 * mm(kGapMm)) / 3;
    for (int i = 0; i < 3; ++i) {
        const QRectF cell(slices.left() + i * (sliceWidth + mm(kGapMm)), slices.top(), sliceWidth, slices.height());
        drawReportSlice(painter, cell, report.slices[static_cast<size_t>(i)]);
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
    const QRect paintRect = device.pageLayout().paintRectPixels(kResolution);
    const QRectF area(0, 0, paintRect.width(), paintRect.height());
    std::optional<IndicationPages> more;
    if (report.indications)
        more.emplace(*report.indications, area.size(), device);
    const int wallPages = report.wallMap ? 1 : 0;
    const int pages = 1 + wallPages + (more ? more->count() : 0);
    paintFirstPage(painter, area, report);
    drawPageFooter(painter, area, report.fileName, 1, pages);
    for (int page = 2; page <= pages; ++page) {
        if (!device.newPage())
            return false;
        if (page - 2 < wallPages)
            paintWallMapPage(painter, area, *report.wallMap);
        else
            more->paint(painter, page - 2 - wallPages, area);
        drawPageFooter(painter, area, report.fileName, page, pages);
    }
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
