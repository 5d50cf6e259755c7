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

    // The picture carries the colour legend and numbers its depth axis by the
    // file's depth scale (the low two bits of image byte 2052).
    void thePictureCarriesTheLegendAndTheFilesDepthNumbers()
    {
        const auto render = [this](char scaleByte, const QString &frames) {
            QByteArray image(131072, '\x07');
            image[2052] = scaleByte;
            for (int layer = 1; layer <= 24; ++layer)
                image[layer * 5120 + 10 * 128 + 40] = 100;
            const QString scan = folder_.write(QStringLiteral("scale%1.vlm").arg(int(scaleByte)), scanFileOf(image));
            const QString out = path(QStringLiteral("scale%1%2.png").arg(int(scaleByte)).arg(frames));
            return runCliStatus({"view3d", scan, "--threshold", "60", "--frames", frames, "--output", out}) == 0
                       ? QImage(out) : QImage();
        };
        const QImage shallow = render(0, "on"), deep = render(3, "on");
        QVERIFY(!shallow.isNull() && !deep.isNull());
        QVERIFY(shallow != deep);
        QCOMPARE(render(0, "off"), render(3, "off"));  // without the axes, only the numbers differed
        // the legend's bar: a column of bright colours in the right-hand strip
        int coloured = 0;
        const QImage plain = render(0, "off");
        for (int y = 0; y < plain.height(); ++y)
            for (int x = plain.width() * 3 / 4; x < plain.width(); ++x) {
                const QColor colour = plain.pixelColor(x, y);
                coloured += colour.saturation() > 120 && colour.value() > 60 ? 1 : 0;
            }
        QVERIFY(coloured > 1000);
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
