#include "gate_maximum.h"
#include "slice_renderer.h"

#include <QTest>

#include <memory>

namespace {

constexpr int kBright = 99;

// An empty volume but for one bright sample at trace byte `byte` of (layer, slice).
std::unique_ptr<ScanVolume> oneBrightSample(int layer, int slice, int byte)
{
    auto volume = std::make_unique<ScanVolume>();
    AllocateVolume(*volume, {});
    // byte 128 is the lead byte of the next trace: 5120 + (layer - 1) * 5120 + slice * 128 + byte
    volume->scan_image[5120 * layer + 128 * slice + byte] = kBright;
    return volume;
}

QImage renderedMainImage(ScanVolume &volume, const ViewState &view, QImage &overview)
{
    QImage image = makeSliceBitmap(400, 300);
    QImage aScan = makeAScanBitmap();
    SliceBitmaps bitmaps{image, overview, aScan};
    SliceGeometry geometry;
    renderSlice(volume, view, geometry, bitmaps);
    return image;
}

}  // namespace

class GateMaximumTest : public QObject {
    Q_OBJECT

private slots:
    void theBrightSampleLandsInItsCellOnlyWithinTheGate_data()
    {
        QTest::addColumn<bool>("gateOn");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("expected");
        // gate rows top..bottom are trace bytes top + 1 .. bottom + 1
        QTest::newRow("inside the gate") << true << 10 << 100 << 1 << 60 << kBright;
        QTest::newRow("on the top border row") << true << 59 << 100 << 1 << 60 << kBright;
        QTest::newRow("one byte above the top row") << true << 60 << 100 << 1 << 60 << 0;
        QTest::newRow("on the bottom border row") << true << 10 << 59 << 1 << 60 << kBright;
        QTest::newRow("one byte below the bottom row") << true << 10 << 58 << 1 << 60 << 0;
        QTest::newRow("two-row gate, first row") << true << 59 << 60 << 1 << 60 << kBright;
        QTest::newRow("two-row gate, second row") << true << 59 << 60 << 1 << 61 << kBright;
        QTest::newRow("two-row gate, byte after") << true << 59 << 60 << 1 << 62 << 0;
        QTest::newRow("two-row gate, byte before") << true << 59 << 60 << 1 << 59 << 0;
        QTest::newRow("the depth position does not count") << true << 70 << 100 << 60 << 60 << 0;
        // (the lead byte is row 127 of the slice before, left out here)
        QTest::newRow("row 0 is byte 1, not the lead byte") << true << 0 << 126 << 1 << 0 << 0;
        QTest::newRow("row 127 is the next trace's lead byte") << true << 0 << 127 << 1 << 128 << kBright;
        QTest::newRow("switch off: the depth position") << false << 70 << 100 << 60 << 60 << kBright;
        QTest::newRow("switch off: the rest of the gate") << false << 10 << 100 << 61 << 60 << 0;
    }
    void theBrightSampleLandsInItsCellOnlyWithinTheGate()
    {
        QFETCH(bool, gateOn);
        QFETCH(int, top);
        QFETCH(int, bottom);
        QFETCH(int, depth);
        QFETCH(int, byte);
        QFETCH(int, expected);
        const int layer = 5;
        const int slice = 7;
        auto volume = oneBrightSample(layer, slice, byte);
        ViewState view;
        view.axis = SliceAxis::Z;
        view.showGateMaximum = gateOn;
        view.topBorder = top;
        view.bottomBorder = bottom;
        view.depth = depth;
        SliceGeometry geometry;
        fillSliceGrid(*volume, view, geometry);
        for (int row = 0; row <= 23; ++row)
            for (int column = 0; column <= 39; ++column)
                QCOMPARE(int(volume->slice_grid.at(row, column)), row == layer - 1 && column == slice ? expected : 0);
    }

    // From trace byte 1 the run at or above the threshold (the surface echo)
    // is passed over: the gate starts at the first sample below it.
    void theGateBelowTheSurfaceEchoStartsAfterTheFirstRun_data()
    {
        QTest::addColumn<QList<int>>("leading");  // trace bytes from 1 on
        QTest::addColumn<int>("threshold");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("maximum");
        QTest::newRow("an echo of three bytes") << QList<int>{120, 90, 40, 10} << 33 << 4 << 10;
        QTest::newRow("a sample at the threshold is echo") << QList<int>{120, 33, 10} << 33 << 3 << 10;
        QTest::newRow("no echo") << QList<int>{20, 4} << 33 << 1 << 20;
        QTest::newRow("a later run is in the gate") << QList<int>{90, 5, 95, 90} << 33 << 2 << 95;
        QTest::newRow("the threshold decides") << QList<int>{120, 90, 40, 10} << 100 << 2 << 90;
        QTest::newRow("all at or above it, to byte 128: empty") << QList<int>(128, 50) << 33 << 129 << 0;
    }
    void theGateBelowTheSurfaceEchoStartsAfterTheFirstRun()
    {
        QFETCH(QList<int>, leading);
        QFETCH(int, threshold);
        QFETCH(int, start);
        QFETCH(int, maximum);
        auto volume = std::make_unique<ScanVolume>();
        AllocateVolume(*volume, {});
        const int layer = 5;
        const int slice = 7;
        for (int k = 0; k < leading.size(); ++k)
            volume->scan_image[TraceOffset(layer, slice) + 1 + k] = static_cast<uint8_t>(leading[k]);
        QCOMPARE(gateStartBelowSurfaceEcho(*volume, layer, slice, threshold), start);
        QCOMPARE(gateMaximumBelowSurfaceEcho(*volume, layer, slice, threshold), maximum);
    }

    void theSwitchChangesNothingOutsideViewZ_data()
    {
        QTest::addColumn<SliceAxis>("axis");
        QTest::addColumn<bool>("gateOn");
        QTest::addColumn<int>("smoothing");
        QTest::newRow("X with the switch on") << SliceAxis::X << true << 0;
        QTest::newRow("Y with the switch on, smoothed") << SliceAxis::Y << true << 1;
        QTest::newRow("Z with the switch off") << SliceAxis::Z << false << 0;
        QTest::newRow("Z with the switch off, smoothed") << SliceAxis::Z << false << 1;
    }
    void theSwitchChangesNothingOutsideViewZ()
    {
        QFETCH(SliceAxis, axis);
        QFETCH(bool, gateOn);
        QFETCH(int, smoothing);
        auto volume = std::make_unique<ScanVolume>();
        AllocateVolume(*volume, {});
        for (int i = 0; i < ScanLayout::kImageSize; ++i)
            volume->scan_image[i] = static_cast<uint8_t>((i * 31 + i / 128 * 5) % 110);
        ViewState plain;
        plain.axis = axis;
        plain.depth = 40;
        plain.topBorder = 20;
        plain.bottomBorder = 90;
        plain.smoothing = static_cast<uint8_t>(smoothing);
        ViewState switched = plain;
        switched.showGateMaximum = gateOn;
        QImage plainOverview = makeSliceBitmap(kOverviewWidth, kOverviewHeight);
        QImage switchedOverview = makeSliceBitmap(kOverviewWidth, kOverviewHeight);
        const QImage plainImage = renderedMainImage(*volume, plain, plainOverview);
        const QImage switchedImage = renderedMainImage(*volume, switched, switchedOverview);
        QCOMPARE(switchedImage, plainImage);
        QCOMPARE(switchedOverview, plainOverview);
    }

};

QTEST_GUILESS_MAIN(GateMaximumTest)
#include "gate_maximum_test.moc"
