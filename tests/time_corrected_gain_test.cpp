// Time-corrected gain worked out by hand: a blank header's depth scale is
// 20 mm per 16 trace bytes, so byte b lies 1.25 b mm deep.

#include "time_corrected_gain.h"

#include <QTest>

#include <memory>

class TimeCorrectedGainTest : public QObject {
    Q_OBJECT

private slots:
    // DAC 200 at the surface, 100 at 20 mm and beyond: byte 8 (10 mm) has
    // DAC 150 and a gain of 4/3, byte 16 (20 mm) and byte 32 a gain of 2.
    void eachSampleIsRaisedByItsDepthsGain_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("corrected");
        QTest::newRow("at the first point") << 0 << 77 << 77;
        QTest::newRow("between the points") << 8 << 60 << 80;
        QTest::newRow("rounded down") << 8 << 1 << 1;      // 1.33
        QTest::newRow("rounded up") << 8 << 2 << 3;        // 2.67
        QTest::newRow("at the last point") << 16 << 100 << 200;
        QTest::newRow("capped at 255") << 16 << 200 << 255;
        QTest::newRow("beyond the last point") << 32 << 60 << 120;
        QTest::newRow("no echo stays none") << 32 << 0 << 0;
        QTest::newRow("the last byte of a trace") << 127 << 1 << 2;
    }
    void eachSampleIsRaisedByItsDepthsGain()
    {
        QFETCH(int, byte);
        QFETCH(int, value);
        QFETCH(int, corrected);
        auto volume = std::make_unique<ScanVolume>();
        const auto curve = parseDacCurve(QStringLiteral("0:200,20:100"));
        QVERIFY(curve);
        const int first = TraceOffset(1, 0) + byte;
        const int last = TraceOffset(24, 39) + byte;
        volume->scan_image[first] = static_cast<uint8_t>(value);
        volume->scan_image[last] = static_cast<uint8_t>(value);
        volume->scan_image[ScanLayout::kTailStart] = 9;  // past the traces: not a sample
        applyTimeCorrectedGain(*volume, *curve);
        QCOMPARE(int(volume->scan_image[first]), corrected);
        QCOMPARE(int(volume->scan_image[last]), corrected);
        QCOMPARE(int(volume->scan_image[ScanLayout::kTailStart]), 9);
    }

    void theImageComesBackAsItWas()
    {
        auto volume = std::make_unique<ScanVolume>();
        for (int at = 0; at < ScanLayout::kImageSize; ++at)
            volume->scan_image[at] = static_cast<uint8_t>(at * 7);
        const auto recorded = std::make_unique<ScanVolume>(*volume);
        const auto curve = parseDacCurve(QStringLiteral("0:200,20:100"));
        {
            const TimeCorrectedImage corrected(*volume, curve);
            QVERIFY(!std::equal(volume->scan_image.data(), volume->scan_image.data() + ScanLayout::kImageSize,
                                recorded->scan_image.data()));
        }
        QVERIFY(std::equal(volume->scan_image.data(), volume->scan_image.data() + ScanLayout::kImageSize,
                           recorded->scan_image.data()));
    }
};

QTEST_GUILESS_MAIN(TimeCorrectedGainTest)
#include "time_corrected_gain_test.moc"
