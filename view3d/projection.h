#pragma once
// How the library places the volume's box on the screen: the turn of the
// scene, the zoom, and the part of the picture left beside the legend.

#include "scene.h"
#include "volume_box.h"

#include <QPointF>
#include <QSize>

#include <array>

// World units: slices run to the right (x), shallow depth up (y), layers
// toward the viewer (z); the box is centred on the origin.

// Text size and the width of the legend strip at the right of a picture;
// ratio is the picture's pixels to a logical one (2 for a screen at a scale
// factor of 2), where the text keeps its logical size.
int pictureFontPixels(QSize picture, qreal ratio = 1);
int legendStripWidth(QSize picture, qreal ratio = 1);

class Projection {
public:
    Projection(const Scene &scene, QSize picture, qreal ratio = 1);

    const VolumeBox &box() const { return box_; }

    // Screen position and depth (larger is nearer) of a point in world units.
    Vec3 project(Vec3 world) const;
    QPointF screen(Vec3 world) const;
    // A direction turned as the picture is, without zoom or offset.
    Vec3 turn(Vec3 direction) const;
    // The sides of a cell (CellSide bits) that face the viewer.
    uint8_t sidesFacingViewer() const;
    // Side in pixels of the square drawn for a stretch of world units.
    int squareSide(float worldUnits) const;
    // Side in pixels of the squares the cells are drawn with.
    int cellSide() const;
    // Half the depth range the zoomed box can take.
    float depthRange() const;

private:
    using Matrix = std::array<std::array<float, 3>, 3>;
    VolumeBox box_;
    Matrix matrix_{};
    std::array<float, 3> zoom_{};
    float scale_ = 1.0f;
    float centreX_ = 0.0f;
    float centreY_ = 0.0f;
};
