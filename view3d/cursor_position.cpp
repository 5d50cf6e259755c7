#include "cursor_position.h"

#include <cmath>

namespace {

float truncated(long double value)
{
    return static_cast<float>(std::trunc(value));
}

}  // namespace

std::array<float, 3> cursorForLibrary(int layer, int depthPosition, int slice)
{
    return {truncated(layer * 64.0L / 32.0L), truncated(64.0L - depthPosition * 64.0L / 128.0L),
            truncated(slice * 64.0L / 40.0L)};
}
