#pragma once
// Software renderer of the 3-D picture. It keeps its buffers, the background
// and the overlay between frames, so that a frame costs little more than the
// cells it shows.

#include "overlay.h"
#include "scene.h"

#include <QImage>

#include <vector>

class FrameRenderer {
public:
    // Draws the scene into frame (32 bits a pixel, opaque, rows without
    // padding), filling all of it. A frame of a device pixel ratio above 1
    // (for a screen at a scale factor) is drawn in its own pixels with its
    // text and legend as large as at that ratio.
    void render(const Scene &scene, QImage &frame);

private:
    void paintBackground(QImage &frame);
    void paintCells(const Scene &scene, QImage &frame, qreal ratio);
    void paintCursor(const Scene &scene, QImage &frame, qreal ratio) const;

    std::vector<QRgb> backgroundRows_;
    std::vector<float> depth_;
    Overlay overlay_;
};
