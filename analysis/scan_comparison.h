#pragma once
// Two scans of one place compared trace by trace: the gate maximum of each
// and the difference between them in decibels.

#include "scan_volume.h"
#include "trace_map.h"

#include <optional>
#include <vector>

struct TraceComparison {
    TraceAt at;
    int gateMaxA = 0;
    int gateMaxB = 0;
    // 20 log10(maxA / maxB) to a tenth; none when either maximum is 0.
    std::optional<double> deltaDb;
    bool operator==(const TraceComparison &) const = default;
};

struct ScanComparison {
    MapGate gate;
    std::vector<TraceComparison> traces;  // layer by layer, slice by slice
    bool operator==(const ScanComparison &) const = default;
};

ScanComparison compareScans(const ScanVolume &a, const ScanVolume &b, const MapGate &gate);

struct ComparisonFigures {
    // The first trace of the largest and of the smallest difference, by
    // layer, then slice; none when no trace has a difference.
    std::optional<TraceComparison> largest;
    std::optional<TraceComparison> smallest;
    std::optional<double> meanDb;  // of the differences, to a tenth
};

ComparisonFigures comparisonFigures(const ScanComparison &comparison);
