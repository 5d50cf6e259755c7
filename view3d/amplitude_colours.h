#pragma once
// The one mapping from amplitude to colour, shared by the cells and the legend.

#include <QRgb>

// Amplitudes at or above this get the last colour of the scale.
constexpr int kTopOfScale = 128;

// The colour of a cell of amplitude value shown above threshold.
QRgb amplitudeColour(int value, int threshold);
