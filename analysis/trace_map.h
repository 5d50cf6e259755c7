#pragma once
// The traces a map of the scan covers: every slice of the shown layers, each
// trace read in the gate of the readings (trace bytes topBorder + 1 ..
// bottomBorder + 1), as the indications and the gate peak read them.

#include "view_state.h"

#include <cstddef>
#include <optional>

struct MapGate {
    int topBorder = 0;
    int bottomBorder = 127;
    int firstLayer = 1;
    int lastLayer = 24;
    bool operator==(const MapGate &) const = default;
};

// The gate and the shown layers of the view.
MapGate mapGateOfView(const ViewState &view);

// A trace of a map: layer 1..24, slice 0..39.
struct TraceAt {
    int layer = 1;
    int slice = 0;
    bool operator==(const TraceAt &) const = default;
};

// Runs visit on every trace of the gate's layers, layer by layer, slice by slice.
template <typename Visit>
void forEachTraceOf(const MapGate &gate, Visit visit)
{
    for (int layer = gate.firstLayer; layer <= gate.lastLayer; ++layer) {
        for (int slice = ViewRanges::Slice.minimum; slice <= ViewRanges::Slice.maximum; ++slice)
            visit(TraceAt{layer, slice});
    }
}

// Where the trace stands in a map's list of traces; none outside its layers.
std::optional<std::size_t> traceIndexOf(const MapGate &gate, TraceAt at);
