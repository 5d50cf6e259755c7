#include "cli_run.h"

#include <QImage>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <vector>

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

    // A scan whose every byte is 7 but for a block of 100: layers 9..12,
    // slices 16..21, trace bytes 60..69. Its one indication's drop extent is
    // the block: the load-time smoothing leaves the block at 62 or more and
    // its surroundings at 25 or less, and the drop of 6 dB from 100 is 50.
    QString blockScan()
    {
        QByteArray image(131072, '\x07');
        for (int layer = 9; layer <= 12; ++layer)
            for (int slice = 16; slice <= 21; ++slice)
                for (int byte = 60; byte <= 69; ++byte)
                    image[layer * 5120 + slice * 128 + byte] = 100;
        return folder_.write("block.vlm", scanFileOf(image));
    }

    static constexpr QRgb kBoxColour = 0xffff00ff;

    // From the first to the last column and row left of the legend that hold
    // at least run pixels of a kind: face-on, where the lines of a box stand.
    template <class Kind>
    static QRect linesOf(const QImage &picture, Kind kind, int run)
    {
        std::vector<int> columns(static_cast<std::size_t>(picture.width() * 3 / 4)), rows(picture.height());
        for (int y = 0; y < picture.height(); ++y)
            for (std::size_t x = 0; x < columns.size(); ++x)
                if (kind(picture.pixel(static_cast<int>(x), y)))
                    ++columns[x], ++rows[static_cast<std::size_t>(y)];
        const auto span = [run](const std::vector<int> &counts) {
            const auto full = [run](int count) { return count >= run; };
            return std::pair{static_cast<int>(std::find_if(counts.begin(), counts.end(), full) - counts.begin()),
                             static_cast<int>(counts.rend() - std::find_if(counts.rbegin(), counts.rend(), full)) - 1};
        };
        const auto [left, right] = span(columns);
        const auto [top, bottom] = span(rows);
        return QRect(QPoint(left, top), QPoint(right, bottom));
    }

private slots:
    // Seen face-on from the front (slices to the right, depth up) and from
    // the side (layers to the right), the box's outline stands on the edges
    // of the block's cells, drawn without the box; its number stands beside
    // it. Without --indications, or with none found, the picture is the one
    // without boxes.
    void theIndicationsBoxEnclosesItsCells_data()
    {
        QTest::addColumn<QString>("turn");
        QTest::newRow("front") << "24";
        QTest::newRow("side") << "114";
    }

    void theIndicationsBoxEnclosesItsCells()
    {
        QFETCH(QString, turn);
        const QString scan = blockScan();
        const auto draw = [&](const QString &name, const QStringList &more) {
            const QString out = path(name + turn + ".png");
            const QStringList common = {"view3d", scan, "--threshold", "40", "--frames", "off", "--turn", turn,
                                        "--tilt", "-6", "--zoom", "10", "--output", out};
            return runCliStatus(common + more) == 0 ? QImage(out).convertToFormat(QImage::Format_RGB32) : QImage();
        };
        const QImage plain = draw("plain", {}), boxed = draw("boxed", {"--indications"});
        QVERIFY(!plain.isNull() && !boxed.isNull());
        const auto isBox = [](QRgb p) { return p == kBoxColour; };
        QVERIFY(!linesOf(plain, isBox, 1).isValid());
        QCOMPARE(draw("none", {"--indications", "--level", "200"}), plain);

        // the cells' colours, not the cursor's lines nor its slice plane's
        const QRect cells = linesOf(plain, [](QRgb p) {
            const QColor colour = QColor::fromRgb(p);
            return colour.saturation() > 120 && colour.value() > 60 && p != qRgb(255, 220, 0) && p != qRgb(120, 220, 255);
        }, 1);
        QVERIFY(cells.width() > 20 && cells.height() > 20);
        const QRect box = linesOf(boxed, isBox, std::min(cells.width(), cells.height()) / 2);
        // a cell's squares reach up to half a row past its slice
        const QRect beyond = box.united(cells), within = box.intersected(cells);
        QVERIFY(beyond.width() - within.width() <= 5 && beyond.height() - within.height() <= 5);
        QVERIFY2(linesOf(boxed, isBox, 1) != box, "the number is not drawn");
    }


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
        QCOMPARE(runCliStatus({"view3d", uniformScan(), "--level", "50", "--output", path("x.png")}), 2);  // without --indications
        QCOMPARE(runCliStatus({"view3d", uniformScan(), "--indications", "--level", "0", "--output", path("x.png")}), 2);
        QCOMPARE(runCliStatus({"voxels", uniformScan()}, &err), 2);
        QVERIFY(err.contains("--output"));
    }
};

QTEST_GUILESS_MAIN(CliThreeDTest)
#include "cli_three_d_test.moc"
