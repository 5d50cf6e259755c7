#include "frame_renderer.h"

#include "amplitude_colours.h"
#include "mark_painter.h"
#include "projection.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

// The light comes from above the viewer, a little from the left.
constexpr Vec3 kLight{-0.3f, 0.7f, 0.65f};

// Centres of n equal parts of a stretch.
std::vector<float> partCentres(float from, float to, int n)
{
    std::vector<float> centres;
    for (int i = 0; i < n; ++i)
        centres.push_back(from + (to - from) * (static_cast<float>(i) + 0.5f) / static_cast<float>(n));
    return centres;
}

// Squares of a given side standing a side apart cover a stretch.
int squaresAlong(float extent, float side)
{
    return std::max(1, static_cast<int>(std::ceil(extent / side - 1e-3f)));
}

QRgb shaded(QRgb colour, float light)
{
    return qRgb(static_cast<int>(qRed(colour) * light), static_cast<int>(qGreen(colour) * light),
                static_cast<int>(qBlue(colour) * light));
}

// Each cell is drawn as squares of the box's square side, as many as fill it
// along each axis.
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
        const VolumeBox &box = projection.box();
        const float square = box.squareSide();
        for (int row = 0; row < kRowsOfSlices; ++row) {
            const Span span = box.rowSpan(row);
            rowWidths_[static_cast<std::size_t>(row)] = span.to - span.from;
            rowSquares_[static_cast<std::size_t>(row)] = partCentres(span.from, span.to, squaresAlong(span.to - span.from, square));
        }
        pairSquares_ = partCentres(0, -box.pairHeight(), squaresAlong(box.pairHeight(), square));
        layerSquares_ = partCentres(0, box.layerThickness(), squaresAlong(box.layerThickness(), square));
    }

    // Cells whose open sides all face away are hidden behind their neighbours.
    void paintAll()
    {
        const uint8_t facing = projection_.sidesFacingViewer();
        const VolumeBox &box = projection_.box();
        for (const VisibleCell &cell : scene_.cells) {
            if ((cell.openSides & facing) == 0)
                continue;
            const QRgb colour = cell.value < static_cast<int>(colours_.size())
                                    ? colours_[static_cast<std::size_t>(std::max<int>(cell.value, 0))]
                                    : amplitudeColour(cell.value, scene_.threshold);
            const float diffuse = scene_.lit ? diffuseLight(cell) : 1.0f;
            const float top = box.depthY(static_cast<float>(cell.depth));
            const float back = box.layerZ(static_cast<float>(cell.plane - kFirstLayerPlane));
            for (float x : rowSquares_[static_cast<std::size_t>(cell.row)])
                for (float y : pairSquares_)
                    for (float z : layerSquares_)
                        paint({x, top + y, back + z}, colour, diffuse);
        }
    }

private:
    // Lambert's law on the cell's normal, lit from both sides; a cell inside
    // an even echo (no normal) is lit as a face turned half toward the light.
    // The normal, counted in cells, is brought to world units by the cells' sides.
    float diffuseLight(const VisibleCell &cell) const
    {
        if (cell.normalX == 0 && cell.normalY == 0 && cell.normalZ == 0)
            return 0.45f + 0.55f * 0.6f;
        const VolumeBox &box = projection_.box();
        const Vec3 world{cell.normalY / rowWidths_[static_cast<std::size_t>(cell.row)], cell.normalX / box.pairHeight(),
                         cell.normalZ / box.layerThickness()};
        const Vec3 n = projection_.turn(world);
        const float length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
        const float facing = std::abs(n.x * light_.x + n.y * light_.y + n.z * light_.z) / length;
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
    std::array<float, kRowsOfSlices> rowWidths_{};
    std::array<std::vector<float>, kRowsOfSlices> rowSquares_;
    std::vector<float> pairSquares_;   // below the top of a pair
    std::vector<float> layerSquares_;  // in front of the back of a layer
};

// The cursor in world units: at the middle of the slice and the layer that
// d3dmove_'s cut positions fall in, at the depth it gives.
Vec3 cursorWorld(const Scene &scene, const VolumeBox &box)
{
    const float slice = std::clamp(std::ceil(scene.cursorY * kShownSlices / 64.0f), 0.0f, kShownSlices - 1.0f);
    const float layer = std::clamp(std::round(scene.cursorZ / 2.0f), 1.0f, static_cast<float>(kShownLayers));
    const float pairs = std::clamp(64.0f - scene.cursorX, 0.0f, static_cast<float>(kShownPairs));
    return {box.sliceX(slice + 0.5f), box.depthY(pairs), box.layerZ(layer - 0.5f)};
}

void drawSlicePlane(QPainter &painter, const Projection &projection, const Scene &scene)
{
    const Vec3 c = cursorWorld(scene, projection.box());
    const Vec3 h = projection.box().half();
    std::array<Vec3, 4> corners;
    switch (scene.orientAxis) {
    case 1:  // across depth
        corners = {{{-h.x, c.y, -h.z}, {h.x, c.y, -h.z}, {h.x, c.y, h.z}, {-h.x, c.y, h.z}}};
        break;
    case 2:  // across layers
        corners = {{{-h.x, -h.y, c.z}, {h.x, -h.y, c.z}, {h.x, h.y, c.z}, {-h.x, h.y, c.z}}};
        break;
    default:  // across slices
        corners = {{{c.x, -h.y, -h.z}, {c.x, h.y, -h.z}, {c.x, h.y, h.z}, {c.x, -h.y, h.z}}};
        break;
    }
    painter.setPen(QPen(QColor(120, 220, 255), 1, Qt::DashLine));
    for (std::size_t i = 0; i < corners.size(); ++i)
        painter.drawLine(projection.screen(corners[i]), projection.screen(corners[(i + 1) % corners.size()]));
}

void drawCursor(QPainter &painter, const Projection &projection, const Scene &scene)
{
    const Vec3 c = cursorWorld(scene, projection.box());
    const Vec3 h = projection.box().half();
    painter.setPen(QPen(QColor(255, 220, 0), 1));
    painter.drawLine(projection.screen({-h.x, c.y, c.z}), projection.screen({h.x, c.y, c.z}));
    painter.drawLine(projection.screen({c.x, -h.y, c.z}), projection.screen({c.x, h.y, c.z}));
    painter.drawLine(projection.screen({c.x, c.y, -h.z}), projection.screen({c.x, c.y, h.z}));
    painter.drawEllipse(projection.screen(c), 3.0, 3.0);
}

}  // namespace

void FrameRenderer::render(const Scene &scene, QImage &frame)
{
    if (frame.isNull())
        return;
    // drawn in the frame's own pixels, its text at the size its pixel ratio asks for
    const qreal ratio = frame.devicePixelRatio();
    frame.setDevicePixelRatio(1);
    paintBackground(frame);
    paintCells(scene, frame, ratio);
    overlay_.update(scene, frame.size(), ratio);
    overlay_.applyTo(frame);
    paintCursor(scene, frame, ratio);
    paintMarks(scene, frame, ratio);
    frame.setDevicePixelRatio(ratio);
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
void FrameRenderer::paintCells(const Scene &scene, QImage &frame, qreal ratio)
{
    const int width = frame.width();
    depth_.resize(static_cast<std::size_t>(width) * frame.height());
    const Projection projection(scene, frame.size(), ratio);
    const Vec3 h = projection.box().half();
    QRectF reach;
    for (float x : {-h.x, h.x})
        for (float y : {-h.y, h.y})
            for (float z : {-h.z, h.z})
                reach |= QRectF(projection.screen({x, y, z}), QSizeF(0.001, 0.001));
    const int margin = projection.cellSide() + 1;
    const QRect area = reach.toAlignedRect().adjusted(-margin, -margin, margin, margin) & frame.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        float *row = depth_.data() + static_cast<std::size_t>(y) * width;
        std::fill(row + area.left(), row + area.right() + 1, -std::numeric_limits<float>::infinity());
    }
    CellPainter(frame, depth_.data(), scene, projection).paintAll();
}

void FrameRenderer::paintCursor(const Scene &scene, QImage &frame, qreal ratio) const
{
    if (!scene.cursorShown)
        return;
    QPainter painter(&frame);
    const Projection projection(scene, frame.size(), ratio);
    drawSlicePlane(painter, projection, scene);
    drawCursor(painter, projection, scene);
}
