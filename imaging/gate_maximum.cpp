#include "gate_maximum.h"

#include <algorithm>

int gateMaximum(const ScanVolume &volume, int layer, int slice, int topBorder, int bottomBorder)
{
    const int first = TraceOffset(layer, slice) + topBorder + 1;
    const int count = bottomBorder - topBorder + 1;
    if (count < 1)
        throw RangeError();
    checkRange(first, count, volume.scan_image.size());
    const uint8_t *samples = volume.scan_image.data() + first;
    return *std::max_element(samples, samples + count);
}

QString gateNote(const ViewState &view, int scaleFactor)
{
    if (view.axis != SliceAxis::Z || !view.showGateMaximum)
        return {};
    return QStringLiteral("Gate maximum %1 to %2")
        .arg(depthReadout(view.topBorder, scaleFactor), depthReadout(view.bottomBorder, scaleFactor));
}
