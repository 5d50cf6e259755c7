#include "axis_rulers.h"

#include <QFont>
#include <QPainter>

#include <cmath>

namespace {

struct RulerScale {
    int verticalCells;          // rows between major ticks on the left ruler
    long double verticalStep;   // label of major tick i: Trunc(i * step + origin)
    long double verticalOrigin;
    int horizontalCells;        // columns between major ticks on the bottom ruler
    int horizontalStep;         // label of major tick i: i * step + 1
};

RulerScale rulerScale(SliceAxis axis, int scaleFactor)
{
    const long double depthStep = static_cast<long double>(scaleFactor) * 3;
    switch (axis) {
    case SliceAxis::X:
        return {16 * 3, depthStep, 0, 6, 6};
    case SliceAxis::Y:
        return {16 * 3, depthStep, 0, 10, 10};
    case SliceAxis::Z:
        break;
    }
    return {6 * 1, 6, 1, 10, 10};
}

constexpr int kMajorTicksBottom = 8;
constexpr int kMajorTicksLeft = 4;

}  // namespace

AxisRulerMarks axisRulerMarks(SliceAxis axis, const SliceGeometry &geometry, int scaleFactor)
{
    const RulerScale scale = rulerScale(axis, scaleFactor);
    const int cw = geometry.cell_width;
    const int ch = geometry.cell_height;
    if (cw <= 0 || ch <= 0)
        throw DivisionByZeroError();
    AxisRulerMarks marks;
    for (int k = 0; k <= geometry.grid_pixel_height / (2 * ch); ++k)
        marks.leftMinor.push_back(2 * k * ch);
    for (int k = 0; k <= geometry.grid_pixel_width / (2 * cw); ++k)
        marks.bottomMinor.push_back(2 * k * cw + kRulerWidth);
    for (int i = 0; i < kMajorTicksBottom; ++i) {
        const int x = checkedAdd(checkedMul(checkedMul(i, scale.horizontalCells), cw), kRulerWidth);
        marks.bottomMajor.push_back(x);
        marks.bottomLabels.push_back({QPoint(x - 10, 7), QString::number(i * scale.horizontalStep + 1)});
    }
    for (int i = 0; i < kMajorTicksLeft; ++i) {
        const int y = checkedMul(checkedMul(i, scale.verticalCells), ch);
        marks.leftMajor.push_back(y);
        const auto label = static_cast<long long>(std::trunc(i * scale.verticalStep + scale.verticalOrigin));
        marks.leftLabels.push_back({QPoint(1, y + 1), QString::number(label)});
    }
    return marks;
}

namespace {

QPainter &prepare(QPainter &painter, const QImage &image)
{
    painter.fillRect(image.rect(), Qt::white);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    return painter;
}

void drawLabel(QPainter &painter, const RulerLabel &label)
{
    const QRect box(label.topLeft, QSize(200, 40));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, label.text);
}

}  // namespace

void drawAxisRulers(const AxisRulerMarks &marks, QImage &left, QImage &bottom)
{
    QPainter leftPainter(&left);
    QPainter bottomPainter(&bottom);
    prepare(leftPainter, left);
    prepare(bottomPainter, bottom);

    // a line from a to b covers a..b - 1, as the canvas draws them
    const QPen thin(Qt::black, 1, Qt::SolidLine, Qt::FlatCap);
    leftPainter.setPen(thin);
    bottomPainter.setPen(thin);
    for (int y : marks.leftMinor)
        leftPainter.drawLine(15, y, 20, y);
    for (int x : marks.bottomMinor)
        bottomPainter.drawLine(x, 0, x, 5);

    const QPen thick(Qt::black, 2, Qt::SolidLine, Qt::FlatCap);
    bottomPainter.setPen(thick);
    for (int x : marks.bottomMajor)
        bottomPainter.drawLine(x, 0, x, 8);
    for (const RulerLabel &label : marks.bottomLabels)
        drawLabel(bottomPainter, label);
    leftPainter.setPen(thick);
    for (int y : marks.leftMajor)
        leftPainter.drawLine(12, y, 20, y);
    for (const RulerLabel &label : marks.leftLabels)
        drawLabel(leftPainter, label);
}
