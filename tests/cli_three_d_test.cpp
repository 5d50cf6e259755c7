#include "cli_run.h"

#include <QImage>
#include <QTest>
#include <QtEndian>

class CliThreeDTest : public QObject {
    Q_OBJECT

private:
    CliFolder folder_;

    QString path(const QString &name) const { return folder_.path(name); }

    // A scan whose every byte is 7 but for an echo of 90 at trace byte 20.
    QString uniformScan()
    {
        QByteArray image(131072, '\x07');
        for (int layer = 1; layer <= 24; ++layer)
            for (int slice = 0; slice < 40; ++slice)
                image[layer * 5120 + slice * 128 + 20] = 90;
        return folder_.write("uniform.vlm", scanFileOf(image));
    }

    static int16_t entry(const QByteArray &voxels, int index)
    {
        return qFromLittleEndian<int16_t>(voxels.constData() + 2 * index);
    }

    static long long differingPixels(const QImage &a, const QImage &b)
    {
        long long differing = 0;
        for (int y = 0; y < std::min(a.height(), b.height()); ++y)
            for (int x = 0; x < std::min(a.width(), b.width()); ++x)
                differing += a.pixel(x, y) != b.pixel(x, y);
        return differing;
    }

private slots:
    void voxelsAfterOneRenewal()
    {
        QCOMPARE(runCliStatus({"voxels", uniformScan(), "--top", "10", "--first", "3", "--last", "4", "--output",
                      path("voxels.bin")}),
                 0);
        QFile file(path("voxels.bin"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray voxels = file.readAll();
        QCOMPARE(voxels.size(), 131073 * 2);
        QCOMPARE(entry(voxels, 3 * 4096 + 30 * 64 + 64 - 5), 7);  // pair 5: depth rows from the top border 10
        QCOMPARE(entry(voxels, 3 * 4096 + 30 * 64 + 64 - 4), 0);  // pair 4 lies above it
        QCOMPARE(entry(voxels, 2 * 4096 + 30 * 64 + 30), 0);      // layer 2 is not shown
        QCOMPARE(entry(voxels, 4 * 4096 + 30 * 64 + 64 - 20), 7);
    }

    void threeDPictureOffScreen()
    {
        QString err;
        QCOMPARE(runCliStatus({"view3d", uniformScan(), "--threshold", "60", "--output", path("default.png")}, &err), 0);
        QVERIFY2(err.isEmpty(), qPrintable(err));
        const QImage picture(path("default.png"));
        QCOMPARE(picture.size(), QSize(580, 547));
        // the echoes above the threshold show: the picture is not the one
        // of a volume where nothing reaches it (background and frames only)
        QCOMPARE(runCliStatus({"view3d", uniformScan(), "--threshold", "127", "--output", path("empty.png")}), 0);
        QVERIFY2(differingPixels(picture, QImage(path("empty.png"))) > picture.width() * picture.height() / 50,
                 "the volume is not drawn");
        QCOMPARE(runCliStatus({"view3d", uniformScan(), "--threshold", "60", "--frames", "off", "--turn", "-30", "--tilt",
                      "12", "--zoom", "3", "--size", "320x200", "--output", path("turned.png")}),
                 0);
        QCOMPARE(QImage(path("turned.png")).size(), QSize(320, 200));
        QCOMPARE(runCliStatus({"view3d", uniformScan(), "--threshold", "60", "--frames", "off", "--turn", "-30", "--tilt",
                      "12", "--zoom", "3", "--size", "320x200", "--output", path("again.png")}),
                 0);
        QCOMPARE(QImage(path("again.png")), QImage(path("turned.png")));  // the same call draws the same picture
    }

    void refusesBadOptions()
    {
        QString err;
        QCOMPARE(runCliStatus({"view3d", uniformScan(), "--frames", "maybe", "--output", path("x.png")}, &err), 2);
        QVERIFY(err.contains("--frames takes on or off"));
        QCOMPARE(runCliStatus({"voxels", uniformScan()}, &err), 2);
        QVERIFY(err.contains("--output"));
    }
};

QTEST_GUILESS_MAIN(CliThreeDTest)
#include "cli_three_d_test.moc"
