#include "dac_overlay.h"

#include "slice_renderer.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace {

const QColor kDacColour(255, 160, 0);
constexpr double kAScanFullValue = 128;  // the value that reaches the A-scan's top row

}  // namespace

// Column j of the A-scan is trace byte j; a value v fills the rows below
// 80 - 80 v / 128.
void drawDacOverAScan(QPainter &painter, QSize shown, const DacCurve &curve, int depthScale)
{
    const double across = shown.width() / static_cast<double>(kAScanWidth);
    const double down = shown.height() / static_cast<double>(kAScanHeight);
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), shown));
    for (const double offsetDb : kDacLinesDb) {
        const double factor = std::pow(10.0, offsetDb / 20.0);
        QPolygonF line;
        for (int byte = 1; byte < kAScanWidth; ++byte) {
            const double value = curve.at(byte * static_cast<double>(depthScale) / 16.0) * factor;
            line << QPointF((byte + 0.5) * across, (kAScanHeight - value * kAScanHeight / kAScanFullValue) * down);
        }
        painter.setPen(QPen(kDacColour, 1, offsetDb == 0 ? Qt::SolidLine : Qt::DashLine));
        painter.drawPolyline(line);
    }
    painter.restore();
}
