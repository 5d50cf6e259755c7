#include "overlay.h"

#include "amplitude_colours.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QColor kLineColour(170, 180, 200);
const QColor kTextColour(215, 222, 235);
const QColor kLegendBackdrop(20, 24, 34);

// The box's twelve edges and the ticks of the numbers.
std::vector<QLineF> frameLines(const Projection &projection, const std::vector<OverlayLabel> &labels)
{
    std::vector<QLineF> lines;
    const Vec3 h = projection.box().half();
    for (float a : {-1.0f, 1.0f}) {
        for (float b : {-1.0f, 1.0f}) {
            lines.emplace_back(projection.screen({-h.x, a * h.y, b * h.z}), projection.screen({h.x, a * h.y, b * h.z}));
            lines.emplace_back(projection.screen({a * h.x, -h.y, b * h.z}), projection.screen({a * h.x, h.y, b * h.z}));
            lines.emplace_back(projection.screen({a * h.x, b * h.y, -h.z}), projection.screen({a * h.x, b * h.y, h.z}));
        }
    }
    for (const OverlayLabel &label : labels)
        if (!label.tick.isNull())
            lines.push_back(label.tick);
    return lines;
}

std::vector<int> legendNumbers(int threshold, double pixelsPerUnit, int fontPixels)
{
    std::vector<int> numbers{kTopOfScale};
    const double room = fontPixels * 1.6;
    int step = 1;
    for (int candidate : {1, 2, 5, 10, 20, 50, 100})
        if ((step = candidate) * pixelsPerUnit >= room)
            break;
    for (int v = (kTopOfScale - 1) / step * step; v > threshold; v -= step)
        if ((kTopOfScale - v) * pixelsPerUnit >= room && (v - threshold) * pixelsPerUnit >= room)
            numbers.push_back(v);
    numbers.push_back(threshold);
    return numbers;
}

// The legend's backdrop: the strip's width, from above the title to below the bar.
QRect legendArea(QSize picture, qreal ratio)
{
    const QRect bar = legendBar(picture, ratio);
    const int fontPixels = pictureFontPixels(picture, ratio);
    const int stripLeft = picture.width() - legendStripWidth(picture, ratio);
    return {stripLeft, bar.top() - 2 * fontPixels - 4, picture.width() - stripLeft, bar.height() + 3 * fontPixels + 8};
}

void drawLegend(QPainter &painter, QImage &canvas, int threshold, qreal ratio)
{
    const QRect bar = legendBar(canvas.size(), ratio);
    // a picture too small for the bar goes without it
    if (!canvas.rect().contains(bar))
        return;
    const int fontPixels = pictureFontPixels(canvas.size(), ratio);
    const int stripLeft = canvas.width() - legendStripWidth(canvas.size(), ratio);
    painter.fillRect(legendArea(canvas.size(), ratio), kLegendBackdrop);
    painter.end();
    for (int row = 0; row < bar.height(); ++row) {
        const QRgb colour = amplitudeColour(legendAmplitude(row, bar.height(), threshold), threshold);
        auto *line = reinterpret_cast<QRgb *>(canvas.scanLine(bar.top() + row));
        std::fill(line + bar.left(), line + bar.left() + bar.width(), colour);
    }
    painter.begin(&canvas);
    // the painter's own font, as large in the canvas as the ratio asks
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * ratio);
    painter.setFont(font);
    painter.setPen(kTextColour);
    painter.drawText(QRect(stripLeft, bar.top() - 2 * fontPixels, canvas.width() - stripLeft, fontPixels + 4),
                     Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("amplitude"));
    const double perUnit = static_cast<double>(bar.height()) / std::max(1, kTopOfScale - threshold);
    for (int value : legendNumbers(threshold, perUnit, fontPixels)) {
        const int y = bar.top() + static_cast<int>(std::lround((kTopOfScale - value) * perUnit));
        painter.drawLine(bar.right() + 1, y, bar.right() + 4, y);
        painter.drawText(QRect(bar.right() + 6, y - fontPixels, canvas.width() - bar.right() - 6, 2 * fontPixels),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::number(value));
    }
}

}  // namespace

QRect legendBar(QSize picture, qreal ratio)
{
    const int fontPixels = pictureFontPixels(picture, ratio);
    const int height = std::clamp(picture.height() * 2 / 5, 40, 320);
    const int left = picture.width() - legendStripWidth(picture, ratio) + fontPixels / 2 + 4;
    // at the top: the foot of the 3-D area may lie under the window's bottom panel
    return {left, fontPixels * 5 / 2 + 8, fontPixels, height};
}

int legendAmplitude(int barRow, int barHeight, int threshold)
{
    const int span = std::max(1, kTopOfScale - threshold);
    return kTopOfScale - barRow * span / std::max(1, barHeight);
}

bool Overlay::View::operator==(const View &o) const
{
    return picture == o.picture && ratio == o.ratio && roll == o.roll && turn == o.turn && tilt == o.tilt && zoom[0] == o.zoom[0]
           && zoom[1] == o.zoom[1] && zoom[2] == o.zoom[2] && frames == o.frames && depthScale == o.depthScale
           && slicePitch == o.slicePitch && layerPitch == o.layerPitch && threshold == o.threshold;
}

Overlay::View Overlay::viewOf(const Scene &scene, QSize picture, qreal ratio)
{
    return {picture, ratio, scene.roll, scene.turn, scene.tilt, {scene.zoom[0], scene.zoom[1], scene.zoom[2]},
            scene.frames, scene.depthScale, scene.slicePitch, scene.layerPitch, scene.threshold};
}

void Overlay::update(const Scene &scene, QSize picture, qreal ratio)
{
    const View view = viewOf(scene, picture, ratio);
    if (drawnFor_ && *drawnFor_ == view)
        return;
    draw(scene, picture, ratio);
    drawnFor_ = view;
}

// Text goes through the canvas, of which only the areas written last time are
// cleared and only those written now are read back; the lines are laid down
// pixel by pixel.
void Overlay::draw(const Scene &scene, QSize picture, qreal ratio)
{
    if (canvas_.size() != picture) {
        canvas_ = QImage(picture, QImage::Format_ARGB32_Premultiplied);
        canvas_.fill(Qt::transparent);
        textAreas_.clear();
    }
    for (const QRect &area : textAreas_)
        clearCanvas(area);
    textAreas_ = {legendArea(picture, ratio)};
    std::vector<QLineF> lines;
    {
        QPainter painter(&canvas_);
        QFont font = painter.font();
        font.setPixelSize(pictureFontPixels(picture, ratio));
        painter.setFont(font);
        painter.setPen(kTextColour);
        if (scene.frames) {
            const auto labels = layoutAxisLabels(scene, picture, ratio);
            for (const OverlayLabel &label : labels) {
                painter.drawText(label.rect, Qt::AlignCenter, label.text);
                textAreas_.push_back(label.rect.toAlignedRect().adjusted(-1, -1, 1, 1));
            }
            lines = frameLines(Projection(scene, picture, ratio), labels);
        }
        drawLegend(painter, canvas_, scene.threshold, ratio);
    }
    pixels_.clear();
    for (QRect &area : textAreas_) {
        area &= canvas_.rect();
        readBack(area);
    }
    for (const QLineF &line : lines)
        addLine(line, kLineColour.rgb());
}

void Overlay::clearCanvas(const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(canvas_.scanLine(y));
        std::fill(row + area.left(), row + area.right() + 1, QRgb(0));
    }
}

void Overlay::readBack(const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(canvas_.constScanLine(y));
        const uint32_t rowStart = static_cast<uint32_t>(y) * static_cast<uint32_t>(canvas_.width());
        for (int x = area.left(); x <= area.right(); ++x)
            if (row[x] != 0)
                pixels_.push_back({rowStart + static_cast<uint32_t>(x), row[x]});
    }
}

// A line one pixel wide, one pixel a step along its longer extent.
void Overlay::addLine(const QLineF &line, QRgb colour)
{
    const double dx = line.dx(), dy = line.dy();
    const int steps = static_cast<int>(std::ceil(std::max(std::abs(dx), std::abs(dy))));
    for (int i = 0; i <= steps; ++i) {
        const double f = steps > 0 ? static_cast<double>(i) / steps : 0.0;
        const int x = static_cast<int>(std::lround(line.x1() + dx * f));
        const int y = static_cast<int>(std::lround(line.y1() + dy * f));
        if (x >= 0 && y >= 0 && x < canvas_.width() && y < canvas_.height())
            pixels_.push_back({static_cast<uint32_t>(y) * static_cast<uint32_t>(canvas_.width()) + static_cast<uint32_t>(x),
                               colour});
    }
}

void Overlay::applyTo(QImage &frame) const
{
    auto *bits = reinterpret_cast<QRgb *>(frame.bits());
    const uint32_t count = static_cast<uint32_t>(frame.width()) * static_cast<uint32_t>(frame.height());
    for (const Pixel &pixel : pixels_) {
        if (pixel.index >= count)
            continue;
        const int alpha = qAlpha(pixel.premultiplied);
        QRgb &target = bits[pixel.index];
        if (alpha == 255) {
            target = pixel.premultiplied;
            continue;
        }
        const int keep = 255 - alpha;
        target = qRgb(qRed(pixel.premultiplied) + qRed(target) * keep / 255,
                      qGreen(pixel.premultiplied) + qGreen(target) * keep / 255,
                      qBlue(pixel.premultiplied) + qBlue(target) * keep / 255);
    }
}
