// The numbered axes of the 3-D picture: readable, outside the box, clear of
// each other, one name an axis, and numbered in the scan's units.

#include "d3d.h"
#include "overlay.h"

#include <QColor>
#include <QImage>
#include <QTest>

#include <vector>

namespace {

constexpr int kEntries = 131073;

Scene sceneOf(float turn, float tilt, int depthScale)
{
    Scene scene;
    scene.turn = turn;
    scene.tilt = tilt;
    scene.frames = true;
    scene.depthScale = depthScale;
    return scene;
}

// The library's picture of a volume full of echoes, turned as given: the
// box's whole inside is drawn with cells.
QImage fullBox(QSize size, float turn, float tilt)
{
    static std::vector<int16_t> volume(kEntries, 100);
    d3dinit_(nullptr, volume.data(), kEntries - 1, 0);
    d3drotate_(0, turn, tilt);
    d3dreview_(1);
    QImage picture(size, QImage::Format_ARGB32);
    d3dsnapshot_(reinterpret_cast<uint32_t *>(picture.bits()), static_cast<uint16_t>(size.width()),
                 static_cast<uint16_t>(size.height()));
    d3dclose_();
    return picture;
}

bool coversCells(const QImage &picture, const QRectF &rect)
{
    const QRect area = rect.toAlignedRect() & picture.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor colour = QColor::fromRgb(picture.pixel(x, y));
            if (colour.saturation() > 120 && colour.value() > 60)
                return true;
        }
    return false;
}

QList<int> numbersOf(const std::vector<OverlayLabel> &labels, OverlayAxis axis)
{
    QList<int> numbers;
    for (const OverlayLabel &label : labels)
        if (label.axis == axis && !label.isName)
            numbers << label.text.toInt();
    return numbers;
}

int namesOf(const std::vector<OverlayLabel> &labels, OverlayAxis axis)
{
    int names = 0;
    for (const OverlayLabel &label : labels)
        names += label.axis == axis && label.isName ? 1 : 0;
    return names;
}

}  // namespace

class AxisLabelsTest : public QObject {
    Q_OBJECT

private slots:
    void labelsAreReadableAndStayOffTheCells_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<float>("turn");
        QTest::addColumn<float>("tilt");
        QTest::addColumn<int>("depthScale");
        QTest::addColumn<bool>("slicesSeen");
        QTest::addColumn<bool>("layersSeen");
        QTest::newRow("design size, start view") << QSize(580, 547) << -24.f << 6.f << 20 << true << true;
        QTest::newRow("full screen, start view") << QSize(1920, 1080) << -24.f << 6.f << 200 << true << true;
        QTest::newRow("X-Z plane") << QSize(580, 547) << 0.f << 0.f << 50 << true << false;
        QTest::newRow("Y-Z plane") << QSize(580, 547) << -90.f << 0.f << 100 << false << true;
        QTest::newRow("turned and tilted far") << QSize(580, 547) << -60.f << 60.f << 20 << true << true;
        QTest::newRow("turned right, tilted up") << QSize(1920, 1080) << 27.f << -30.f << 50 << true << true;
    }
    void labelsAreReadableAndStayOffTheCells()
    {
        QFETCH(QSize, size);
        QFETCH(float, turn);
        QFETCH(float, tilt);
        QFETCH(int, depthScale);
        QFETCH(bool, slicesSeen);
        QFETCH(bool, layersSeen);
        const auto labels = layoutAxisLabels(sceneOf(turn, tilt, depthScale), size);
        const QImage picture = fullBox(size, turn, tilt);
        for (std::size_t i = 0; i < labels.size(); ++i) {
            QVERIFY2(picture.rect().contains(labels[i].rect.toAlignedRect()), qPrintable(labels[i].text));
            QVERIFY2(!coversCells(picture, labels[i].rect), qPrintable(labels[i].text + " covers cells"));
            for (std::size_t j = i + 1; j < labels.size(); ++j)
                QVERIFY2(!labels[i].rect.intersects(labels[j].rect),
                         qPrintable(labels[i].text + " overlaps " + labels[j].text));
        }
        // each axis seen from the side is named once and carries numbers; one
        // seen end-on gets neither
        QCOMPARE(namesOf(labels, OverlayAxis::Slice), slicesSeen ? 1 : 0);
        QCOMPARE(namesOf(labels, OverlayAxis::Layer), layersSeen ? 1 : 0);
        QCOMPARE(namesOf(labels, OverlayAxis::Depth), 1);
        QCOMPARE(numbersOf(labels, OverlayAxis::Slice).size() >= 3, slicesSeen);
        QCOMPARE(numbersOf(labels, OverlayAxis::Layer).size() >= 3, layersSeen);
        for (int slice : numbersOf(labels, OverlayAxis::Slice))
            QVERIFY(slice >= 1 && slice <= 40);
        for (int layer : numbersOf(labels, OverlayAxis::Layer))
            QVERIFY(layer >= 1 && layer <= 24);
    }

    // 128 depth samples at depthScale millimetres per 16: the axis spans
    // 8 * depthScale millimetres from 0, in even steps.
    void depthNumbersSpanTheScansDepth_data()
    {
        QTest::addColumn<int>("depthScale");
        QTest::newRow("20 mm") << 20;
        QTest::newRow("50 mm") << 50;
        QTest::newRow("100 mm") << 100;
        QTest::newRow("200 mm") << 200;
    }
    void depthNumbersSpanTheScansDepth()
    {
        QFETCH(int, depthScale);
        const QList<int> numbers = numbersOf(layoutAxisLabels(sceneOf(-24, 6, depthScale), QSize(580, 547)),
                                             OverlayAxis::Depth);
        QVERIFY(numbers.size() >= 3);
        QCOMPARE(numbers.first(), 0);
        const int step = numbers[1] - numbers[0];
        for (int i = 1; i < numbers.size(); ++i)
            QCOMPARE(numbers[i] - numbers[i - 1], step);
        QVERIFY(numbers.last() <= 8 * depthScale);
        QVERIFY(numbers.last() + step > 8 * depthScale);
    }
};

QTEST_MAIN(AxisLabelsTest)
#include "axis_labels_test.moc"
