#include "ascan_lines.h"

#include "checked.h"

#include <cmath>

namespace {

int truncated(long double value)
{
    return static_cast<int>(std::trunc(value));
}

void checkSize(int size)
{
    if (size == 0)
        throw DivisionByZeroError();
}

}  // namespace

int borderLineX(int border, int aScanWidth)
{
    return truncated(static_cast<long double>(aScanWidth) / 128 * border) + kAScanLeft;
}

int thresholdLineY(int threshold, int aScanTop, int aScanHeight)
{
    return truncated(static_cast<long double>((128 - threshold) * aScanHeight) / 128) + aScanTop - 1;
}

int borderFromDrag(int lineLeft, int mouseX, int aScanWidth)
{
    checkSize(aScanWidth);
    return truncated(static_cast<long double>((lineLeft + mouseX - kAScanLeft) * 128) / aScanWidth);
}

int thresholdFromDrag(int lineTop, int mouseY, int aScanTop, int aScanHeight)
{
    checkSize(aScanHeight);
    return 128 - truncated(static_cast<long double>((lineTop + mouseY - aScanTop) * 128) / aScanHeight);
}
