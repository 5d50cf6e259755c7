#pragma once
// Millimetres between neighbouring slices and between neighbouring layers.
// The scan file records neither, so each may be unknown.

#include <QString>

#include <optional>

struct ProbeGeometry {
    std::optional<double> slicePitch;
    std::optional<double> layerPitch;
    bool complete() const { return slicePitch && layerPitch; }
};

// A pitch as typed or stored: empty is unknown, a positive number is the
// pitch, anything else is no pitch at all (nullopt).
std::optional<std::optional<double>> parsePitch(const QString &text);
