// The readings of a finding: amplitude, gate peak, reference and measurement,
// with expected values worked out by hand from their definitions.

#include "finding_readings.h"
#include "measure_overlay.h"

#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(std::optional<double>)
Q_DECLARE_METATYPE(ProbeGeometry)
Q_DECLARE_METATYPE(VolumePoint)

namespace {

constexpr int kLayerStart = 5120;  // layer L begins at L x 5120
constexpr int kTraceBytes = 128;

struct TestVolume {
    std::unique_ptr<ScanVolume> volume = std::make_unique<ScanVolume>();

    // Trace byte of layer (1..24) and slice (0..39), addressed by hand.
    uint8_t &byte(int layer, int slice, int traceByte)
    {
        return volume->scan_image[layer * kLayerStart + slice * kTraceBytes + traceByte];
    }
    void setDepthScale(int code) { volume->scan_image[2052] = static_cast<uint8_t>(0x40 | code); }
};

ViewState cursorAt(int slice, int layer, int depth, int top = 0, int bottom = 127)
{
    ViewState view;
    view.slice = slice;
    view.layer = layer;
    view.depth = depth;
    view.topBorder = top;
    view.bottomBorder = bottom;
    return view;
}

SliceGeometry cells(int width, int height)
{
    SliceGeometry geometry;
    geometry.cell_width = width;
    geometry.cell_height = height;
    return geometry;
}

}  // namespace

class FindingReadingsTest : public QObject {
    Q_OBJECT

private slots:
    void amplitude_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<double>("percent");
        QTest::addColumn<std::optional<double>>("decibels");
        QTest::addColumn<std::optional<double>>("againstReference64");
        QTest::newRow("no echo") << 0 << 0.0 << std::optional<double>() << std::optional<double>();
        QTest::newRow("1") << 1 << 0.8 << std::optional(-42.1) << std::optional(-36.1);
        QTest::newRow("64") << 64 << 50.4 << std::optional(-6.0) << std::optional(0.0);
        QTest::newRow("full scale") << 127 << 100.0 << std::optional(0.0) << std::optional(6.0);
        QTest::newRow("128, over full scale") << 128 << 100.8 << std::optional(0.1) << std::optional(6.0);
        QTest::newRow("255") << 255 << 200.8 << std::optional(6.1) << std::optional(12.0);
    }

    void amplitude()
    {
        QFETCH(int, value);
        QFETCH(double, percent);
        QFETCH(std::optional<double>, decibels);
        QFETCH(std::optional<double>, againstReference64);
        TestVolume test;
        test.byte(3, 7, 40) = static_cast<uint8_t>(value);
        const FindingReadings readings = readFinding(*test.volume, cursorAt(7, 3, 40), 64, std::nullopt, {});
        QCOMPARE(readings.amplitude.value, value);
        QCOMPARE(readings.amplitude.percent, percent);
        QCOMPARE(readings.amplitude.decibels, decibels);
        QCOMPARE(readings.reference, std::optional(64));
        QCOMPARE(readings.amplitudeDeltaDb, againstReference64);
    }

    void gatePeak_data()
    {
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<QList<QPoint>>("samples");  // trace byte, value
        QTest::addColumn<int>("peakPosition");
        QTest::addColumn<int>("peakValue");
        QTest::newRow("narrowest gate, two rows") << 10 << 11
                                                  << QList<QPoint>{{10, 90}, {11, 50}, {12, 60}, {13, 100}} << 12 << 60;
        QTest::newRow("peak on the top border row")
            << 20 << 40 << QList<QPoint>{{20, 120}, {21, 99}, {30, 80}} << 21 << 99;
        QTest::newRow("peak on the bottom border row")
            << 20 << 40 << QList<QPoint>{{41, 99}, {42, 120}, {30, 80}} << 41 << 99;
        QTest::newRow("a tie: the shallower wins") << 0 << 127 << QList<QPoint>{{25, 77}, {30, 77}} << 25 << 77;
        QTest::newRow("deepest row reads the next trace's first byte")
            << 126 << 127 << QList<QPoint>{{127, 5}, {128, 9}} << 128 << 9;
        QTest::newRow("an empty gate names its first row") << 50 << 60 << QList<QPoint>{{40, 9}} << 51 << 0;
    }

    void gatePeak()
    {
        QFETCH(int, top);
        QFETCH(int, bottom);
        QFETCH(QList<QPoint>, samples);
        QFETCH(int, peakPosition);
        QFETCH(int, peakValue);
        TestVolume test;
        for (const QPoint &sample : samples)
            test.byte(5, 12, sample.x()) = static_cast<uint8_t>(sample.y());
        const GatePeak peak = findGatePeak(*test.volume, 5, 12, top, bottom);
        QCOMPARE(peak.depthPosition, peakPosition);
        QCOMPARE(peak.value, peakValue);
    }

    void gatePeakDepth_data()
    {
        QTest::addColumn<int>("scaleCode");
        QTest::addColumn<double>("depthMm");  // trace byte 21: 21 T / 16
        QTest::newRow("code 0, 20 mm") << 0 << 26.3;
        QTest::newRow("code 1, 50 mm") << 1 << 65.6;
        QTest::newRow("code 2, 100 mm") << 2 << 131.3;
        QTest::newRow("code 3, 200 mm") << 3 << 262.5;
    }

    void gatePeakDepth()
    {
        QFETCH(int, scaleCode);
        QFETCH(double, depthMm);
        TestVolume test;
        test.setDepthScale(scaleCode);
        test.byte(1, 0, 21) = 100;
        const FindingReadings readings = readFinding(*test.volume, cursorAt(0, 1, 21, 20, 40), 50, std::nullopt, {});
        QCOMPARE(readings.peak.depthPosition, 21);
        QCOMPARE(readings.peakDepthMm, depthMm);
        QCOMPARE(readings.depthMm, depthMm);
        QCOMPARE(readings.peakDeltaDb, std::optional(6.0));  // 20 log10(100 / 50)
    }

    void measurement_data()
    {
        QTest::addColumn<int>("axis");
        QTest::addColumn<QPoint>("click");
        QTest::addColumn<int>("deltaSlice");
        QTest::addColumn<int>("deltaLayer");
        QTest::addColumn<double>("deltaDepthMm");
        QTest::addColumn<ProbeGeometry>("probe");
        QTest::addColumn<std::optional<double>>("distance");
        // cursor at slice 5, layer 3, depth position 10; cells of 10 x 4 pixels; 50 mm per 16 steps
        const ProbeGeometry both{2.0, 5.0};
        // view X: the click names layer ceil(x / 10) and depth ceil(y / 4)
        QTest::newRow("X, both pitches") << int(SliceAxis::X) << QPoint(45, 101) << 0 << 2 << 50.0 << both
                                         << std::optional(51.0);  // sqrt(10^2 + 50^2)
        QTest::newRow("X, no pitches") << int(SliceAxis::X) << QPoint(45, 101) << 0 << 2 << 50.0 << ProbeGeometry{}
                                       << std::optional<double>();
        // view Y: slice ceil(x / 10) - 1 and depth ceil((y + 1) / 4)
        QTest::newRow("Y, both pitches") << int(SliceAxis::Y) << QPoint(85, 100) << 3 << 0 << 50.0 << both
                                         << std::optional(50.4);  // sqrt(6^2 + 50^2)
        QTest::newRow("Y, slice pitch only") << int(SliceAxis::Y) << QPoint(85, 100) << 3 << 0 << 50.0
                                             << ProbeGeometry{2.0, std::nullopt} << std::optional<double>();
        // view Z: slice ceil(x / 10) - 1 and layer ceil(y / 4)
        QTest::newRow("Z, both pitches") << int(SliceAxis::Z) << QPoint(25, 3) << -3 << -2 << 0.0 << both
                                         << std::optional(11.7);  // sqrt(6^2 + 10^2)
        QTest::newRow("Z, layer pitch only") << int(SliceAxis::Z) << QPoint(25, 3) << -3 << -2 << 0.0
                                             << ProbeGeometry{std::nullopt, 5.0} << std::optional<double>();
        QTest::newRow("Z, click beyond the last slice is kept to slice 40")
            << int(SliceAxis::Z) << QPoint(1000, 9) << 34 << 0 << 0.0 << both << std::optional(68.0);
    }

    void measurement()
    {
        QFETCH(int, axis);
        QFETCH(QPoint, click);
        QFETCH(int, deltaSlice);
        QFETCH(int, deltaLayer);
        QFETCH(double, deltaDepthMm);
        QFETCH(ProbeGeometry, probe);
        QFETCH(std::optional<double>, distance);
        TestVolume test;
        test.setDepthScale(1);
        ViewState view = cursorAt(5, 3, 10);
        view.axis = static_cast<SliceAxis>(axis);
        const VolumePoint point = measurePointAt(view, cells(10, 4), click.x(), click.y());
        const FindingReadings readings = readFinding(*test.volume, view, std::nullopt, point, probe);
        QVERIFY(readings.measurement);
        QCOMPARE(readings.measurement->deltaSlice, deltaSlice);
        QCOMPARE(readings.measurement->deltaLayer, deltaLayer);
        QCOMPARE(readings.measurement->deltaDepthMm, deltaDepthMm);
        QCOMPARE(readings.measurement->distanceMm, distance);
    }

    // Each difference is named: slice, layer and depth, the depth in mm.
    void measurementLineNamesEachDifference_data()
    {
        QTest::addColumn<VolumePoint>("point");
        QTest::addColumn<QString>("line");
        // cursor at slice 5, layer 3, depth position 10; 50 mm per 16 steps
        QTest::newRow("deeper, further") << VolumePoint{16, 3, 29} << "\u0394 slice 11, \u0394 layer 0, \u0394 depth 59.4 mm";
        QTest::newRow("shallower, back") << VolumePoint{2, 1, 6} << "\u0394 slice \u22123, \u0394 layer \u22122, "
                                                                    "\u0394 depth \u221212.5 mm";
    }
    void measurementLineNamesEachDifference()
    {
        QFETCH(VolumePoint, point);
        QFETCH(QString, line);
        TestVolume test;
        test.setDepthScale(1);
        const FindingReadings readings = readFinding(*test.volume, cursorAt(5, 3, 10), std::nullopt, point, {});
        QVERIFY2(readingsLines(readings).contains(line), qPrintable(readingsLines(readings).join(" | ")));
        QVERIFY2(readingsSummary(readings).contains(line), qPrintable(readingsSummary(readings)));
    }

    void measureLineJoinsCellCentres_data()
    {
        QTest::addColumn<int>("axis");
        QTest::addColumn<VolumePoint>("point");
        QTest::addColumn<QLineF>("line");
        // cursor at slice 5, layer 3, depth position 10; cells of 10 x 4 pixels
        QTest::newRow("X: columns are layers, rows depth") << int(SliceAxis::X) << VolumePoint{9, 1, 2}
                                                           << QLineF(25, 38, 5, 6);
        QTest::newRow("Y: columns are slices, rows depth") << int(SliceAxis::Y) << VolumePoint{0, 9, 20}
                                                           << QLineF(55, 38, 5, 78);
        QTest::newRow("Z: columns are slices, rows layers") << int(SliceAxis::Z) << VolumePoint{39, 24, 1}
                                                            << QLineF(55, 10, 395, 94);
    }

    void measureLineJoinsCellCentres()
    {
        QFETCH(int, axis);
        QFETCH(VolumePoint, point);
        QFETCH(QLineF, line);
        ViewState view = cursorAt(5, 3, 10);
        view.axis = static_cast<SliceAxis>(axis);
        QCOMPARE(measureLine(view, point, cells(10, 4)), line);
    }
};

QTEST_APPLESS_MAIN(FindingReadingsTest)
#include "finding_readings_test.moc"
