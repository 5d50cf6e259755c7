#pragma once
// What the picture shows over the cells: the box with its numbered axes and
// the colour legend. It changes only with the view, so it is drawn once into
// a list of pixels and laid over every frame until the view changes.

#include "projection.h"
#include "scene.h"

#include <QImage>
#include <QLineF>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

enum class OverlayAxis { Slice, Depth, Layer, Legend };

struct OverlayLabel {
    OverlayAxis axis;
    QString text;
    QRectF rect;
    bool isName = false;  // the axis's name rather than one of its numbers
    QLineF tick;          // the mark on the box's edge that a number belongs to
};

// The numbers and names of the box's three axes where they stand, outside
// the box and clear of each other; an axis seen end-on gets none.
std::vector<OverlayLabel> layoutAxisLabels(const Scene &scene, QSize picture, qreal ratio = 1);

// The legend's colour bar in a picture, and the amplitude one of its rows shows.
QRect legendBar(QSize picture, qreal ratio = 1);
int legendAmplitude(int barRow, int barHeight, int threshold);

class Overlay {
public:
    // Draws the overlay again when the view differs from the one it was drawn for.
    // ratio: as for pictureFontPixels.
    void update(const Scene &scene, QSize picture, qreal ratio = 1);
    // Lays the overlay over a frame of the size it was drawn for.
    void applyTo(QImage &frame) const;

private:
    struct View {
        QSize picture;
        qreal ratio;
        float roll, turn, tilt;
        float zoom[3];
        bool frames;
        int32_t depthScale;
        float slicePitch;
        float layerPitch;
        int32_t threshold;
        bool operator==(const View &other) const;
    };
    struct Pixel {
        uint32_t index;
        QRgb premultiplied;
    };
    static View viewOf(const Scene &scene, QSize picture, qreal ratio);
    void draw(const Scene &scene, QSize picture, qreal ratio);
    void clearCanvas(const QRect &area);
    void readBack(const QRect &area);
    void addLine(const QLineF &line, QRgb colour);

    std::optional<View> drawnFor_;
    QImage canvas_;
    std::vector<QRect> textAreas_;  // the parts of the canvas the last drawing wrote to
    std::vector<Pixel> pixels_;
};
