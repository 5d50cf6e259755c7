#pragma once
// The pages of the inspection report after the first: the indication table,
// continued from page to page under its header, the first indications in
// their slices two to a row, and the signature block at the end.

#include "inspection_report.h"

#include <QRectF>

#include <vector>

class QPainter;
class QPaintDevice;

class IndicationPages {
public:
    // Lays the pages out on an area of the given size, in the pixels of the
    // device whose fonts measure the comments.
    IndicationPages(const ReportIndications &indications, QSizeF area, QPaintDevice &device);

    int count() const { return static_cast<int>(pages_.size()); }
    // Paints page index (0 for the first of them) into area.
    void paint(QPainter &painter, int index, const QRectF &area) const;

private:
    enum class Part { Heading, TableHeader, Row, NoRows, PicturesHeading, Pictures, Signature };
    struct Placed {
        Part part;
        int index;  // the row, or the first picture of a row of them
        qreal top;
        qreal height;
    };

    void lay(const std::vector<qreal> &rowHeights, qreal room);
    void paintPart(QPainter &painter, const Placed &placed, const QRectF &band) const;
    void paintCells(QPainter &painter, const QRectF &band, const QStringList &cells, bool header) const;
    void paintSignature(QPainter &painter, const QRectF &band) const;

    const ReportIndications &indications_;
    std::vector<qreal> columnLefts_;  // a column's left edge, as a share of the width, and 1 at the end
    std::vector<std::vector<Placed>> pages_;
};
