#include "scan_comparison.h"

#include "finding_readings.h"
#include "gate_maximum.h"

ScanComparison compareScans(const ScanVolume &a, const ScanVolume &b, const MapGate &gate)
{
    ScanComparison comparison{gate, {}};
    forEachTraceOf(gate, [&](TraceAt at) {
        const int maxA = gateMaximum(a, at.layer, at.slice, gate.topBorder, gate.bottomBorder);
        const int maxB = gateMaximum(b, at.layer, at.slice, gate.topBorder, gate.bottomBorder);
        comparison.traces.push_back({at, maxA, maxB, decibelsAgainst(maxA, maxB)});
    });
    return comparison;
}

ComparisonFigures comparisonFigures(const ScanComparison &comparison)
{
    ComparisonFigures figures;
    double sum = 0;
    int count = 0;
    for (const TraceComparison &trace : comparison.traces) {
        if (!trace.deltaDb)
            continue;
        if (!figures.largest || *trace.deltaDb > *figures.largest->deltaDb)
            figures.largest = trace;
        if (!figures.smallest || *trace.deltaDb < *figures.smallest->deltaDb)
            figures.smallest = trace;
        sum += *trace.deltaDb;
        ++count;
    }
    if (count > 0)
        figures.meanDb = roundedToTenth(sum / count);
    return figures;
}
