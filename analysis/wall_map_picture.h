#pragma once
// The pictures of the thickness map and of the comparison of two scans: a
// cell a trace, slices across and layers down as in view Z, in a colour
// palette with its legend at the right. Layers outside the map stay white;
// a trace without a value (no echo, a gate maximum of 0) is grey and crossed.

#include "scan_comparison.h"
#include "wall_thickness.h"

#include <QColor>
#include <QImage>

#include <optional>
#include <vector>

// The width the legend takes at the right of every map picture.
constexpr int kMapLegendWidth = 120;
// The default size, and the smallest that holds a cell of 2 x 2 a trace and the legend.
constexpr QSize kMapPictureSize{640, 400};
constexpr QSize kSmallestMapPicture{kMapLegendWidth + 81, 100};

// Colours from the low end of a scale to its high end, evenly spaced.
using MapPalette = std::vector<QColor>;
// Thin red, through yellow, green and cyan, to thick blue.
const MapPalette &thicknessPalette();
// Blue (B stronger), white at 0 dB, red (A stronger).
const MapPalette &differencePalette();
// The colour at share 0..1 of the way along the palette, straight between its stops.
QColor paletteColour(const MapPalette &palette, double share);

// Where the cells of a map picture lie: columns of slices, rows of layers.
struct MapPictureLayout {
    int cellWidth = 2;
    int cellHeight = 2;
    int legendLeft = 0;
    QRect cellRect(TraceAt at) const;
    // The trace whose cell holds the pixel; none off the cells.
    std::optional<TraceAt> traceAt(QPoint pixel) const;
};
MapPictureLayout mapPictureLayout(QSize size);

QImage thicknessMapPicture(const ThicknessMap &map, QSize size);
QImage differenceMapPicture(const ScanComparison &comparison, QSize size);
