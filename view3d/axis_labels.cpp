// Where the numbers and names of the box's axes stand.

#include "overlay.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace {

constexpr float kTickLength = 5.0f;
constexpr float kGap = 4.0f;
constexpr float kPadding = 3.0f;     // least room between two labels

struct AxisSpec {
    OverlayAxis axis;
    int index;  // world coordinate the axis runs along: 0 x, 1 y, 2 z
    QString name;
    int first;
    int last;
    std::vector<int> steps;
    std::function<float(int)> world;  // world coordinate of a value
    QPointF preferredOutside;         // screen direction the labels lean to
};

std::vector<int> niceSteps(int range)
{
    std::vector<int> steps;
    for (int decade = 1; decade <= range; decade *= 10)
        for (int m : {1, 2, 5})
            if (m * decade <= range)
                steps.push_back(m * decade);
    if (steps.empty())
        steps.push_back(1);
    return steps;
}

// Slices and layers are numbered at the middle of their cells, from 1.
std::array<AxisSpec, 3> axisSpecs(const VolumeBox &box, int depthScale)
{
    const int deepest = 8 * depthScale;  // 128 samples, 16 per depthScale millimetres
    return {{
        {OverlayAxis::Slice, 0, QStringLiteral("slice"), 1, kShownSlices, niceSteps(kShownSlices),
         [box](int slice) { return box.sliceX(static_cast<float>(slice) - 0.5f); }, QPointF(0.2, 1.0)},
        {OverlayAxis::Depth, 1, QStringLiteral("depth, mm"), 0, deepest, niceSteps(deepest),
         [box, depthScale](int mm) { return box.depthY(8.0f * static_cast<float>(mm) / static_cast<float>(depthScale)); },
         QPointF(-1.0, 0.1)},
        {OverlayAxis::Layer, 2, QStringLiteral("layer"), 1, kShownLayers, niceSteps(kShownLayers),
         [box](int layer) { return box.layerZ(static_cast<float>(layer) - 0.5f); }, QPointF(0.2, 1.0)},
    }};
}

Vec3 pointOn(int index, float along, float b, float c)
{
    switch (index) {
    case 0:
        return {along, b, c};
    case 1:
        return {b, along, c};
    default:
        return {b, c, along};
    }
}

QPointF unit(QPointF v)
{
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF();
}

double dot(QPointF a, QPointF b)
{
    return a.x() * b.x() + a.y() * b.y();
}

// The convex outline of the box on the screen.
QPolygonF outline(const Projection &projection)
{
    std::vector<QPointF> points;
    const Vec3 h = projection.box().half();
    for (float x : {-h.x, h.x})
        for (float y : {-h.y, h.y})
            for (float z : {-h.z, h.z})
                points.push_back(projection.screen({x, y, z}));
    std::sort(points.begin(), points.end(),
              [](QPointF a, QPointF b) { return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y()); });
    const auto cross = [](QPointF o, QPointF a, QPointF b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    std::vector<QPointF> hull(2 * points.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    for (std::size_t i = points.size() - 1, lower = k + 1; i > 0; --i) {
        while (k >= lower && cross(hull[k - 2], hull[k - 1], points[i - 1]) <= 0)
            --k;
        hull[k++] = points[i - 1];
    }
    hull.resize(k > 0 ? k - 1 : 0);
    return QPolygonF(QList<QPointF>(hull.begin(), hull.end()));
}

struct Edge {
    QPointF from;
    QPointF to;
    QPointF outside;  // unit screen direction away from the box
    float b;
    float c;
};

// Of the four edges along an axis, the one farthest out toward the preferred
// side; it always lies on the outline. Edges that coincide on the screen
// give way to the nearer one.
std::optional<Edge> chooseEdge(const AxisSpec &axisSpec, const Projection &projection, float minimumLength)
{
    const QPointF centre = projection.screen({0, 0, 0});
    const VolumeBox &box = projection.box();
    const float along = box.half(axisSpec.index);
    const float bHalf = box.half(axisSpec.index == 0 ? 1 : 0), cHalf = box.half(axisSpec.index == 2 ? 1 : 2);
    std::optional<Edge> best;
    double bestScore = 0;
    for (float b : {-bHalf, bHalf}) {
        for (float c : {-cHalf, cHalf}) {
            const Vec3 from = pointOn(axisSpec.index, -along, b, c);
            const Vec3 to = pointOn(axisSpec.index, along, b, c);
            const QPointF a = projection.screen(from), e = projection.screen(to);
            const QPointF onScreen = e - a;
            if (std::hypot(onScreen.x(), onScreen.y()) < minimumLength)
                return std::nullopt;
            QPointF outside = unit(QPointF(-onScreen.y(), onScreen.x()));
            if (dot(outside, axisSpec.preferredOutside) < 0)
                outside = -outside;
            const double nearness = projection.project(pointOn(axisSpec.index, 0, b, c)).z;
            const double score = dot((a + e) / 2 - centre, outside) * 1000 + nearness;
            if (!best || score > bestScore) {
                best = Edge{a, e, outside, b, c};
                bestScore = score;
            }
        }
    }
    return best;
}

class LabelPlacer {
public:
    // margin: how far the cells' squares reach beyond the box's outline.
    LabelPlacer(const QPolygonF &box, const QFont &font, double margin) : box_(box), metrics_(font), margin_(margin) {}

    // A label of text with its near side gap pixels from anchor in direction
    // outside, pushed further out while it would cover the box.
    QRectF place(const QString &text, QPointF anchor, QPointF outside, double gap) const
    {
        const QSizeF size = metrics_.size(Qt::TextSingleLine, text);
        const double extent = std::abs(outside.x()) * size.width() / 2 + std::abs(outside.y()) * size.height() / 2;
        QRectF rect(QPointF(), size);
        for (double push = 0; push < 200; push += 2) {
            rect.moveCenter(anchor + outside * (gap + extent + push));
            if (!box_.intersects(QPolygonF(rect.adjusted(-margin_, -margin_, margin_, margin_))))
                break;
        }
        return rect;
    }

private:
    QPolygonF box_;
    QFontMetricsF metrics_;
    double margin_;
};

bool overlapsAny(const QRectF &rect, const std::vector<OverlayLabel> &labels, double padding = kPadding)
{
    const QRectF padded = rect.adjusted(-padding, -padding, padding, padding);
    return std::any_of(labels.begin(), labels.end(), [&](const OverlayLabel &l) { return l.rect.intersects(padded); });
}

std::vector<int> valuesOf(const AxisSpec &axisSpec, int step)
{
    std::vector<int> values;
    for (int v = axisSpec.first; v <= axisSpec.last; v += step)
        values.push_back(v);
    return values;
}

// The numbers of one axis at the smallest step at which none overlaps
// another label; at the largest step, those that do not overlap.
std::vector<OverlayLabel> numberAxis(const AxisSpec &axisSpec, const Edge &edge, const LabelPlacer &placer,
                                     const std::vector<OverlayLabel> &placed, float half)
{
    const auto at = [&](int value) {
        const double f = (axisSpec.world(value) + half) / (2 * half);
        return edge.from + (edge.to - edge.from) * f;
    };
    std::vector<OverlayLabel> labels;
    for (std::size_t s = 0; s < axisSpec.steps.size(); ++s) {
        const bool lastChance = s + 1 == axisSpec.steps.size();
        labels.clear();
        bool fits = true;
        for (int value : valuesOf(axisSpec, axisSpec.steps[s])) {
            const QString text = QString::number(value);
            const QRectF rect = placer.place(text, at(value), edge.outside, kTickLength + kGap);
            if (overlapsAny(rect, placed) || overlapsAny(rect, labels)) {
                fits = false;
                if (!lastChance)
                    break;
                continue;
            }
            const QPointF mark = at(value);
            labels.push_back({axisSpec.axis, text, rect, false, QLineF(mark, mark + edge.outside * kTickLength)});
        }
        if (fits || lastChance)
            break;
    }
    return labels;
}

// The name stands beside the middle of its edge, beyond the numbers; where
// that leaves the picture, beyond one end of the edge.
OverlayLabel nameAxis(const AxisSpec &axisSpec, const Edge &edge, const LabelPlacer &placer,
                      const std::vector<OverlayLabel> &placed, const QRectF &picture)
{
    const auto clear = [&](const QRectF &rect) {
        return picture.contains(rect) && !overlapsAny(rect, placed, rect.height() / 2);
    };
    const QPointF middle = (edge.from + edge.to) / 2;
    const std::array<std::pair<QPointF, QPointF>, 3> places = {
        {{middle, edge.outside}, {edge.to, unit(edge.to - edge.from)}, {edge.from, unit(edge.from - edge.to)}}};
    QRectF first;
    for (const auto &[anchor, away] : places) {
        for (double further = 0; further < 400; further += 2) {
            const QRectF rect = placer.place(axisSpec.name, anchor, away, kTickLength + kGap + further);
            first = first.isNull() ? rect : first;
            if (clear(rect))
                return {axisSpec.axis, axisSpec.name, rect, true, QLineF()};
            if (!picture.contains(rect))
                break;
        }
    }
    return {axisSpec.axis, axisSpec.name, first, true, QLineF()};
}

}  // namespace

std::vector<OverlayLabel> layoutAxisLabels(const Scene &scene, QSize picture, qreal ratio)
{
    const Projection projection(scene, picture, ratio);
    QFont font;
    font.setPixelSize(pictureFontPixels(picture, ratio));
    const LabelPlacer placer(outline(projection), font, projection.cellSide() / 2.0 + 1);
    const float minimumLength = 3.0f * static_cast<float>(pictureFontPixels(picture, ratio));

    std::vector<OverlayLabel> labels;
    std::vector<std::pair<AxisSpec, Edge>> shown;
    for (const AxisSpec &axisSpec : axisSpecs(projection.box(), scene.depthScale))
        if (const auto edge = chooseEdge(axisSpec, projection, minimumLength))
            shown.emplace_back(axisSpec, *edge);
    for (const auto &[axisSpec, edge] : shown) {
        const auto numbers = numberAxis(axisSpec, edge, placer, labels, projection.box().half(axisSpec.index));
        labels.insert(labels.end(), numbers.begin(), numbers.end());
    }
    for (const auto &[axisSpec, edge] : shown)
        labels.push_back(nameAxis(axisSpec, edge, placer, labels, QRectF(QPointF(), QSizeF(picture))));
    return labels;
}
