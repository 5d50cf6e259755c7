#include "frame_renderer.h"

#include "amplitude_colours.h"
#include "projection.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr float kPlaneSpacing = 2.0f;  // planes are half as many as rows and columns
// The light comes from above the viewer, a little from the left.
constexpr Vec3 kLight{-0.3f, 0.7f, 0.65f};

// World position of the centre of a cell: slices to the right, shallow depth
// up, layers toward the viewer.
Vec3 cellCentre(const VisibleCell &cell, float planeOffset)
{
    return {cell.row + 0.5f - kHalfCube, kHalfCube - cell.depth - 0.5f,
            (cell.plane + planeOffset) * kPlaneSpacing - kHalfCube};
}

QRgb shaded(QRgb colour, float light)
{
    return qRgb(static_cast<int>(qRed(colour) * light), static_cast<int>(qGreen(colour) * light),
                static_cast<int>(qBlue(colour) * light));
}

class CellPainter {
public:
    CellPainter(QImage &image, float *depth, const Scene &scene, const Projection &projection)
        : pixels_(reinterpret_cast<QRgb *>(image.bits())), width_(image.width()), height_(image.height()),
          depth_(depth), scene_(scene), projection_(projection), side_(projection.cellSide()),
          range_(projection.depthRange())
    {
        const float length = std::sqrt(kLight.x * kLight.x + kLight.y * kLight.y + kLight.z * kLight.z);
        light_ = {kLight.x / length, kLight.y / length, kLight.z / length};
        for (int v = 0; v < static_cast<int>(colours_.size()); ++v)
            colours_[static_cast<std::size_t>(v)] = amplitudeColour(v, scene.threshold);
    }

    // Cells whose open sides all face away are hidden behind their neighbours.
    void paintAll()
    {
        const uint8_t facing = projection_.sidesFacingViewer();
        for (const VisibleCell &cell : scene_.cells) {
            if ((cell.openSides & facing) == 0)
                continue;
            const QRgb colour = cell.value < static_cast<int>(colours_.size())
                                    ? colours_[static_cast<std::size_t>(std::max<int>(cell.value, 0))]
                                    : amplitudeColour(cell.value, scene_.threshold);
            const float diffuse = scene_.lit ? diffuseLight(cell) : 1.0f;
            // two squares a plane, as planes lie twice as far apart as rows
            paint(cellCentre(cell, 0.25f), colour, diffuse);
            paint(cellCentre(cell, 0.75f), colour, diffuse);
        }
    }

private:
    // Lambert's law on the cell's normal, lit from both sides; a cell inside
    // an even echo (no normal) is lit as a face turned half toward the light.
    float diffuseLight(const VisibleCell &cell) const
    {
        if (cell.normalX == 0 && cell.normalY == 0 && cell.normalZ == 0)
            return 0.45f + 0.55f * 0.6f;
        const Vec3 n = projection_.turn({cell.normalY / 127.0f, cell.normalX / 127.0f, cell.normalZ / 127.0f});
        const float facing = std::abs(n.x * light_.x + n.y * light_.y + n.z * light_.z);
        return 0.45f + 0.55f * std::min(facing, 1.0f);
    }

    void paint(Vec3 world, QRgb colour, float diffuse)
    {
        const Vec3 p = projection_.project(world);
        const float depthCue = scene_.lit ? 0.75f + 0.25f * std::clamp((p.z + range_) / (2 * range_), 0.0f, 1.0f)
                                          : 1.0f;
        const QRgb pixel = scene_.lit ? shaded(colour, diffuse * depthCue) : colour;
        const int left = static_cast<int>(std::floor(p.x - side_ / 2.0f));
        const int top = static_cast<int>(std::floor(p.y - side_ / 2.0f));
        const int x0 = std::max(0, left), x1 = std::min(width_, left + side_);
        const int y0 = std::max(0, top), y1 = std::min(height_, top + side_);
        for (int y = y0; y < y1; ++y) {
            QRgb *row = pixels_ + static_cast<std::size_t>(y) * width_;
            float *depthRow = depth_ + static_cast<std::size_t>(y) * width_;
            for (int x = x0; x < x1; ++x) {
                if (p.z > depthRow[x]) {
                    depthRow[x] = p.z;
                    row[x] = pixel;
                }
            }
        }
    }

    QRgb *pixels_;  // rows of 32-bit pixels without padding
    int width_;
    int height_;
    float *depth_;
    const Scene &scene_;
    const Projection &projection_;
    int side_;
    float range_;
    Vec3 light_{};
    std::array<QRgb, 256> colours_{};
};

Vec3 cursorWorld(const Scene &scene)
{
    return {scene.cursorY - kHalfCube, scene.cursorX - kHalfCube, scene.cursorZ - kHalfCube};
}

void drawSlicePlane(QPainter &painter, const Projection &projection, const Scene &scene)
{
    const Vec3 c = cursorWorld(scene);
    const float h = kHalfCube;
    std::array<Vec3, 4> corners;
    switch (scene.orientAxis) {
    case 1:  // across depth
        corners = {{{-h, c.y, -h}, {h, c.y, -h}, {h, c.y, h}, {-h, c.y, h}}};
        break;
    case 2:  // across layers
        corners = {{{-h, -h, c.z}, {h, -h, c.z}, {h, h, c.z}, {-h, h, c.z}}};
        break;
    default:  // across slices
        corners = {{{c.x, -h, -h}, {c.x, h, -h}, {c.x, h, h}, {c.x, -h, h}}};
        break;
    }
    painter.setPen(QPen(QColor(120, 220, 255), 1, Qt::DashLine));
    for (std::size_t i = 0; i < corners.size(); ++i)
        painter.drawLine(projection.screen(corners[i]), projection.screen(corners[(i + 1) % corners.size()]));
}

void drawCursor(QPainter &painter, const Projection &projection, const Scene &scene)
{
    const Vec3 c = cursorWorld(scene);
    const float h = kHalfCube;
    painter.setPen(QPen(QColor(255, 220, 0), 1));
    painter.drawLine(projection.screen({-h, c.y, c.z}), projection.screen({h, c.y, c.z}));
    painter.drawLine(projection.screen({c.x, -h, c.z}), projection.screen({c.x, h, c.z}));
    painter.drawLine(projection.screen({c.x, c.y, -h}), projection.screen({c.x, c.y, h}));
    painter.drawEllipse(projection.screen(c), 3.0, 3.0);
}

}  // namespace

void FrameRenderer::render(const Scene &scene, QImage &frame)
{
    if (frame.isNull())
        return;
    paintBackground(frame);
    paintCells(scene, frame);
    overlay_.update(scene, frame.size());
    overlay_.applyTo(frame);
    paintCursor(scene, frame);
}

// A gradient from a dark blue-grey at the top to nearly black at the foot,
// one colour a row.
void FrameRenderer::paintBackground(QImage &frame)
{
    const int height = frame.height();
    if (static_cast<int>(backgroundRows_.size()) != height) {
        backgroundRows_.resize(static_cast<std::size_t>(height));
        for (int y = 0; y < height; ++y) {
            const float f = height > 1 ? static_cast<float>(y) / (height - 1) : 0.0f;
            backgroundRows_[static_cast<std::size_t>(y)] = qRgb(
                static_cast<int>(28 - 20 * f), static_cast<int>(34 - 24 * f), static_cast<int>(48 - 32 * f));
        }
    }
    auto *bits = reinterpret_cast<QRgb *>(frame.bits());
    const std::size_t width = static_cast<std::size_t>(frame.width());
    for (int y = 0; y < height; ++y)
        std::fill_n(bits + y * width, width, backgroundRows_[static_cast<std::size_t>(y)]);
}

// The depth buffer is cleared only where the box can show cells.
void FrameRenderer::paintCells(const Scene &scene, QImage &frame)
{
    const int width = frame.width();
    depth_.resize(static_cast<std::size_t>(width) * frame.height());
    const Projection projection(scene, frame.size());
    QRectF reach;
    for (float x : {-kHalfCube, kHalfCube})
        for (float y : {-kHalfCube, kHalfCube})
            for (float z : {-kHalfCube, kHalfCube})
                reach |= QRectF(projection.screen({x, y, z}), QSizeF(0.001, 0.001));
    const int margin = projection.cellSide() + 1;
    const QRect area = reach.toAlignedRect().adjusted(-margin, -margin, margin, margin) & frame.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        float *row = depth_.data() + static_cast<std::size_t>(y) * width;
        std::fill(row + area.left(), row + area.right() + 1, -std::numeric_limits<float>::infinity());
    }
    CellPainter(frame, depth_.data(), scene, projection).paintAll();
}

void FrameRenderer::paintCursor(const Scene &scene, QImage &frame) const
{
    if (!scene.cursorShown)
        return;
    QPainter painter(&frame);
    const Projection projection(scene, frame.size());
    drawSlicePlane(painter, projection, scene);
    drawCursor(painter, projection, scene);
}
