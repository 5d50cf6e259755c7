#include "cli_run.h"

#include <QImage>
#include <QTest>

class CliRenderTest : public QObject {
    Q_OBJECT

private:
    CliFolder folder_;

    QString path(const QString &name) const { return folder_.path(name); }
    QByteArray readAll(const QString &name) const { return folder_.read(name); }

    // A scan of zeros but for a few samples; smoothing leaves slices 0 and 39 as they are.
    QString knownScan()
    {
        QByteArray image(131072, '\0');
        const int slice39OfLayer1 = 5120 + 39 * 128;
        image[slice39OfLayer1 + 1] = 10;    // depth row 0
        image[slice39OfLayer1 + 101] = 20;  // depth row 100
        image[slice39OfLayer1 + 102] = 30;  // depth row 101
        return folder_.write("known.vlm", scanFileOf(image));
    }

    static QList<QByteArray> rowValues(const QByteArray &line) { return line.split('\t'); }

private slots:
    void writesThePictures()
    {
        QString err;
        QCOMPARE(runCliStatus({"render", qEnvironmentVariable("VELMORA_SAMPLE_SCAN"), "--view", "y", "--layer", "12",
                      "--image", path("image.png"), "--overview", path("overview.png"), "--ascan", path("ascan.png"),
                      "--grid", path("grid.txt")},
                     &err),
                 0);
        QVERIFY2(err.isEmpty(), qPrintable(err));
        QImage image(path("image.png"));
        QCOMPARE(image.size(), QSize(557, 500));
        const QByteArray png = readAll("image.png");
        QCOMPARE(int(png[24]), 8);  // 8 bits a channel
        QCOMPARE(int(png[25]), 2);  // red, green, blue without alpha: 24 bits a pixel
        QCOMPARE(QImage(path("overview.png")).size(), QSize(200, 100));
        const QImage aScan(path("ascan.png"));
        QCOMPARE(aScan.size(), QSize(128, 80));
        QCOMPARE(aScan.pixelColor(0, 0), QColor(0, 0, 0));
        const QList<QByteArray> lines = readAll("grid.txt").split('\n');
        QCOMPARE(lines.size(), 129);  // 128 rows, each ended by a line feed
        QCOMPARE(rowValues(lines[0]).size(), 41);  // 40 values, each followed by a tab
        QVERIFY(lines.last().isEmpty());
    }

    void sizeSetsTheSliceImage()
    {
        QCOMPARE(runCliStatus({"render", qEnvironmentVariable("VELMORA_SAMPLE_SCAN"), "--size", "1920x1080", "--image",
                      path("big.png")}),
                 0);
        QCOMPARE(QImage(path("big.png")).size(), QSize(1920, 1080));
    }

    void viewOptionsAreSetAsTheControlsWouldBe()
    {
        // slice 99 is clamped to 39; a bottom border set below the top follows it
        QCOMPARE(runCliStatus({"render", knownScan(), "--slice", "99", "--top", "100", "--bottom", "50", "--brightness", "1",
                      "--grid", path("grid.txt")}),
                 0);
        const QList<QByteArray> lines = readAll("grid.txt").split('\n');
        QCOMPARE(rowValues(lines[100])[0], QByteArray::number(255 - 40));  // 2 * 20 * 1.02 = 40.8
        QCOMPARE(rowValues(lines[101])[0], QByteArray::number(255 - 61));  // 2 * 30 * 1.02 = 61.2
        QCOMPARE(rowValues(lines[0])[0], QByteArray("255"));               // outside the borders 100..101
        QCOMPARE(rowValues(lines[102])[0], QByteArray("255"));
    }

    void gateMaxDrawsTheLargestSampleBetweenTheBorders_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("cell");
        // layer 1, slice 39 holds 10, 20 and 30 at depth rows 0, 100 and 101
        QTest::newRow("whole depth") << QStringList{"--gate-max"} << QByteArray::number(255 - 61);
        QTest::newRow("gate of row 100 alone") << QStringList{"--top", "99", "--bottom", "100", "--gate-max"}
                                               << QByteArray::number(255 - 40);
        QTest::newRow("gate above the samples") << QStringList{"--top", "1", "--bottom", "99", "--gate-max"}
                                                << QByteArray("255");
        QTest::newRow("without the switch: depth position 1") << QStringList{} << QByteArray::number(255 - 20);
    }
    void gateMaxDrawsTheLargestSampleBetweenTheBorders()
    {
        QFETCH(QStringList, options);
        QFETCH(QByteArray, cell);
        QCOMPARE(runCliStatus(QStringList{"render", knownScan(), "--view", "z", "--brightness", "1", "--grid",
                                          path("grid.txt")}
                              + options),
                 0);
        const QList<QByteArray> lines = readAll("grid.txt").split('\n');
        QCOMPARE(rowValues(lines[0])[39], cell);
    }

    // Bytes 101 and 102 lie 126.25 and 127.5 mm deep (20 mm per 16 bytes);
    // DAC 100 at the surface, 50 at 200 mm is 68.44 and 68.13 there, so TCG
    // raises 20 to 29.2 (29) and 30 to 44.0 (44): grey 255 - 2 v 1.02.
    void tcgRaisesTheDeepSamplesAndOffLeavesThemAsRecorded_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("row100");
        QTest::addColumn<QByteArray>("row101");
        QTest::newRow("no DAC") << QStringList{} << QByteArray::number(255 - 40) << QByteArray::number(255 - 61);
        QTest::newRow("a DAC with TCG off")
            << QStringList{"--dac", "0:100,200:50"} << QByteArray::number(255 - 40) << QByteArray::number(255 - 61);
        QTest::newRow("TCG on") << QStringList{"--dac", "0:100,200:50", "--tcg"} << QByteArray::number(255 - 59)
                                << QByteArray::number(255 - 89);
    }
    void tcgRaisesTheDeepSamplesAndOffLeavesThemAsRecorded()
    {
        QFETCH(QStringList, options);
        QFETCH(QByteArray, row100);
        QFETCH(QByteArray, row101);
        QCOMPARE(runCliStatus(QStringList{"render", knownScan(), "--slice", "39", "--brightness", "1", "--grid",
                                          path("grid.txt")}
                              + options),
                 0);
        const QList<QByteArray> lines = readAll("grid.txt").split('\n');
        QCOMPARE(rowValues(lines[100])[0], row100);
        QCOMPARE(rowValues(lines[101])[0], row101);
    }

    // With brightness 1 the 20 of layer 1 at depth row 100 is grey 215
    // (cells of 23 x 3 pixels: row 100 is y 300..302), strength 40/255:
    // 0.627 of the way from white to blue in amplitude, (95, 95, 255). Grey
    // is the picture without a palette, byte for byte.
    void thePaletteColoursTheCells()
    {
        const QStringList common{"render", knownScan(), "--slice", "39", "--brightness", "1"};
        QCOMPARE(runCliStatus(common + QStringList{"--image", path("plain.png")}), 0);
        QCOMPARE(runCliStatus(common + QStringList{"--image", path("grey.png"), "--palette", "grey"}), 0);
        QCOMPARE(runCliStatus(common + QStringList{"--image", path("amplitude.png"), "--palette", "amplitude"}), 0);
        QCOMPARE(readAll("grey.png"), readAll("plain.png"));
        const QImage plain(path("plain.png"));
        const QImage amplitude(path("amplitude.png"));
        QCOMPARE(plain.pixelColor(11, 301), QColor(215, 215, 215));
        QCOMPARE(amplitude.pixelColor(11, 301), QColor(95, 95, 255));
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown view") << QStringList{"--view", "w"} << 2 << "--view takes x, y or z";
        QTest::newRow("not a number") << QStringList{"--slice", "ten"} << 2 << "takes a whole number";
        QTest::newRow("bad size") << QStringList{"--size", "12"} << 2 << "WIDTHxHEIGHT";
        QTest::newRow("unknown option") << QStringList{"--colour", "red"} << 2 << "unknown option --colour";
        QTest::newRow("TCG without a DAC") << QStringList{"--tcg"} << 2 << "--tcg needs the DAC";
        QTest::newRow("unknown palette") << QStringList{"--palette", "purple"} << 2 << "--palette takes grey";
    }
    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        QString err;
        QCOMPARE(runCliStatus(QStringList{"render", qEnvironmentVariable("VELMORA_SAMPLE_SCAN")} + arguments, &err), status);
        QVERIFY2(err.contains(message), qPrintable(err));
    }

    void aMissingFileIsReported()
    {
        QString err;
        QCOMPARE(runCliStatus({"render", path("absent.vlm"), "--image", path("x.png")}, &err), 1);
        QVERIFY(err.contains("cannot open"));
        QVERIFY(!QFile::exists(path("x.png")));
    }
};

QTEST_GUILESS_MAIN(CliRenderTest)
#include "cli_render_test.moc"
