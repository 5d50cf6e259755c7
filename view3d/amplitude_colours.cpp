#include "amplitude_colours.h"

#include <algorithm>
#include <array>

QRgb amplitudeColour(int value, int threshold)
{
    struct Stop {
        float at;
        int r, g, b;
    };
    static constexpr std::array<Stop, 5> stops = {{{0.0f, 40, 70, 220},
                                                   {0.25f, 0, 170, 220},
                                                   {0.5f, 40, 200, 70},
                                                   {0.75f, 240, 220, 40},
                                                   {1.0f, 230, 40, 30}}};
    const float span = static_cast<float>(std::max(1, kTopOfScale - threshold));
    const float t = std::clamp((value - threshold) / span, 0.0f, 1.0f);
    std::size_t i = 1;
    while (i + 1 < stops.size() && stops[i].at < t)
        ++i;
    const Stop &a = stops[i - 1];
    const Stop &b = stops[i];
    const float f = (t - a.at) / (b.at - a.at);
    return qRgb(static_cast<int>(a.r + (b.r - a.r) * f), static_cast<int>(a.g + (b.g - a.g) * f),
                static_cast<int>(a.b + (b.b - a.b) * f));
}
