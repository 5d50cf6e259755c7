#include "view_state.h"

#include "checked.h"
#include "scan_volume.h"

int keptBelow(int value, int other)
{
    return value >= other ? other - 1 : value;
}

int keptAbove(int value, int other)
{
    return value <= other ? other + 1 : value;
}

void setSlice(ViewState &view, int value)
{
    view.slice = ViewRanges::Slice.clamp(value);
}

void setLayer(ViewState &view, int value)
{
    view.layer = ViewRanges::Layer.clamp(value);
}

void setDepth(ViewState &view, int value)
{
    view.depth = ViewRanges::Depth.clamp(value);
}

void setTopBorder(ViewState &view, int value)
{
    view.topBorder = ViewRanges::Border.clamp(keptBelow(ViewRanges::Border.clamp(value), view.bottomBorder));
}

void setBottomBorder(ViewState &view, int value)
{
    view.bottomBorder = ViewRanges::Border.clamp(keptAbove(ViewRanges::Border.clamp(value), view.topBorder));
}

void setFirstLayer(ViewState &view, int value)
{
    view.firstLayer = ViewRanges::ShownLayer.clamp(keptBelow(ViewRanges::ShownLayer.clamp(value), view.lastLayer));
}

void setLastLayer(ViewState &view, int value)
{
    view.lastLayer = ViewRanges::ShownLayer.clamp(keptAbove(ViewRanges::ShownLayer.clamp(value), view.firstLayer));
}

void setBrightness(ViewState &view, int value)
{
    view.brightness = ViewRanges::Brightness.clamp(value);
}

void setThreshold(ViewState &view, int value)
{
    view.threshold = ViewRanges::Threshold.clamp(value);
}

QString sliceReadout(int slice)
{
    return QStringLiteral("%1 slice").arg(slice + 1);
}

QString layerReadout(int layer)
{
    return QStringLiteral("%1 layer").arg(layer);
}

QString depthReadout(int depth, int scaleFactor)
{
    return QStringLiteral("%1 mm").arg(depthMillimetres(depth, scaleFactor));
}

QString statusLine(int slice, int layer, int depth, int scaleFactor)
{
    return layerReadout(layer) + QLatin1Char(':') + sliceReadout(slice) + QLatin1Char(':')
           + depthReadout(depth, scaleFactor);
}

int ceilingDivision(int a, int b)
{
    if (b == 0)
        throw DivisionByZeroError();
    return a / b + (a % b > 0 ? 1 : 0);
}
