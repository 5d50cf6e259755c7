#include "gate_maximum.h"

#include "gate_peak.h"

int gateMaximum(const ScanVolume &volume, int layer, int slice, int topBorder, int bottomBorder)
{
    return findGatePeak(volume, layer, slice, topBorder, bottomBorder).value;
}

QString gateNote(const ViewState &view, int scaleFactor)
{
    if (view.axis != SliceAxis::Z || !view.showGateMaximum)
        return {};
    return QStringLiteral("Gate maximum %1 to %2")
        .arg(depthReadout(view.topBorder, scaleFactor), depthReadout(view.bottomBorder, scaleFactor));
}
