#pragma once
// How the library places its 64-unit cube on the screen: the turn of the
// scene, the zoom, and the part of the picture left beside the legend.

#include "scene.h"

#include <QPointF>
#include <QSize>

#include <array>

struct Vec3 {
    float x, y, z;
};

// World units: slices run to the right (x), shallow depth up (y), layers
// toward the viewer (z); the cube spans -32..32 on each.
constexpr float kHalfCube = 32.0f;

// Text size and the width of the legend strip at the right of a picture.
int pictureFontPixels(QSize picture);
int legendStripWidth(QSize picture);

class Projection {
public:
    Projection(const Scene &scene, QSize picture);

    // Screen position and depth (larger is nearer) of a point in world units.
    Vec3 project(Vec3 world) const;
    QPointF screen(Vec3 world) const;
    // A direction turned as the picture is, without zoom or offset.
    Vec3 turn(Vec3 direction) const;
    // The sides of a cell (CellSide bits) that face the viewer.
    uint8_t sidesFacingViewer() const;
    // Side in pixels of the square drawn for one cell.
    int cellSide() const;
    // Half the depth range the zoomed cube can take.
    float depthRange() const;

private:
    using Matrix = std::array<std::array<float, 3>, 3>;
    Matrix matrix_{};
    std::array<float, 3> zoom_{};
    float scale_ = 1.0f;
    float centreX_ = 0.0f;
    float centreY_ = 0.0f;
};
