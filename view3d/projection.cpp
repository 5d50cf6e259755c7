#include "projection.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kCubeDiagonal = 111.0f;  // the box's diagonal in world units, with room to spare
constexpr float kFill = 0.8f;            // share of the smaller side the diagonal spans at zoom 1

}  // namespace

int pictureFontPixels(QSize picture, qreal ratio)
{
    return std::clamp(std::min(picture.width(), picture.height()) / 45, static_cast<int>(std::lround(10 * ratio)),
                      static_cast<int>(std::lround(16 * ratio)));
}

int legendStripWidth(QSize picture, qreal ratio)
{
    return pictureFontPixels(picture, ratio) * 5 + static_cast<int>(std::lround(16 * ratio));
}

Projection::Projection(const Scene &scene, QSize picture, qreal ratio) : box_(scene)
{
    const float degree = static_cast<float>(M_PI / 180.0);
    const float cr = std::cos(scene.roll * degree), sr = std::sin(scene.roll * degree);
    const float ct = std::cos(scene.turn * degree), st = std::sin(scene.turn * degree);
    const float cl = std::cos(scene.tilt * degree), sl = std::sin(scene.tilt * degree);
    // roll about the line of sight, then turn about the vertical, then tilt
    // about the horizontal screen axis
    const Matrix roll = {{{cr, -sr, 0}, {sr, cr, 0}, {0, 0, 1}}};
    const Matrix turn = {{{ct, 0, st}, {0, 1, 0}, {-st, 0, ct}}};
    const Matrix tilt = {{{1, 0, 0}, {0, cl, -sl}, {0, sl, cl}}};
    const auto multiply = [](const Matrix &a, const Matrix &b) {
        Matrix m{};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                for (int k = 0; k < 3; ++k)
                    m[i][j] += a[i][k] * b[k][j];
        return m;
    };
    matrix_ = multiply(tilt, multiply(turn, roll));
    // zoom factors are kept per library axis: depth, slices, layers
    zoom_ = {scene.zoom[1], scene.zoom[0], scene.zoom[2]};
    const int cubeWidth = std::max(1, picture.width() - legendStripWidth(picture, ratio));
    scale_ = kFill * static_cast<float>(std::min(cubeWidth, picture.height())) / kCubeDiagonal;
    centreX_ = cubeWidth / 2.0f;
    centreY_ = picture.height() / 2.0f;
}

Vec3 Projection::project(Vec3 w) const
{
    const Vec3 r = turn({w.x * zoom_[0], w.y * zoom_[1], w.z * zoom_[2]});
    return {centreX_ + scale_ * r.x, centreY_ - scale_ * r.y, r.z};
}

QPointF Projection::screen(Vec3 world) const
{
    const Vec3 p = project(world);
    return {p.x, p.y};
}

Vec3 Projection::turn(Vec3 d) const
{
    return {matrix_[0][0] * d.x + matrix_[0][1] * d.y + matrix_[0][2] * d.z,
            matrix_[1][0] * d.x + matrix_[1][1] * d.y + matrix_[1][2] * d.z,
            matrix_[2][0] * d.x + matrix_[2][1] * d.y + matrix_[2][2] * d.z};
}

uint8_t Projection::sidesFacingViewer() const
{
    constexpr float kEdgeOn = 1e-4f;
    const auto facing = [](float toward, CellSide plus, CellSide minus) {
        return toward > kEdgeOn ? plus : toward < -kEdgeOn ? minus : 0;
    };
    return static_cast<uint8_t>(facing(matrix_[2][0], kRight, kLeft) | facing(matrix_[2][1], kUp, kDown)
                                | facing(matrix_[2][2], kFront, kBack));
}

int Projection::squareSide(float worldUnits) const
{
    const float meanZoom = (zoom_[0] + zoom_[1] + zoom_[2]) / 3.0f;
    return static_cast<int>(std::max(1.0f, std::ceil(scale_ * meanZoom * 1.15f * worldUnits)));
}

int Projection::cellSide() const
{
    return squareSide(box_.squareSide());
}

float Projection::depthRange() const
{
    return kCubeDiagonal / 2.0f * std::max({zoom_[0], zoom_[1], zoom_[2]});
}
