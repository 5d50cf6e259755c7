#pragma once
// What the pages of the inspection report are drawn with: their scale, their
// fonts, the slice pictures with their rulers and the line at each page's foot.

#include "inspection_report.h"

#include <QFont>
#include <QRectF>

class QPainter;

namespace ReportPage {

constexpr int kResolution = 300;  // device pixels per inch of the PDF page
constexpr qreal kMarginMm = 12;
constexpr qreal kGapMm = 4;
constexpr qreal kLineMm = 4.6;
constexpr qreal kFooterMm = 5;  // the file name and the page number, at the foot of each page

}  // namespace ReportPage

// Device pixels of a length in millimetres.
qreal mm(qreal millimetres);
QFont reportFont(qreal points, bool bold = false);

// The caption, the picture with its measure line and outlined extent, the rulers and their units.
void drawReportSlice(QPainter &painter, const QRectF &cell, const ReportSlice &slice);

// The file name on the left, "Page N of M" on the right, in the band at the foot of area.
void drawPageFooter(QPainter &painter, const QRectF &area, const QString &fileName, int page, int pages);
