#include "ascan_lines.h"
#include "axis_rulers.h"
#include "view_state.h"

#include <QTest>

namespace {

QStringList labelTexts(const std::vector<RulerLabel> &labels)
{
    QStringList texts;
    for (const RulerLabel &label : labels)
        texts << label.text;
    return texts;
}

SliceGeometry cells(int width, int height, int columns, int rows)
{
    SliceGeometry geometry;
    geometry.cell_width = width;
    geometry.cell_height = height;
    geometry.grid_pixel_width = width * columns;
    geometry.grid_pixel_height = height * rows;
    return geometry;
}

}  // namespace

class ViewStateTest : public QObject {
    Q_OBJECT

private slots:
    void startValues()
    {
        const ViewState view;
        QCOMPARE(view.axis, SliceAxis::X);
        QCOMPARE(view.slice, 0);
        QCOMPARE(view.layer, 1);
        QCOMPARE(view.depth, 1);
        QCOMPARE(view.topBorder, 0);
        QCOMPARE(view.bottomBorder, 127);
        QCOMPARE(view.firstLayer, 1);
        QCOMPARE(view.lastLayer, 24);
        QCOMPARE(view.brightness, 128);
        QCOMPARE(view.threshold, 33);
        QCOMPARE(int(view.smoothing), 0);
    }

    void pairsKeepTheirOrder()
    {
        ViewState view;
        setBottomBorder(view, 60);
        setTopBorder(view, 60);
        QCOMPARE(view.topBorder, 59);
        setTopBorder(view, 200);
        QCOMPARE(view.topBorder, 59);
        setBottomBorder(view, 10);
        QCOMPARE(view.bottomBorder, 60);
        setFirstLayer(view, 24);
        QCOMPARE(view.firstLayer, 23);
        setLastLayer(view, 1);
        QCOMPARE(view.lastLayer, 24);
        setTopBorder(view, -5);
        QCOMPARE(view.topBorder, 0);
        setBottomBorder(view, 0);  // kept above the top border
        QCOMPARE(view.bottomBorder, 1);
    }

    void settersClampToTheControlsRanges()
    {
        ViewState view;
        setSlice(view, 99);
        setLayer(view, 0);
        setDepth(view, 128);
        setBrightness(view, 0);
        setThreshold(view, 128);
        QCOMPARE(view.slice, 39);
        QCOMPARE(view.layer, 1);
        QCOMPARE(view.depth, 127);
        QCOMPARE(view.brightness, 1);
        QCOMPARE(view.threshold, 127);
    }

    void statusLine()
    {
        QCOMPARE(::statusLine(11, 3, 28, 20), QStringLiteral("3 layer:12 slice:35 mm"));
        QCOMPARE(depthReadout(16, 50), QStringLiteral("50 mm"));
        QCOMPARE(depthReadout(1, 20), QStringLiteral("1 mm"));
    }

    void ceilingOfTheClickedCell_data()
    {
        QTest::addColumn<int>("pixel");
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("result");
        QTest::newRow("first pixel of a cell belongs to the cell before") << 8 << 4 << 2;
        QTest::newRow("inside a cell") << 9 << 4 << 3;
        QTest::newRow("zero") << 0 << 4 << 0;
        QTest::newRow("slice in view Y") << 25 << 10 << 3;
    }
    void ceilingOfTheClickedCell()
    {
        QFETCH(int, pixel);
        QFETCH(int, cell);
        QFETCH(int, result);
        QCOMPARE(ceilingDivision(pixel, cell), result);
    }

    void rulerLabels_data()
    {
        QTest::addColumn<int>("axis");
        QTest::addColumn<int>("factor");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QStringList>("bottom");
        QTest::newRow("X, 20 mm") << int(SliceAxis::X) << 20 << QStringList{"0", "60", "120", "180"}
                                  << QStringList{"1", "7", "13", "19", "25", "31", "37", "43"};
        QTest::newRow("Y, 200 mm") << int(SliceAxis::Y) << 200 << QStringList{"0", "600", "1200", "1800"}
                                   << QStringList{"1", "11", "21", "31", "41", "51", "61", "71"};
        QTest::newRow("Z") << int(SliceAxis::Z) << 50 << QStringList{"1", "7", "13", "19"}
                           << QStringList{"1", "11", "21", "31", "41", "51", "61", "71"};
    }
    void rulerLabels()
    {
        QFETCH(int, axis);
        QFETCH(int, factor);
        QFETCH(QStringList, left);
        QFETCH(QStringList, bottom);
        const AxisRulerMarks marks = axisRulerMarks(static_cast<SliceAxis>(axis), cells(13, 3, 40, 128), factor);
        QCOMPARE(labelTexts(marks.leftLabels), left);
        QCOMPARE(labelTexts(marks.bottomLabels), bottom);
    }

    void rulerPositions()
    {
        const AxisRulerMarks x = axisRulerMarks(SliceAxis::X, cells(24, 3, 24, 128), 20);
        QCOMPARE(x.leftMajor, (std::vector<int>{0, 144, 288, 432}));  // every 48 rows of 3 pixels
        QCOMPARE(x.leftLabels[1].topLeft, QPoint(1, 145));
        QCOMPARE(x.bottomMajor[1], 6 * 24 + 20);
        QCOMPARE(x.bottomLabels[1].topLeft, QPoint(6 * 24 + 10, 7));
        QCOMPARE(x.leftMinor.size(), std::size_t(384 / 6 + 1));  // 128 rows of 3 pixels, the last one's foot too
        QCOMPARE(x.leftMinor[1], 6);
        QCOMPARE(x.bottomMinor.front(), 20);
        QCOMPARE(x.bottomMinor[1], 68);
        const AxisRulerMarks z = axisRulerMarks(SliceAxis::Z, cells(13, 20, 40, 24), 20);
        QCOMPARE(z.leftMajor, (std::vector<int>{0, 120, 240, 360}));  // layers 1, 7, 13, 19
    }

    void rulersAreDrawn_data()
    {
        QTest::addColumn<bool>("onLeft");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("colour");
        // short ticks every second cell of 3 pixels: lines from x 15 to 20 and
        // y 0 to 5, end point left out
        QTest::newRow("left tick, first pixel") << true << QPoint(15, 6) << QColor(Qt::black);
        QTest::newRow("left tick, last pixel") << true << QPoint(19, 6) << QColor(Qt::black);
        QTest::newRow("left of a left tick") << true << QPoint(14, 6) << QColor(Qt::white);
        QTest::newRow("below a left tick") << true << QPoint(17, 7) << QColor(Qt::white);
        QTest::newRow("bottom tick, first pixel") << false << QPoint(68, 0) << QColor(Qt::black);
        QTest::newRow("bottom tick, last pixel") << false << QPoint(68, 4) << QColor(Qt::black);
        QTest::newRow("below a bottom tick") << false << QPoint(68, 5) << QColor(Qt::white);
        QTest::newRow("beside a bottom tick") << false << QPoint(69, 2) << QColor(Qt::white);
    }
    void rulersAreDrawn()
    {
        QFETCH(bool, onLeft);
        QFETCH(QPoint, pixel);
        QFETCH(QColor, colour);
        QImage left(20, 480, QImage::Format_RGB32);
        QImage bottom(560, 20, QImage::Format_RGB32);
        drawAxisRulers(axisRulerMarks(SliceAxis::X, cells(24, 3, 24, 128), 20), left, bottom);
        QCOMPARE((onLeft ? left : bottom).pixelColor(pixel), colour);
    }

    void linesOverTheAScan()
    {
        QCOMPARE(borderLineX(0, 200), 8);
        QCOMPARE(borderLineX(100, 200), 164);  // Trunc(1.5625 * 100) + 8
        QCOMPARE(borderLineX(127, 200), 206);
        QCOMPARE(thresholdLineY(33, 140, 120), 228);  // Trunc(95 * 120 / 128) + 140 - 1
        QCOMPARE(borderFromDrag(164, 0, 200), 99);  // 156 * 128 / 200 = 99.84
        QCOMPARE(borderFromDrag(164, 1, 200), 100);
        QCOMPARE(borderFromDrag(8, -5, 200), -3);  // cut toward zero; the slider clamps it
        QCOMPARE(thresholdFromDrag(228, 1, 140, 120), 34);  // 128 - Trunc(89 * 128 / 120)
        QCOMPARE(thresholdFromDrag(228, 2, 140, 120), 32);
    }
};

QTEST_MAIN(ViewStateTest)
#include "view_state_test.moc"
