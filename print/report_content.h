#pragma once
// What goes into the inspection report, gathered from the scan, the view and
// the readings, for the program and velmora-cli alike.

#include "finding_readings.h"
#include "inspection_report.h"
#include "report_inspection.h"
#include "slice_palettes.h"
#include "slice_renderer.h"

#include <QDateTime>

struct ReportInputs {
    QString programTitle;   // name and version
    QString fileName;       // the scan shown
    QDateTime fileModified;
    QDateTime made;         // when the report is made
    std::optional<int> reference;
    std::optional<VolumePoint> measurePoint;
    ProbeGeometry probe;
    std::optional<DacCurve> dac;
    std::optional<EvaluationLevels> levels;
    bool timeCorrectedGain = false;  // the slices drawn through the DAC's gain
    SlicePalette palette = SlicePalette::Grey;
    QImage picture3d;       // the 3-D picture as the library drew it
    QString notes;
    // The record and the indications the report gives on its pages after
    // the first; without them the report is the first page alone.
    std::optional<ReportInspection> inspection;
    // The thickness map shown, on a page after the first.
    std::optional<ReportThickness> thickness;
};

// The size the report's slice pictures are drawn at.
constexpr QSize kReportSliceSize{557, 500};
// The size the report's 3-D picture is drawn at, in either layout: the 3-D
// area at the window's design size.
constexpr QSize kReportThreeDSize{580, 547};

// One slice of the view as the report draws it: rendered at kReportSliceSize
// into scratch in the palette's colours, with its rulers' marks; geometry
// takes its cells.
ReportSlice renderedReportSlice(ScanVolume &scratch, const ViewState &view, SlicePalette palette,
                                SliceGeometry &geometry);

// Renders the three slices through the cursor into a copy of the volume, so
// the grey levels of the slice on screen stay as they were.
InspectionReport inspectionReportOf(const ScanVolume &volume, const ViewState &view, const ReportInputs &inputs);
