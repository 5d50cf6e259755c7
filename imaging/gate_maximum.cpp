#include "gate_maximum.h"

#include "gate_peak.h"

#include "checked.h"

int gateMaximum(const ScanVolume &volume, int layer, int slice, int topBorder, int bottomBorder)
{
    return findGatePeak(volume, layer, slice, topBorder, bottomBorder).value;
}

int gateStartBelowSurfaceEcho(const ScanVolume &volume, int layer, int slice, int threshold)
{
    const int first = ViewRanges::Border.minimum + 1;
    const int last = ViewRanges::Border.maximum + 1;
    const int trace = TraceOffset(layer, slice);
    checkRange(checkedAdd(trace, first), last - first + 1, volume.scan_image.size());
    const uint8_t *samples = volume.scan_image.data() + trace;
    int position = first;
    while (position <= last && samples[position] >= threshold)
        ++position;
    return position;
}

int gateMaximumBelowSurfaceEcho(const ScanVolume &volume, int layer, int slice, int threshold)
{
    const int first = gateStartBelowSurfaceEcho(volume, layer, slice, threshold);
    if (first > ViewRanges::Border.maximum + 1)
        return 0;
    return gateMaximum(volume, layer, slice, first - 1, ViewRanges::Border.maximum);
}

QString gateNote(const ViewState &view, int scaleFactor)
{
    if (view.axis != SliceAxis::Z || !view.showGateMaximum)
        return {};
    return QStringLiteral("Gate maximum %1 to %2")
        .arg(depthReadout(view.topBorder, scaleFactor), depthReadout(view.bottomBorder, scaleFactor));
}
