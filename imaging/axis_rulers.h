#pragma once
// The rulers beside the main slice image: the left one counts depth in
// millimetres (views X and Y) or layers (view Z), the bottom one layers (X)
// or slices (Y and Z), with a short tick every second cell.

#include "slice_renderer.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <vector>

struct RulerLabel {
    QPoint topLeft;
    QString text;
};

struct AxisRulerMarks {
    std::vector<int> leftMinor;    // rows of the short ticks on the left ruler
    std::vector<int> bottomMinor;  // columns of the short ticks on the bottom ruler
    std::vector<int> leftMajor;
    std::vector<int> bottomMajor;
    std::vector<RulerLabel> leftLabels;
    std::vector<RulerLabel> bottomLabels;
};

constexpr int kRulerWidth = 20;  // the left ruler's width: the bottom ruler starts after it

AxisRulerMarks axisRulerMarks(SliceAxis axis, const SliceGeometry &geometry, int scaleFactor);

// Draws the marks on white into the left and the bottom ruler pictures.
void drawAxisRulers(const AxisRulerMarks &marks, QImage &left, QImage &bottom);
