#include "scan_volume.h"
#include "start_picture_mask.h"

#include <QTest>

#include <memory>

class ScanVolumeTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ScanVolume> allocated()
    {
        auto volume = std::make_unique<ScanVolume>();
        AllocateVolume(*volume, [] { QFAIL("no allocation should fail"); });
        return volume;
    }

private slots:
    void traceOffset_data()
    {
        QTest::addColumn<int>("layer");
        QTest::addColumn<int>("slice");
        QTest::addColumn<int>("offset");
        QTest::newRow("first trace") << 1 << 0 << 5120;
        QTest::newRow("second slice") << 1 << 1 << 5248;
        QTest::newRow("second layer") << 2 << 0 << 10240;
        QTest::newRow("last trace") << 24 << 39 << 127872;
    }
    void traceOffset()
    {
        QFETCH(int, layer);
        QFETCH(int, slice);
        QFETCH(int, offset);
        QCOMPARE(TraceOffset(layer, slice), offset);
    }

    void deepestRowOfLastTraceReadsTheTail()
    {
        // depth row d is trace byte d + 1; depth position p is trace byte p
        QCOMPARE(TraceOffset(24, 39) + 127 + 1, ScanLayout::kTailStart);
        QCOMPARE(TraceOffset(24, 39) + 127, 127999);
    }

    void depthScaleFromLowTwoBits_data()
    {
        QTest::addColumn<int>("headerByte");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("factor");
        QTest::newRow("0x00") << 0x00 << 0 << 20;
        QTest::newRow("0x01") << 0x01 << 1 << 50;
        QTest::newRow("0x02") << 0x02 << 2 << 100;
        QTest::newRow("0x03") << 0x03 << 3 << 200;
        QTest::newRow("0x07 keeps only the low bits") << 0x07 << 3 << 200;
        QTest::newRow("0x04 keeps only the low bits") << 0x04 << 0 << 20;
        QTest::newRow("0xFE") << 0xFE << 2 << 100;
    }
    void depthScaleFromLowTwoBits()
    {
        QFETCH(int, headerByte);
        QFETCH(int, code);
        QFETCH(int, factor);
        auto volume = std::make_unique<ScanVolume>();
        volume->scan_image[ScanLayout::kDepthScaleByte] = static_cast<uint8_t>(headerByte);
        QCOMPARE(depth_scale_code(*volume), code);
        QCOMPARE(depthScaleFactor(*volume), factor);
    }

    void depthMillimetresCutsTheFraction_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("factor");
        QTest::addColumn<int>("millimetres");
        QTest::newRow("16 steps at 50") << 16 << 50 << 50;
        QTest::newRow("1.25 cut to 1") << 1 << 20 << 1;
        QTest::newRow("28 steps at 20 is 35") << 28 << 20 << 35;
        QTest::newRow("127 steps at 200") << 127 << 200 << 1587;
        QTest::newRow("3.125 cut to 3") << 1 << 50 << 3;
    }
    void depthMillimetresCutsTheFraction()
    {
        QFETCH(int, depth);
        QFETCH(int, factor);
        QFETCH(int, millimetres);
        QCOMPARE(depthMillimetres(depth, factor), millimetres);
    }

    void allocationSetsTheFixedSizes()
    {
        const auto volume = allocated();
        QCOMPARE(int(volume->row_max), 39);
        QCOMPARE(int(volume->layer_stride), 5120);
        QCOMPARE(volume->raw_image.size(), 131073);
        QCOMPARE(volume->voxels.size(), 131073);
        QCOMPARE(volume->slice_grid.rows(), 201);
        QCOMPARE(volume->slice_grid.columns(), 201);
    }

    void startPictureStandsInPlanes17To20Only()
    {
        const auto volume = allocated();
        int setCells = 0;
        for (int i = 0; i < 131073; ++i) {
            const int value = volume->voxels[i];
            if (value == 0)
                continue;
            QCOMPARE(value, 1000);
            const int z = i / 4096;
            QVERIFY2(z >= 17 && z <= 20, qPrintable(QStringLiteral("cell %1 in plane %2").arg(i).arg(z)));
            const int y = (i / 64) % 64;
            const int x = i % 64;
            QCOMPARE(StartPictureMask::cell(63 - x, y), 1);
            ++setCells;
        }
        int maskCells = 0;
        for (int row = 0; row < 64; ++row)
            for (int column = 0; column < 64; ++column)
                maskCells += StartPictureMask::cell(row, column);
        QCOMPARE(maskCells, 395);
        QCOMPARE(setCells, 4 * maskCells);
        QCOMPARE(int(volume->voxels[131072]), 0);
    }

    void startPictureLeavesAnEmptyImage()
    {
        auto volume = std::make_unique<ScanVolume>();
        std::fill_n(volume->scan_image.data(), ScanLayout::kScanImageCapacity, uint8_t{9});
        AllocateVolume(*volume, {});
        for (int i = 0; i <= 131072; ++i)
            QCOMPARE(int(volume->scan_image[i]), 0);
        QCOMPARE(int(volume->scan_image[131073]), 9);  // the spare bytes are not part of the image
    }

    void clearVolumeTwiceLeavesTheSameState()
    {
        auto volume = allocated();
        volume->current_file_name = QStringLiteral("/scans/weld.vlm");
        for (int i = 0; i <= 131072; ++i) {
            volume->scan_image[i] = static_cast<uint8_t>(i % 251);
            volume->raw_image[i] = static_cast<uint8_t>(i % 13);
        }
        ClearVolume(*volume);
        ClearVolume(*volume);
        for (int i = 0; i <= 131072; ++i) {
            QCOMPARE(int(volume->scan_image[i]), 0);
            QCOMPARE(int(volume->voxels[i]), 0);
            QCOMPARE(int(volume->raw_image[i]), i % 13);
        }
        QCOMPARE(volume->current_file_name, QStringLiteral("/scans/weld.vlm"));
    }

    void indexingOutsideAnArrayIsARangeError()
    {
        auto volume = allocated();
        QVERIFY_THROWS_EXCEPTION(RangeError, volume->scan_image[131374]);
        QVERIFY_THROWS_EXCEPTION(RangeError, volume->scan_image[-1]);
        QVERIFY_THROWS_EXCEPTION(RangeError, volume->voxels[131073]);
        QVERIFY_THROWS_EXCEPTION(RangeError, volume->slice_grid.at(201, 0));
        QVERIFY_THROWS_EXCEPTION(RangeError, volume->slice_grid.at(0, -1));
        ReleaseVolumeArrays(*volume);
        QVERIFY_THROWS_EXCEPTION(RangeError, volume->raw_image[0]);
    }

    void checkedArithmetic()
    {
        QVERIFY_THROWS_EXCEPTION(OverflowError, checkedAdd(2147483647, 1));
        QVERIFY_THROWS_EXCEPTION(OverflowError, checkedMul(65536, 65536));
        QVERIFY_THROWS_EXCEPTION(RangeError, checkedNarrow<uint16_t>(65536));
        QVERIFY_THROWS_EXCEPTION(RangeError, checkedNarrow<uint16_t>(-1));
        QCOMPARE(checkedNarrow<uint16_t>(65535), uint16_t(65535));
        QVERIFY_THROWS_EXCEPTION(OverflowError, TraceOffset(2147483647, 0));
    }
};

QTEST_APPLESS_MAIN(ScanVolumeTest)
#include "scan_volume_test.moc"
