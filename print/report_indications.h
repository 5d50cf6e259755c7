#pragma once
// The inspection's part of the report: the indication table, the first
// indications in their slices with their drop extents outlined, and the
// signature block with the record's inspector and date.

#include "inspection_report.h"
#include "report_inspection.h"
#include "scan_volume.h"
#include "slice_palettes.h"
#include "view_state.h"

// How many of the first indications are shown in their slices.
constexpr int kReportIndicationPictures = 4;

// The slices are rendered into scratch with the shown view's brightness,
// threshold and smoothing, the gate and layers the search looked at, in the
// palette's colours.
ReportIndications reportIndicationsOf(ScanVolume &scratch, const ViewState &view, const ReportInspection &inspection,
                                      SlicePalette palette);
