#include "trace_map.h"

MapGate mapGateOfView(const ViewState &view)
{
    return {view.topBorder, view.bottomBorder, view.firstLayer, view.lastLayer};
}

std::optional<std::size_t> traceIndexOf(const MapGate &gate, TraceAt at)
{
    if (at.layer < gate.firstLayer || at.layer > gate.lastLayer || at.slice < ViewRanges::Slice.minimum ||
        at.slice > ViewRanges::Slice.maximum)
        return std::nullopt;
    const int slices = ViewRanges::Slice.maximum - ViewRanges::Slice.minimum + 1;
    return static_cast<std::size_t>((at.layer - gate.firstLayer) * slices + at.slice - ViewRanges::Slice.minimum);
}
