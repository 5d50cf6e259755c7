#pragma once
// The colour palettes of the slice pictures. A palette gives each grey level
// the renderer computes (after brightness; 0 the strongest echo, 255 none)
// one colour of its own; grey is the renderer's picture itself.

#include <QImage>
#include <QString>

#include <array>
#include <optional>

enum class SlicePalette { Grey, Amplitude, Hot };

// "grey", "amplitude" and "hot", as the command line and the settings name them.
std::optional<SlicePalette> paletteNamed(const QString &name);
QString paletteName(SlicePalette palette);

// The colour of each grey level. Amplitude runs from white (no echo) through
// blue, green and yellow to red; hot from black through red and yellow to white.
const std::array<QRgb, 256> &paletteColours(SlicePalette palette);

// Gives the grey pixels (three equal bytes) of a 24-bit picture (BGR888 or
// RGB888) within area their palette's colours; the others, as the cursor
// cell, keep theirs.
void applyPalette(QImage &picture, SlicePalette palette, const QRect &area);
