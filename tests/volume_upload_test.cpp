#include "volume_upload.h"

#include <QTest>

#include <memory>

namespace {

std::unique_ptr<ScanVolume> patternVolume()
{
    auto volume = std::make_unique<ScanVolume>();
    AllocateVolume(*volume, {});
    for (int i = 0; i < ScanLayout::kImageSize; ++i)
        volume->scan_image[i] = static_cast<uint8_t>(1 + (i * 7 + i / 128) % 120);
    return volume;
}

int pairMaximum(const ScanVolume &volume, int layer, int row, int j)
{
    const int k = layer * 5120 + row * 128 + 2 * j;
    return std::max(volume.scan_image[k], volume.scan_image[k + 1]);
}

int voxel(const ScanVolume &volume, int z, int y, int x)
{
    return volume.voxels[z * 4096 + y * 64 + x];
}

}  // namespace

class VolumeUploadTest : public QObject {
    Q_OBJECT

private slots:
    void fullBordersUploadSixtyFourPairsARow_data()
    {
        QTest::addColumn<int>("bottom");
        QTest::newRow("bottom 127") << 127;
        QTest::newRow("bottom 126 gives the same pairs") << 126;
    }
    void fullBordersUploadSixtyFourPairsARow()
    {
        QFETCH(int, bottom);
        auto volume = patternVolume();
        uploadVolume(*volume, {1, 24, 0, bottom});
        for (int layer : {1, 12, 24}) {
            for (int y : {0, 1, 2, 3, 58}) {
                const int row = y * 2 / 3;
                for (int j = 1; j <= 63; ++j)
                    QCOMPARE(voxel(*volume, layer, y, 64 - j), pairMaximum(*volume, layer, row, j));
                // j = 0 lands on cell 0 of the following row
                QCOMPARE(voxel(*volume, layer, y + 1, 0), pairMaximum(*volume, layer, row, 0));
            }
        }
    }

    void rowsStretchOverTheSlices()
    {
        auto volume = patternVolume();
        uploadVolume(*volume, {1, 24, 0, 127});
        // y 0..59 maps onto slice rows 0..39 as Trunc(y / 3 * 2)
        const int rows[][2] = {{0, 0}, {1, 0}, {2, 1}, {3, 2}, {4, 2}, {5, 3}, {59, 39}};
        for (const auto &pair : rows)
            QCOMPARE(voxel(*volume, 7, pair[0], 30), pairMaximum(*volume, 7, pair[1], 34));
        QCOMPARE(voxel(*volume, 7, 60, 0), pairMaximum(*volume, 7, 39, 0));  // row 60 gets cell 0 only
        QCOMPARE(voxel(*volume, 7, 60, 1), 0);
        QCOMPARE(voxel(*volume, 7, 63, 30), 0);
    }

    void bordersLimitThePairs()
    {
        auto volume = patternVolume();
        uploadVolume(*volume, {1, 24, 20, 41});  // pairs 10..20
        QCOMPARE(voxel(*volume, 3, 5, 64 - 10), pairMaximum(*volume, 3, 3, 10));
        QCOMPARE(voxel(*volume, 3, 5, 64 - 20), pairMaximum(*volume, 3, 3, 20));
        QCOMPARE(voxel(*volume, 3, 5, 64 - 9), 0);
        QCOMPARE(voxel(*volume, 3, 5, 64 - 21), 0);
    }

    void onlyShownLayersAreUploaded()
    {
        auto volume = patternVolume();
        uploadVolume(*volume, {5, 8, 0, 127});
        QCOMPARE(voxel(*volume, 4, 10, 30), 0);
        QVERIFY(voxel(*volume, 5, 10, 30) != 0);
        QVERIFY(voxel(*volume, 8, 10, 30) != 0);
        QCOMPARE(voxel(*volume, 9, 10, 30), 0);
        QCOMPARE(voxel(*volume, 0, 10, 30), 0);  // plane 0 is never filled
    }

    void aFirstLayerAboveTheLastUploadsNothing()
    {
        auto volume = patternVolume();
        uploadVolume(*volume, {1, 24, 0, 127});
        volume->voxels[131072] = 5;
        uploadVolume(*volume, {10, 5, 0, 127});
        for (int i = 0; i < 131072; ++i)
            QCOMPARE(int(volume->voxels[i]), 0);
        QCOMPARE(int(volume->voxels[131072]), 5);  // the extra entry is left alone
    }

    void rangeOfAView()
    {
        ViewState view;
        view.firstLayer = 3;
        view.lastLayer = 9;
        view.topBorder = 12;
        view.bottomBorder = 100;
        const UploadRange range = uploadRangeOf(view);
        QCOMPARE(range.firstLayer, 3);
        QCOMPARE(range.lastLayer, 9);
        QCOMPARE(range.topBorder, 12);
        QCOMPARE(range.bottomBorder, 100);
    }
};

QTEST_APPLESS_MAIN(VolumeUploadTest)
#include "volume_upload_test.moc"
