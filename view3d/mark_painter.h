#pragma once
// The boxes the host marks over the volume: outlined in a colour no cell,
// line or cursor has, each labelled with its number above its highest corner.

#include "scene.h"

#include <QImage>

// The outlines' colour, which stands out of the amplitude colours.
constexpr QRgb kMarkColour = 0xffff00ff;

void paintMarks(const Scene &scene, QImage &frame, qreal ratio = 1);
