#include "report_indication_pages.h"

#include "report_drawing.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

using namespace ReportPage;

namespace {

constexpr qreal kHeadingMm = 15;  // the title and two lines
constexpr qreal kFurtherLineMm = 3.5;  // of the search, under the first two
constexpr qreal kHeaderMm = 5;
constexpr qreal kRowMm = 4.2;
constexpr qreal kCellPaddingMm = 0.8;
constexpr qreal kPicturesHeadingMm = 6;
constexpr qreal kPictureMm = 88;
constexpr int kPicturesInARow = 2;
constexpr qreal kSignatureMm = 32;
constexpr qreal kTablePoints = 7.5;

QFont tableFont(bool header = false)
{
    return reportFont(kTablePoints, header);
}

constexpr int kTextFlags = Qt::AlignTop | Qt::TextWordWrap;

QStringList titlesOf(const QList<ReportColumn> &columns)
{
    QStringList titles;
    for (const ReportColumn &column : columns)
        titles << column.title;
    return titles;
}

}  // namespace

IndicationPages::IndicationPages(const ReportIndications &indications, QSizeF area, QPaintDevice &device)
    : indications_(indications)
{
    qreal total = 0;
    for (const ReportColumn &column : indications.columns)
        total += column.width;
    qreal left = 0;
    for (const ReportColumn &column : indications.columns) {
        columnLefts_.push_back(left / total);
        left += column.width;
    }
    columnLefts_.push_back(1);

    // A row is as high as its tallest cell, the comment wrapped in its column.
    const QFontMetricsF metrics(tableFont(), &device);
    std::vector<qreal> rowHeights;
    for (const QStringList &cells : indications.rows) {
        qreal height = mm(kRowMm);
        for (int i = 0; i < cells.size() && i + 1 < static_cast<int>(columnLefts_.size()); ++i) {
            const qreal width = (columnLefts_[i + 1] - columnLefts_[i]) * area.width() - 2 * mm(kCellPaddingMm);
            height = std::max(height, metrics.boundingRect(QRectF(0, 0, width, 1e6), kTextFlags, cells[i]).height() +
                                          2 * mm(kCellPaddingMm));
        }
        rowHeights.push_back(height);
    }
    lay(rowHeights, area.height() - mm(kFooterMm));
}

// Each part goes below the one before, or at the top of a new page when it
// does not fit; a heading stays with what it heads, and a table continued on
// a new page is headed again.
void IndicationPages::lay(const std::vector<qreal> &rowHeights, qreal room)
{
    pages_.emplace_back();
    qreal top = 0;
    const auto place = [&](Part part, int index, qreal height, qreal keptWith = 0) {
        if (top > 0 && top + height + keptWith > room) {
            pages_.emplace_back();
            top = 0;
        }
        pages_.back().push_back({part, index, top, height});
        top += height;
        return pages_.back().size() == 1;
    };
    const qreal firstRow = rowHeights.empty() ? mm(kRowMm) : rowHeights.front();
    const int furtherLines = std::max<int>(0, indications_.search.count(QLatin1Char('\n')) - 1);
    place(Part::Heading, 0, mm(kHeadingMm + furtherLines * kFurtherLineMm), mm(kHeaderMm) + firstRow);
    place(Part::TableHeader, 0, mm(kHeaderMm), firstRow);
    if (rowHeights.empty())
        place(Part::NoRows, 0, mm(kRowMm));
    for (size_t i = 0; i < rowHeights.size(); ++i) {
        if (place(Part::Row, static_cast<int>(i), rowHeights[i])) {
            pages_.back().clear();
            top = 0;
            place(Part::TableHeader, 0, mm(kHeaderMm));
            place(Part::Row, static_cast<int>(i), rowHeights[i]);
        }
    }
    top += mm(kGapMm);
    const int pictures = static_cast<int>(indications_.pictures.size());
    for (int first = 0; first < pictures; first += kPicturesInARow) {
        if (first == 0)
            place(Part::PicturesHeading, 0, mm(kPicturesHeadingMm), mm(kPictureMm));
        place(Part::Pictures, first, mm(kPictureMm));
    }
    top += mm(kGapMm);
    place(Part::Signature, 0, mm(kSignatureMm));
}

void IndicationPages::paint(QPainter &painter, int index, const QRectF &area) const
{
    for (const Placed &placed : pages_[static_cast<size_t>(index)])
        paintPart(painter, placed, QRectF(area.left(), area.top() + placed.top, area.width(), placed.height));
}

void IndicationPages::paintPart(QPainter &painter, const Placed &placed, const QRectF &band) const
{
    painter.setPen(Qt::black);
    switch (placed.part) {
    case Part::Heading:
        painter.setFont(reportFont(10, true));
        painter.drawText(QRectF(band.topLeft(), QSizeF(band.width(), mm(6))), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("Indications"));
        painter.setFont(reportFont(7.5));
        painter.drawText(band.adjusted(0, mm(6), 0, 0), Qt::AlignLeft | Qt::AlignTop, indications_.search);
        break;
    case Part::TableHeader:
        paintCells(painter, band, titlesOf(indications_.columns), true);
        break;
    case Part::Row:
        paintCells(painter, band, indications_.rows[placed.index], false);
        break;
    case Part::NoRows:
        painter.setFont(tableFont());
        painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("No indications."));
        break;
    case Part::PicturesHeading:
        painter.setFont(reportFont(8, true));
        painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("The first indications in their slices"));
        break;
    case Part::Pictures: {
        const qreal width = (band.width() - mm(kGapMm)) / kPicturesInARow;
        for (int i = 0; i < kPicturesInARow && placed.index + i < indications_.pictures.size(); ++i) {
            const QRectF cell(band.left() + i * (width + mm(kGapMm)), band.top(), width, band.height());
            drawReportSlice(painter, cell, indications_.pictures[placed.index + i]);
        }
        break;
    }
    case Part::Signature:
        paintSignature(painter, band);
        break;
    }
}

void IndicationPages::paintCells(QPainter &painter, const QRectF &band, const QStringList &cells, bool header) const
{
    painter.setFont(tableFont(header));
    for (int i = 0; i < cells.size() && i < indications_.columns.size(); ++i) {
        const QRectF cell(band.left() + columnLefts_[i] * band.width(), band.top(),
                          (columnLefts_[i + 1] - columnLefts_[i]) * band.width(), band.height());
        painter.drawText(cell.adjusted(mm(kCellPaddingMm), mm(kCellPaddingMm), -mm(kCellPaddingMm), 0),
                         indications_.columns[i].alignment | kTextFlags, cells[i]);
    }
    painter.setPen(QPen(header ? Qt::black : Qt::lightGray, 0));
    painter.drawLine(band.bottomLeft(), band.bottomRight());
    painter.setPen(Qt::black);
}

// The inspector's name and the date as the record gives them, each on a line
// to be filled in by hand where the record leaves it empty, and the line to
// sign on.
void IndicationPages::paintSignature(QPainter &painter, const QRectF &band) const
{
    painter.setFont(reportFont(8, true));
    painter.drawText(QRectF(band.topLeft(), QSizeF(band.width(), mm(6))), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Signature"));
    const QList<ReportField> lines{{QStringLiteral("Inspector"), indications_.inspector},
                                   {QStringLiteral("Date"), indications_.date},
                                   {QStringLiteral("Signature"), QString()}};
    const qreal labelWidth = mm(22);
    const qreal lineWidth = mm(90);
    for (int i = 0; i < lines.size(); ++i) {
        const qreal bottom = band.top() + mm(6) + (i + 1) * mm(8);
        const QRectF label(band.left(), bottom - mm(6), labelWidth, mm(6));
        painter.setFont(reportFont(8));
        painter.setPen(Qt::darkGray);
        painter.drawText(label, Qt::AlignLeft | Qt::AlignBottom, lines[i].name);
        painter.setPen(Qt::black);
        painter.drawText(label.translated(labelWidth, 0).adjusted(0, 0, lineWidth - labelWidth, -mm(0.6)),
                         Qt::AlignLeft | Qt::AlignBottom, lines[i].value);
        painter.setPen(QPen(Qt::black, 0));
        painter.drawLine(QPointF(band.left() + labelWidth, bottom), QPointF(band.left() + labelWidth + lineWidth, bottom));
    }
}
