#include "trace_plot.h"

#include "checked.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kDepthLabelWidth = 34;
constexpr int kPercentLabelHeight = 14;
constexpr int kMargin = 4;
constexpr int kRightMargin = 14;  // room for half the last per-cent label
constexpr int kPercentStep = 50;
constexpr int kDepthTickStep = 32;  // depth positions between labelled ticks
const QColor kTraceColour(0, 128, 0);
const QColor kGateColour(255, 236, 160);
const QColor kPeakColour(220, 0, 0);
const QColor kCursorColour(0, 90, 255);
const QColor kReferenceColour(160, 0, 160);
const QColor kDacColour(230, 110, 0);

// Where the graph lies in the area and how samples map onto it.
struct PlotFrame {
    QRect graph;
    int samples;
    int percentMaximum;

    double depthY(double position) const { return graph.top() + position * graph.height() / samples; }
    double amplitudeX(double value) const
    {
        return graph.left() + (100.0 * value / kFullScaleAmplitude) * graph.width() / percentMaximum;
    }
};

// 100 %, or more in steps of 50 % when a sample or the DAC goes above full scale.
int percentMaximumOf(const TracePlot &plot)
{
    int highest = *std::max_element(plot.samples.begin(), plot.samples.end());
    if (plot.dac) {
        for (const DacPoint &point : plot.dac->points())
            highest = std::max(highest, point.value);
    }
    const double percent = 100.0 * highest / kFullScaleAmplitude;
    return std::max(100, static_cast<int>(std::ceil(percent / kPercentStep)) * kPercentStep);
}

void drawGate(QPainter &painter, const PlotFrame &frame, const TracePlot &plot)
{
    const double top = frame.depthY(plot.gateFirst);
    const double bottom = frame.depthY(plot.gateLast + 1);
    painter.fillRect(QRectF(frame.graph.left(), top, frame.graph.width(), bottom - top), kGateColour);
}

void drawScales(QPainter &painter, const PlotFrame &frame, const TracePlot &plot)
{
    painter.setPen(Qt::black);
    painter.drawRect(frame.graph.adjusted(0, 0, -1, -1));
    const QFontMetrics metrics = painter.fontMetrics();
    for (int position = 0; position < frame.samples; position += kDepthTickStep) {
        const int y = static_cast<int>(frame.depthY(position));
        painter.drawLine(frame.graph.left() - 3, y, frame.graph.left(), y);
        const QString label = QString::number(depthMillimetresTenth(position, plot.scaleFactor), 'f', 0);
        painter.drawText(QRect(0, y - metrics.height() / 2, kDepthLabelWidth - 4, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, label);
    }
    for (int percent = 0; percent <= frame.percentMaximum; percent += kPercentStep) {
        const int x = frame.graph.left() + percent * frame.graph.width() / frame.percentMaximum;
        painter.drawLine(x, frame.graph.top() - 3, x, frame.graph.top());
        painter.drawText(QRect(x - 20, 0, 40, kPercentLabelHeight), Qt::AlignCenter, QString::number(percent));
    }
    painter.drawText(QRect(0, 0, kDepthLabelWidth, kPercentLabelHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("mm"));
    painter.drawText(QRect(frame.graph.right() - 14, frame.graph.top() + 2, 14, kPercentLabelHeight),
                     Qt::AlignRight, QStringLiteral("%"));
}

void drawTrace(QPainter &painter, const PlotFrame &frame, const TracePlot &plot)
{
    QPolygonF outline;
    outline << QPointF(frame.amplitudeX(0), frame.depthY(0));
    for (int position = 0; position < frame.samples; ++position) {
        const double x = frame.amplitudeX(plot.samples[static_cast<std::size_t>(position)]);
        outline << QPointF(x, frame.depthY(position)) << QPointF(x, frame.depthY(position + 1));
    }
    outline << QPointF(frame.amplitudeX(0), frame.depthY(frame.samples));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTraceColour);
    painter.drawPolygon(outline);
}

void drawMarks(QPainter &painter, const PlotFrame &frame, const TracePlot &plot)
{
    const double cursorY = frame.depthY(plot.cursorDepth + 0.5);
    painter.setPen(QPen(kCursorColour, 1, Qt::DashLine));
    painter.drawLine(QPointF(frame.graph.left(), cursorY), QPointF(frame.graph.right(), cursorY));
    if (plot.reference) {
        const double x = frame.amplitudeX(*plot.reference);
        painter.setPen(QPen(kReferenceColour, 1, Qt::DashDotLine));
        painter.drawLine(QPointF(x, frame.graph.top()), QPointF(x, frame.graph.bottom()));
    }
    const QPointF peak(frame.amplitudeX(plot.peak.value), frame.depthY(plot.peak.depthPosition + 0.5));
    painter.setPen(QPen(kPeakColour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(peak, 4, 4);
}

// Each line through the depth positions' middles, the curve solid and the
// lines below it dashed.
void drawDac(QPainter &painter, const PlotFrame &frame, const TracePlot &plot)
{
    for (const double offsetDb : kDacLinesDb) {
        const double factor = std::pow(10.0, offsetDb / 20.0);
        QPolygonF line;
        for (int position = 0; position < frame.samples; ++position) {
            const double depthMm = position * static_cast<double>(plot.scaleFactor) / 16.0;
            line << QPointF(frame.amplitudeX(plot.dac->at(depthMm) * factor), frame.depthY(position + 0.5));
        }
        painter.setPen(QPen(kDacColour, offsetDb == 0 ? 2 : 1, offsetDb == 0 ? Qt::SolidLine : Qt::DashLine));
        painter.drawPolyline(line);
    }
}

// A reading longer than the plot is wide goes on over more lines, never cut.
int wrappedHeight(const QFontMetrics &metrics, int width, const QString &line)
{
    return metrics.boundingRect(QRect(0, 0, std::max(width, 1), 100000), Qt::TextWordWrap, line).height();
}

int readingsHeight(const QFontMetrics &metrics, int width, const QStringList &lines)
{
    int height = 0;
    for (const QString &line : lines)
        height += wrappedHeight(metrics, width, line);
    return height;
}

void drawReadings(QPainter &painter, const QRect &area, const QStringList &lines)
{
    painter.setPen(Qt::black);
    int y = area.top();
    for (const QString &line : lines) {
        const int height = wrappedHeight(painter.fontMetrics(), area.width(), line);
        painter.drawText(QRect(area.left(), y, area.width(), height), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         line);
        y += height;
    }
}

}  // namespace

TracePlot tracePlotOf(const ScanVolume &volume, const ViewState &view, const FindingReadings &readings,
                      const std::optional<DacCurve> &dac)
{
    TracePlot plot;
    const int trace = TraceOffset(view.layer, view.slice);
    checkRange(trace, static_cast<long long>(plot.samples.size()), volume.scan_image.size());
    std::copy_n(volume.scan_image.data() + trace, plot.samples.size(), plot.samples.begin());
    plot.scaleFactor = depthScaleFactor(volume);
    plot.gateFirst = view.topBorder + 1;
    plot.gateLast = view.bottomBorder + 1;
    plot.peak = readings.peak;
    plot.cursorDepth = view.depth;
    plot.reference = readings.reference;
    plot.dac = dac;
    plot.readings = readingsLines(readings);
    return plot;
}

void drawTracePlot(QPainter &painter, const QRect &area, const TracePlot &plot)
{
    painter.save();
    painter.fillRect(area, Qt::white);
    painter.translate(area.topLeft());
    const int textWidth = area.width() - 2 * kMargin;
    const int textHeight = readingsHeight(painter.fontMetrics(), textWidth, plot.readings) + kMargin;
    const QRect graph(kDepthLabelWidth, kPercentLabelHeight, area.width() - kDepthLabelWidth - kRightMargin,
                      area.height() - kPercentLabelHeight - textHeight - kMargin);
    if (graph.width() > 0 && graph.height() > 0) {
        const PlotFrame frame{graph, static_cast<int>(plot.samples.size()), percentMaximumOf(plot)};
        painter.save();
        painter.setClipRect(graph);
        drawGate(painter, frame, plot);
        drawTrace(painter, frame, plot);
        if (plot.dac)
            drawDac(painter, frame, plot);
        drawMarks(painter, frame, plot);
        painter.restore();
        drawScales(painter, frame, plot);
    }
    drawReadings(painter, QRect(kMargin, area.height() - textHeight, textWidth, textHeight), plot.readings);
    painter.restore();
}
