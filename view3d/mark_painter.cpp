#include "mark_painter.h"

#include "projection.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <array>

namespace {

constexpr int kLineWidth = 2;

// The eight corners of a mark in world units, bit 0 of the index choosing
// its slice side, bit 1 its depth side and bit 2 its layer side.
std::array<Vec3, 8> cornersOf(const Mark &mark, const VolumeBox &box)
{
    const float x[2] = {box.rowSpan(mark.firstRow).from, box.rowSpan(mark.lastRow).to};
    const float y[2] = {box.depthY(static_cast<float>(mark.firstPair)),
                        box.depthY(static_cast<float>(mark.lastPair + 1))};
    const float z[2] = {box.layerZ(static_cast<float>(mark.firstPlane - kFirstLayerPlane)),
                        box.layerZ(static_cast<float>(mark.lastPlane - kFirstLayerPlane + 1))};
    std::array<Vec3, 8> corners;
    for (int i = 0; i < 8; ++i)
        corners[static_cast<std::size_t>(i)] = {x[i & 1], y[(i >> 1) & 1], z[(i >> 2) & 1]};
    return corners;
}

void paintMark(QPainter &painter, const Mark &mark, const Projection &projection, int fontPixels)
{
    std::array<QPointF, 8> points;
    const auto corners = cornersOf(mark, projection.box());
    std::transform(corners.begin(), corners.end(), points.begin(), [&](Vec3 c) { return projection.screen(c); });
    // the corners one bit apart share an edge
    for (int i = 0; i < 8; ++i)
        for (int bit = 1; bit < 8; bit <<= 1)
            if ((i & bit) == 0)
                painter.drawLine(points[static_cast<std::size_t>(i)], points[static_cast<std::size_t>(i | bit)]);
    const QPointF highest = *std::min_element(points.begin(), points.end(),
                                              [](QPointF a, QPointF b) { return a.y() < b.y(); });
    const QRectF label(highest.x() - 2 * fontPixels, highest.y() - fontPixels - 4, 4 * fontPixels, fontPixels + 2);
    painter.drawText(label, Qt::AlignHCenter | Qt::AlignBottom, QString::number(mark.number));
}

}  // namespace

void paintMarks(const Scene &scene, QImage &frame, qreal ratio)
{
    if (scene.marks.empty())
        return;
    const Projection projection(scene, frame.size(), ratio);
    QPainter painter(&frame);
    QFont font = painter.font();
    const int fontPixels = pictureFontPixels(frame.size(), ratio);
    font.setPixelSize(fontPixels);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QPen(QColor::fromRgb(kMarkColour), kLineWidth));
    for (const Mark &mark : scene.marks)
        paintMark(painter, mark, projection, fontPixels);
}
