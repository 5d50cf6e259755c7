#pragma once
// The inspection report: A4 portrait pages that hold what an inspection
// delivers about a scan. The first page gives the scan, the view, its slices
// and the readings; with an inspection, the pages after it give the
// indication table, the first indications in their slices and the signature
// block. The pages are a document, not pictures of one: their texts are text,
// their pictures are embedded losslessly at their own size.

#include "axis_rulers.h"
#include "export_writers.h"
#include "report_wall_map.h"
#include "trace_plot.h"

#include <QImage>
#include <QLineF>
#include <QRectF>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class QPainter;
class QPagedPaintDevice;

struct ReportField {
    QString name;
    QString value;
};

// The drop extent of an indication over its slice picture, in the picture's pixels.
struct ReportOutline {
    QRectF box;
    QString label;
};

// One slice as the renderer drew it, with the marks of its rulers.
struct ReportSlice {
    QString caption;
    QString acrossUnit;  // what the bottom ruler counts
    QString downUnit;    // what the left ruler counts
    QImage image;
    AxisRulerMarks marks;
    QSize cellsExtent;  // the pixels the cells fill, from the image's top left
    std::optional<QLineF> measureLine;  // in the image's pixels
    std::optional<ReportOutline> outline;
};

struct ReportColumn {
    QString title;
    qreal width;  // relative to the other columns'
    Qt::Alignment alignment;
};

// What the pages after the first give of an inspection.
struct ReportIndications {
    QString search;  // how the indications were found, one line
    QList<ReportColumn> columns;
    QList<QStringList> rows;  // the cells of an indication a row, all of them
    QList<ReportSlice> pictures;
    QString inspector;
    QString date;
};

struct InspectionReport {
    QString creator;  // the program's name and version
    QString heading;
    QList<ReportField> titleBlock;
    std::array<ReportSlice, 3> slices;
    QImage picture3d;
    TracePlot trace;
    QStringList readings;  // one reading a line
    QString notes;
    QString fileName;  // at the foot of every page, beside its number
    std::optional<ReportIndications> indications;
    std::optional<ReportWallMap> wallMap;  // on a page of its own after the first
};

// Paints the pages on a device whose page layout is A4 portrait at 300 dpi.
bool paintInspectionReport(QPagedPaintDevice &device, const InspectionReport &report);

// Writes the report as a PDF through the atomic writer.
WriteOutcome writeInspectionReport(const QString &path, const InspectionReport &report);
