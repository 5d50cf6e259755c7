#include "wall_map_picture.h"

#include "decimal_text.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSlices = ViewRanges::Slice.maximum - ViewRanges::Slice.minimum + 1;
constexpr int kLayers = ViewRanges::Layer.maximum - ViewRanges::Layer.minimum + 1;
constexpr int kLegendLabels = 5;
const QColor kNoValue(160, 160, 160);

// What the legend's scale runs over and says.
struct MapScale {
    const MapPalette &palette;
    double low;
    double high;
    QString unit;
    QString noValueText;
    double shareOf(double value) const { return high > low ? (value - low) / (high - low) : 0.5; }
};

QFont legendFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

void drawCells(QPainter &painter, const MapPictureLayout &layout, const MapGate &gate,
               const std::vector<std::optional<double>> &values, const MapScale &scale)
{
    std::size_t next = 0;
    forEachTraceOf(gate, [&](TraceAt at) {
        const std::optional<double> value = next < values.size() ? values[next] : std::nullopt;
        ++next;
        const QRect cell = layout.cellRect(at);
        if (value) {
            painter.fillRect(cell, paletteColour(scale.palette, scale.shareOf(*value)));
            return;
        }
        painter.fillRect(cell, kNoValue);
        painter.setPen(Qt::black);
        painter.drawLine(cell.topLeft(), cell.bottomRight());
        painter.drawLine(cell.bottomLeft(), cell.topRight());
    });
}

QString labelText(double value)
{
    return QString::fromLatin1(realNumberText(std::round(value * 100.0) / 100.0));
}

void drawLegend(QPainter &painter, const MapPictureLayout &layout, QSize size, const MapScale &scale)
{
    painter.setFont(legendFont());
    painter.setPen(Qt::black);
    const int left = layout.legendLeft + 10;
    const QRect bar(left, 24, 18, std::max(10, size.height() - 70));
    painter.drawText(QRect(left, 4, kMapLegendWidth - 14, 16), Qt::AlignLeft | Qt::AlignVCenter, scale.unit);
    for (int y = 0; y < bar.height(); ++y) {
        const double share = 1.0 - static_cast<double>(y) / std::max(1, bar.height() - 1);
        painter.fillRect(QRect(bar.left(), bar.top() + y, bar.width(), 1), paletteColour(scale.palette, share));
    }
    painter.drawRect(bar.adjusted(0, 0, -1, -1));
    for (int i = 0; i < kLegendLabels; ++i) {
        const double share = 1.0 - static_cast<double>(i) / (kLegendLabels - 1);
        const int y = bar.top() + static_cast<int>(std::lround((1.0 - share) * (bar.height() - 1)));
        painter.drawLine(bar.right() + 1, y, bar.right() + 4, y);
        painter.drawText(QRect(bar.right() + 7, y - 8, kMapLegendWidth - bar.width() - 20, 16),
                         Qt::AlignLeft | Qt::AlignVCenter, labelText(scale.low + share * (scale.high - scale.low)));
    }
    const QRect swatch(left, bar.bottom() + 12, 12, 12);
    painter.fillRect(swatch, kNoValue);
    painter.drawLine(swatch.topLeft(), swatch.bottomRight());
    painter.drawLine(swatch.bottomLeft(), swatch.topRight());
    painter.drawText(QRect(swatch.right() + 6, swatch.top() - 2, kMapLegendWidth - 30, 16),
                     Qt::AlignLeft | Qt::AlignVCenter, scale.noValueText);
}

QImage mapPicture(const MapGate &gate, const std::vector<std::optional<double>> &values, const MapScale &scale,
                  QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const MapPictureLayout layout = mapPictureLayout(size);
    QPainter painter(&picture);
    drawCells(painter, layout, gate, values, scale);
    drawLegend(painter, layout, size, scale);
    painter.end();
    return picture;
}

}  // namespace

const MapPalette &thicknessPalette()
{
    static const MapPalette palette{QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 200, 0), QColor(0, 255, 255),
                                    QColor(0, 0, 255)};
    return palette;
}

const MapPalette &differencePalette()
{
    static const MapPalette palette{QColor(0, 0, 255), QColor(255, 255, 255), QColor(255, 0, 0)};
    return palette;
}

QColor paletteColour(const MapPalette &palette, double share)
{
    const double along = std::clamp(share, 0.0, 1.0) * static_cast<double>(palette.size() - 1);
    const std::size_t below = std::min(static_cast<std::size_t>(along), palette.size() - 2);
    const double t = along - static_cast<double>(below);
    const QColor &a = palette[below];
    const QColor &b = palette[below + 1];
    const auto mix = [t](int from, int to) { return static_cast<int>(std::lround(from + t * (to - from))); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

QRect MapPictureLayout::cellRect(TraceAt at) const
{
    return QRect(at.slice * cellWidth, (at.layer - ViewRanges::Layer.minimum) * cellHeight, cellWidth, cellHeight);
}

std::optional<TraceAt> MapPictureLayout::traceAt(QPoint pixel) const
{
    if (pixel.x() < 0 || pixel.y() < 0)
        return std::nullopt;
    const int slice = pixel.x() / cellWidth;
    const int layer = pixel.y() / cellHeight + ViewRanges::Layer.minimum;
    if (slice >= kSlices || layer > ViewRanges::Layer.maximum)
        return std::nullopt;
    return TraceAt{layer, slice};
}

MapPictureLayout mapPictureLayout(QSize size)
{
    MapPictureLayout layout;
    layout.cellWidth = std::max(2, (size.width() - kMapLegendWidth - 1) / kSlices);
    layout.cellHeight = std::max(2, (size.height() - 1) / kLayers);
    layout.legendLeft = kSlices * layout.cellWidth + 1;
    return layout;
}

QImage thicknessMapPicture(const ThicknessMap &map, QSize size)
{
    std::vector<std::optional<double>> values;
    values.reserve(map.traces.size());
    for (const TraceWall &trace : map.traces) {
        std::optional<double> thickness;
        if (trace.echoByte)
            thickness = wallMillimetres(*trace.echoByte, map.depthScale);
        values.push_back(thickness);
    }
    const ThicknessFigures figures = thicknessFigures(map, std::nullopt);
    const double low = figures.minMm.value_or(0.0);
    const double high = std::max(figures.maxMm.value_or(low), low + 1.0 / 16.0 * map.depthScale);
    return mapPicture(map.gate, values, {thicknessPalette(), low, high, QStringLiteral("mm"), QStringLiteral("no echo")},
                      size);
}

QImage differenceMapPicture(const ScanComparison &comparison, QSize size)
{
    std::vector<std::optional<double>> values;
    values.reserve(comparison.traces.size());
    double largest = 1.0;
    for (const TraceComparison &trace : comparison.traces) {
        values.push_back(trace.deltaDb);
        if (trace.deltaDb)
            largest = std::max(largest, std::fabs(*trace.deltaDb));
    }
    const double reach = std::ceil(largest);
    return mapPicture(comparison.gate, values,
                      {differencePalette(), -reach, reach, QStringLiteral("dB (A to B)"), QStringLiteral("a maximum 0")},
                      size);
}
