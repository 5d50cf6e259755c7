#pragma once
// The inspection report: one A4 portrait page that holds what an inspection
// delivers about a scan. The page is a document, not a picture of one: its
// texts are text, its pictures are embedded losslessly at their own size.

#include "axis_rulers.h"
#include "export_writers.h"
#include "trace_plot.h"

#include <QImage>
#include <QLineF>
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

// One slice as the renderer drew it, with the marks of its rulers.
struct ReportSlice {
    QString caption;
    QString acrossUnit;  // what the bottom ruler counts
    QString downUnit;    // what the left ruler counts
    QImage image;
    AxisRulerMarks marks;
    QSize cellsExtent;  // the pixels the cells fill, from the image's top left
    std::optional<QLineF> measureLine;  // in the image's pixels
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
};

// Paints the page on a device whose page layout is A4 portrait at 300 dpi.
bool paintInspectionReport(QPagedPaintDevice &device, const InspectionReport &report);

// Writes the report as a one-page PDF through the atomic writer.
WriteOutcome writeInspectionReport(const QString &path, const InspectionReport &report);
