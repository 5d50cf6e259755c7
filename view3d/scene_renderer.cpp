#include "scene_renderer.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr float kHalfCube = 32.0f;
constexpr float kLayerSpacing = 2.0f;   // planes are half as many as rows and columns
constexpr float kCubeDiagonal = 111.0f; // the cube's diagonal in cube units, with room to spare
constexpr float kFill = 0.85f;          // share of the smaller side the cube spans at zoom 1

struct Vec3 {
    float x, y, z;
};

class Projection {
public:
    Projection(const Scene &scene, int width, int height)
    {
        const float degree = static_cast<float>(M_PI / 180.0);
        const float cr = std::cos(scene.roll * degree), sr = std::sin(scene.roll * degree);
        const float ct = std::cos(scene.turn * degree), st = std::sin(scene.turn * degree);
        const float cl = std::cos(scene.tilt * degree), sl = std::sin(scene.tilt * degree);
        // roll about the line of sight, then turn about the vertical, then tilt
        // about the horizontal screen axis
        const std::array<std::array<float, 3>, 3> roll = {{{cr, -sr, 0}, {sr, cr, 0}, {0, 0, 1}}};
        const std::array<std::array<float, 3>, 3> turn = {{{ct, 0, st}, {0, 1, 0}, {-st, 0, ct}}};
        const std::array<std::array<float, 3>, 3> tilt = {{{1, 0, 0}, {0, cl, -sl}, {0, sl, cl}}};
        matrix_ = multiply(tilt, multiply(turn, roll));
        zoom_ = {scene.zoom[1], scene.zoom[0], scene.zoom[2]};
        scale_ = kFill * static_cast<float>(std::min(width, height)) / kCubeDiagonal;
        centreX_ = width / 2.0f;
        centreY_ = height / 2.0f;
    }

    // Screen position and depth (larger is nearer) of a point in world units.
    Vec3 project(Vec3 w) const
    {
        const Vec3 z{w.x * zoom_[0], w.y * zoom_[1], w.z * zoom_[2]};
        const Vec3 r{matrix_[0][0] * z.x + matrix_[0][1] * z.y + matrix_[0][2] * z.z,
                     matrix_[1][0] * z.x + matrix_[1][1] * z.y + matrix_[1][2] * z.z,
                     matrix_[2][0] * z.x + matrix_[2][1] * z.y + matrix_[2][2] * z.z};
        return {centreX_ + scale_ * r.x, centreY_ - scale_ * r.y, r.z};
    }

    // A direction turned as the picture is, without zoom or offset.
    Vec3 turn(Vec3 d) const
    {
        return {matrix_[0][0] * d.x + matrix_[0][1] * d.y + matrix_[0][2] * d.z,
                matrix_[1][0] * d.x + matrix_[1][1] * d.y + matrix_[1][2] * d.z,
                matrix_[2][0] * d.x + matrix_[2][1] * d.y + matrix_[2][2] * d.z};
    }

    QPointF screen(Vec3 w) const
    {
        const Vec3 p = project(w);
        return {p.x, p.y};
    }

    float cellSide() const
    {
        const float meanZoom = (zoom_[0] + zoom_[1] + zoom_[2]) / 3.0f;
        return std::max(1.0f, std::ceil(scale_ * meanZoom * 1.15f));
    }

    float depthRange() const
    {
        return kCubeDiagonal / 2.0f * std::max({zoom_[0], zoom_[1], zoom_[2]});
    }

private:
    using Matrix = std::array<std::array<float, 3>, 3>;
    static Matrix multiply(const Matrix &a, const Matrix &b)
    {
        Matrix m{};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                for (int k = 0; k < 3; ++k)
                    m[i][j] += a[i][k] * b[k][j];
        return m;
    }

    Matrix matrix_{};
    std::array<float, 3> zoom_{};
    float scale_ = 1.0f;
    float centreX_ = 0.0f;
    float centreY_ = 0.0f;
};

// World position of the centre of a cell: slices to the right, shallow depth
// up, layers toward the viewer.
Vec3 cellCentre(const VisibleCell &cell, float planeOffset)
{
    return {cell.y + 0.5f - kHalfCube, cell.x + 0.5f - kHalfCube,
            (cell.z + planeOffset) * kLayerSpacing - kHalfCube};
}

QRgb amplitudeColour(int value, int threshold)
{
    struct Stop {
        float at;
        int r, g, b;
    };
    static constexpr std::array<Stop, 5> stops = {{{0.0f, 40, 70, 220},
                                                   {0.25f, 0, 170, 220},
                                                   {0.5f, 40, 200, 70},
                                                   {0.75f, 240, 220, 40},
                                                   {1.0f, 230, 40, 30}}};
    const float span = static_cast<float>(std::max(1, 128 - threshold));
    const float t = std::clamp((value - threshold) / span, 0.0f, 1.0f);
    std::size_t i = 1;
    while (i + 1 < stops.size() && stops[i].at < t)
        ++i;
    const Stop &a = stops[i - 1];
    const Stop &b = stops[i];
    const float f = (t - a.at) / (b.at - a.at);
    return qRgb(static_cast<int>(a.r + (b.r - a.r) * f), static_cast<int>(a.g + (b.g - a.g) * f),
                static_cast<int>(a.b + (b.b - a.b) * f));
}

QRgb shaded(QRgb colour, float light)
{
    return qRgb(static_cast<int>(qRed(colour) * light), static_cast<int>(qGreen(colour) * light),
                static_cast<int>(qBlue(colour) * light));
}

void fillBackground(QImage &image)
{
    const int height = image.height();
    for (int y = 0; y < height; ++y) {
        const float f = height > 1 ? static_cast<float>(y) / (height - 1) : 0.0f;
        const QRgb colour = qRgb(static_cast<int>(28 - 20 * f), static_cast<int>(34 - 24 * f),
                                 static_cast<int>(48 - 32 * f));
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        std::fill(row, row + image.width(), colour);
    }
}

// The light comes from above the viewer, a little from the left.
constexpr Vec3 kLight{-0.3f, 0.7f, 0.65f};

class CellPainter {
public:
    CellPainter(QImage &image, const Scene &scene, const Projection &projection)
        : image_(image), scene_(scene), projection_(projection),
          depth_(static_cast<std::size_t>(image.width()) * image.height(),
                 -std::numeric_limits<float>::infinity()),
          side_(static_cast<int>(projection.cellSide())), range_(projection.depthRange())
    {
        const float length = std::sqrt(kLight.x * kLight.x + kLight.y * kLight.y + kLight.z * kLight.z);
        light_ = {kLight.x / length, kLight.y / length, kLight.z / length};
    }

    void paintAll()
    {
        for (const VisibleCell &cell : scene_.cells) {
            const QRgb colour = amplitudeColour(cell.value, scene_.threshold);
            const float diffuse = scene_.lit ? diffuseLight(cell) : 1.0f;
            // two splats a plane, as planes lie twice as far apart as rows
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
        // model axes: depth is up (y), slices are across (x), layers toward the viewer (z)
        const Vec3 n = projection_.turn({cell.normalY / 127.0f, cell.normalX / 127.0f, cell.normalZ / 127.0f});
        const float facing = std::abs(n.x * light_.x + n.y * light_.y + n.z * light_.z);
        return 0.45f + 0.55f * std::min(facing, 1.0f);
    }

    void paint(Vec3 world, QRgb colour, float diffuse)
    {
        const Vec3 p = projection_.project(world);
        const float depthCue = scene_.lit ? 0.75f + 0.25f * std::clamp((p.z + range_) / (2 * range_), 0.0f, 1.0f)
                                          : 1.0f;
        const QRgb pixel = shaded(colour, diffuse * depthCue);
        const int left = static_cast<int>(std::floor(p.x - side_ / 2.0f));
        const int top = static_cast<int>(std::floor(p.y - side_ / 2.0f));
        const int x0 = std::max(0, left), x1 = std::min(image_.width(), left + side_);
        const int y0 = std::max(0, top), y1 = std::min(image_.height(), top + side_);
        for (int y = y0; y < y1; ++y) {
            auto *row = reinterpret_cast<QRgb *>(image_.scanLine(y));
            float *depthRow = depth_.data() + static_cast<std::size_t>(y) * image_.width();
            for (int x = x0; x < x1; ++x) {
                if (p.z > depthRow[x]) {
                    depthRow[x] = p.z;
                    row[x] = pixel;
                }
            }
        }
    }

    QImage &image_;
    const Scene &scene_;
    const Projection &projection_;
    std::vector<float> depth_;
    int side_;
    float range_;
    Vec3 light_{};
};

void drawLine(QPainter &painter, const Projection &projection, Vec3 from, Vec3 to)
{
    painter.drawLine(projection.screen(from), projection.screen(to));
}

void drawFrame(QPainter &painter, const Projection &projection)
{
    const float h = kHalfCube;
    painter.setPen(QPen(QColor(170, 180, 200), 1));
    for (float a : {-h, h}) {
        for (float b : {-h, h}) {
            drawLine(painter, projection, {-h, a, b}, {h, a, b});
            drawLine(painter, projection, {a, -h, b}, {a, h, b});
            drawLine(painter, projection, {a, b, -h}, {a, b, h});
        }
    }
    // marks every 8 units along the three edges that meet at the deep, far, left corner
    const float tick = 1.5f;
    for (float t = -h; t <= h; t += 8.0f) {
        drawLine(painter, projection, {t, -h, -h}, {t, -h - tick, -h});
        drawLine(painter, projection, {-h, t, -h}, {-h - tick, t, -h});
        drawLine(painter, projection, {-h, -h, t}, {-h - tick, -h, t});
    }
    painter.setPen(QColor(200, 210, 230));
    painter.drawText(projection.screen({h + 3, -h - 3, -h}), QStringLiteral("slice"));
    painter.drawText(projection.screen({-h - 3, h + 3, -h}), QStringLiteral("depth"));
    painter.drawText(projection.screen({-h - 3, -h - 3, h + 3}), QStringLiteral("layer"));
}

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
        drawLine(painter, projection, corners[i], corners[(i + 1) % corners.size()]);
}

void drawCursor(QPainter &painter, const Projection &projection, const Scene &scene)
{
    const Vec3 c = cursorWorld(scene);
    const float h = kHalfCube;
    painter.setPen(QPen(QColor(255, 220, 0), 1));
    drawLine(painter, projection, {-h, c.y, c.z}, {h, c.y, c.z});
    drawLine(painter, projection, {c.x, -h, c.z}, {c.x, h, c.z});
    drawLine(painter, projection, {c.x, c.y, -h}, {c.x, c.y, h});
    painter.drawEllipse(projection.screen(c), 3.0, 3.0);
}

}  // namespace

void renderScene(const Scene &scene, QImage &image)
{
    if (image.isNull())
        return;
    fillBackground(image);
    const Projection projection(scene, image.width(), image.height());
    CellPainter(image, scene, projection).paintAll();

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (scene.frames)
        drawFrame(painter, projection);
    if (scene.cursorShown) {
        drawSlicePlane(painter, projection, scene);
        drawCursor(painter, projection, scene);
    }
}
