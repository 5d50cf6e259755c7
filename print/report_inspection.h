#pragma once
// The inspection a report is made of: the record and the indications, as the
// inspection file beside the scan keeps them or as the window holds them.

#include "inspection_file.h"
#include "inspection_findings.h"

#include <optional>

struct ReportInspection {
    InspectionRecord record;
    InspectionFindings findings;
};

struct ReportInspectionRead {
    std::optional<ReportInspection> inspection;
    QString problem;  // why an inspection file there is not used; empty when none is there
};

// The inspection file of the scan at scanPath, read as the window and
// velmora-cli report both read it: one made for another scan, or broken, is
// not used, and the problem says why.
ReportInspectionRead reportInspectionOf(const QString &scanPath);
