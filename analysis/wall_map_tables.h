#pragma once
// The thickness map and the comparison of two scans as velmora-cli, the
// windows and the report give them: JSON, CSV, the lines of their figures and
// the reading of one trace. Slices are counted 1..40 as the program shows
// them; millimetres are kept to a thousandth, decibels and percent to a tenth.

#include "scan_comparison.h"
#include "wall_thickness.h"

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>

// {"traces": [{"layer", "slice", "thickness_mm"}...], and the figures}.
QJsonObject thicknessObject(const ThicknessMap &map, const ThicknessFigures &figures);
// The header "layer,slice,thickness_mm", then a line a trace (empty for no echo).
QByteArray thicknessCsv(const ThicknessMap &map);
QStringList thicknessFigureLines(const ThicknessFigures &figures);
// The thickness and the wall loss of one trace; empty outside the map.
QString thicknessReading(const ThicknessMap &map, TraceAt at, std::optional<double> nominalMm);

// {"traces": [{"layer", "slice", "gate_max_a", "gate_max_b", "delta_db"}...], and the figures}.
QJsonObject comparisonObject(const ScanComparison &comparison, const ComparisonFigures &figures);
QStringList comparisonFigureLines(const ComparisonFigures &figures);
// Both gate maxima and their difference at one trace; empty outside the map.
QString comparisonReading(const ScanComparison &comparison, TraceAt at);
