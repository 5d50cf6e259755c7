#include "d3d.h"

#include <QHash>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QWidget>

#include <cmath>
#include <vector>

namespace {

constexpr int kEntries = 131073;

QImage snapshot(int width = 320, int height = 240)
{
    QImage image(width, height, QImage::Format_ARGB32);
    d3dsnapshot_(reinterpret_cast<uint32_t *>(image.bits()), static_cast<uint16_t>(width),
                 static_cast<uint16_t>(height));
    return image;
}

// Cells are drawn in bright, saturated colours; the background is dark and
// the lines are grey.
bool isCellColour(const QColor &colour)
{
    return colour.saturation() > 120 && colour.value() > 60;
}

// The part of a picture left of the colour legend, which stands in a strip
// at the right-hand side.
int boxPartWidth(const QImage &image)
{
    return image.width() * 3 / 4;
}

int colouredPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < boxPartWidth(image); ++x)
            count += isCellColour(QColor::fromRgb(image.pixel(x, y))) ? 1 : 0;
    return count;
}

// Mean position of the cells' pixels left of the legend.
QPointF cellCentroid(const QImage &image)
{
    QPointF sum;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < boxPartWidth(image); ++x) {
            if (isCellColour(QColor::fromRgb(image.pixel(x, y)))) {
                sum += QPointF(x, y);
                ++count;
            }
        }
    }
    return count > 0 ? sum / count : QPointF(-1, -1);
}

// Pixels of the light grey lines of the frame, brighter than any background.
int framePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < boxPartWidth(image); ++x) {
            const QColor colour = QColor::fromRgb(image.pixel(x, y));
            count += colour.saturation() < 90 && colour.value() > 90 ? 1 : 0;
        }
    }
    return count;
}

void startOffScreen(std::vector<int16_t> &volume)
{
    d3dinit_(nullptr, volume.data(), kEntries - 1, 93);
    d3dlight_(1);
    d3drotate_(0, -24, 6);
}

}  // namespace

class D3dLibraryTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { d3dclose_(); }

    void cellsAboveTheThresholdAreDrawn()
    {
        std::vector<int16_t> volume(kEntries, 0);
        for (int z = 10; z < 14; ++z)
            for (int y = 20; y < 40; ++y)
                for (int x = 20; x < 40; ++x)
                    volume[static_cast<std::size_t>(z * 4096 + y * 64 + x)] = 90;
        startOffScreen(volume);
        d3dreview_(40);
        QVERIFY(colouredPixels(snapshot()) > 500);
        d3dreview_(90);  // the cells must be above it, not at it
        QCOMPARE(colouredPixels(snapshot()), 0);
    }

    void theVolumeIsReadAgainAtEveryReview()
    {
        std::vector<int16_t> volume(kEntries, 0);
        startOffScreen(volume);
        d3dreview_(1);
        const QImage empty = snapshot();
        QCOMPARE(colouredPixels(empty), 0);
        volume[static_cast<std::size_t>(12 * 4096 + 32 * 64 + 32)] = 100;
        QCOMPARE(snapshot(), empty);  // not read before the review
        d3dreview_(1);
        QVERIFY(colouredPixels(snapshot()) > 0);
    }

    void framesFollowTypeAndZone()
    {
        std::vector<int16_t> volume(kEntries, 0);
        startOffScreen(volume);
        d3dreview_(1);
        const QImage without = snapshot();
        d3dtype_(1);
        const QImage with = snapshot();
        QVERIFY(with != without);
        d3dtype_(1);
        QCOMPARE(snapshot(), without);
        d3dtype_(1);
        d3dzone_();
        QCOMPARE(snapshot(), without);
        d3dtype_(0);  // only type 1 switches
        QCOMPARE(snapshot(), without);
    }

    void theFrameShowsOnlyWhileFramesAreOn()
    {
        std::vector<int16_t> volume(kEntries, 0);
        startOffScreen(volume);
        d3dreview_(1);
        QCOMPARE(framePixels(snapshot()), 0);
        d3dtype_(1);
        QVERIFY(framePixels(snapshot()) > 200);
        d3dzone_();
        QCOMPARE(framePixels(snapshot()), 0);
    }

    void lightShadesTheCells()
    {
        std::vector<int16_t> volume(kEntries, 0);
        for (int z = 8; z < 16; ++z)
            for (int y = 16; y < 48; ++y)
                for (int x = 16; x < 48; ++x)
                    volume[static_cast<std::size_t>(z * 4096 + y * 64 + x)] = 100;
        startOffScreen(volume);
        d3dreview_(50);
        const QImage lit = snapshot();
        d3dlight_(0);
        const QImage flat = snapshot();
        QVERIFY(lit != flat);
        // unlit, every cell has the one colour of its amplitude
        QSet<QRgb> colours;
        for (int y = 0; y < flat.height(); ++y)
            for (int x = 0; x < boxPartWidth(flat); ++x)
                if (isCellColour(QColor::fromRgb(flat.pixel(x, y))))
                    colours.insert(flat.pixel(x, y));
        QCOMPARE(colours.size(), 1);
    }

    void theSlicePlaneOfTheOrientationIsOutlined()
    {
        std::vector<int16_t> volume(kEntries, 0);
        startOffScreen(volume);
        d3dmove_(20, 40, 30);
        d3dcurse_();
        d3dreview_(1);
        const QImage acrossSlices = snapshot();
        d3dorient_(1);
        const QImage acrossDepth = snapshot();
        d3dorient_(2);
        QVERIFY(acrossSlices != acrossDepth);
        QVERIFY(snapshot() != acrossDepth);
    }

    void callsBeforeStartAndASecondCloseAreHarmless()
    {
        d3dclose_();
        d3dtype_(1);
        d3drotate_(0, 3, 3);
        d3dupdate_();
        std::vector<int16_t> volume(kEntries, 0);
        startOffScreen(volume);
        d3dreview_(1);
        const QImage started = snapshot();
        d3dclose_();
        d3dclose_();
        startOffScreen(volume);
        d3dreview_(1);
        QCOMPARE(snapshot(), started);
    }

    void turnAndZoomChangeThePicture()
    {
        std::vector<int16_t> volume(kEntries, 0);
        for (int i = 17 * 4096; i < 18 * 4096; i += 7)
            volume[static_cast<std::size_t>(i)] = 120;
        startOffScreen(volume);
        d3dtype_(1);  // with the box and its numbers, which move with the turn
        d3dreview_(1);
        const QImage first = snapshot();
        d3drotate_(0, 3, 0);
        const QImage turned = snapshot();
        QVERIFY(turned != first);
        d3drotate_(0, -3, 0);
        QCOMPARE(snapshot(), first);
        d3dscale_(0.5f, 0.5f, 0.5f);
        QVERIFY(colouredPixels(snapshot()) > colouredPixels(first));
    }

    void cursorIsDrawnOnceShown()
    {
        std::vector<int16_t> volume(kEntries, 0);
        startOffScreen(volume);
        d3dmove_(2, 63, 0);
        d3dreview_(1);
        const QImage hidden = snapshot();
        d3dcurse_();
        const QImage shown = snapshot();
        QVERIFY(shown != hidden);
        d3dmove_(40, 20, 50);
        QVERIFY(snapshot() != shown);
    }

    // The host puts the first sample pair of row y into cell 0 of row y + 1;
    // it belongs at the top of row y's column, just above pair 1 (cell 63).
    void theFirstSamplePairStandsAtTheTopOfItsOwnRow_data()
    {
        QTest::addColumn<int>("plane");
        QTest::newRow("first layer") << 1;
        QTest::newRow("last layer") << 24;
    }
    void theFirstSamplePairStandsAtTheTopOfItsOwnRow()
    {
        QFETCH(int, plane);
        const auto drawOne = [plane](int row, int cell) {
            std::vector<int16_t> volume(kEntries, 0);
            volume[static_cast<std::size_t>(plane * 4096 + row * 64 + cell)] = 100;
            d3dinit_(nullptr, volume.data(), kEntries - 1, 0);
            d3dlight_(0);
            d3dreview_(1);  // seen straight along the layers
            const QImage picture = snapshot(600, 600);
            d3dclose_();
            return cellCentroid(picture);
        };
        // pixels from one pair to the next: pairs 1 and 63 lie 62 apart
        const double pitch = (drawOne(30, 1).y() - drawOne(30, 63).y()) / 62;
        for (int row = 0; row < 60; ++row) {
            const QPointF first = drawOne(row + 1, 0), second = drawOne(row, 63);
            QVERIFY2(first.x() >= 0, qPrintable(QString("row %1 not drawn").arg(row)));
            QVERIFY2(std::abs(first.x() - second.x()) < pitch / 2, qPrintable(QString("row %1 in another column").arg(row)));
            QVERIFY2(std::abs(second.y() - first.y() - pitch) < pitch / 2, qPrintable(QString("row %1 not on top").arg(row)));
        }
    }

    // The legend's bar shows each amplitude in the very colour of its cells,
    // at its place between the threshold at the foot and the top of the scale.
    void theLegendShowsTheCellColours_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<int>("amplitude");
        QTest::newRow("design size, default threshold") << QSize(580, 547) << 33 << 80;
        QTest::newRow("design size, low threshold") << QSize(580, 547) << 1 << 20;
        QTest::newRow("full screen, high threshold") << QSize(1920, 1080) << 100 << 120;
        QTest::newRow("full screen, default threshold") << QSize(1920, 1080) << 33 << 50;
    }
    void theLegendShowsTheCellColours()
    {
        QFETCH(QSize, size);
        QFETCH(int, threshold);
        QFETCH(int, amplitude);
        // a block of one amplitude, unlit: its cells have the amplitude's colour alone
        const auto cellColourAndPicture = [&](int value) {
            std::vector<int16_t> volume(kEntries, 0);
            for (int z = 10; z < 20; ++z)
                for (int y = 20; y < 44; ++y)
                    for (int x = 20; x < 44; ++x)
                        volume[static_cast<std::size_t>(z * 4096 + y * 64 + x)] = static_cast<int16_t>(value);
            startOffScreen(volume);
            d3dlight_(0);
            d3dreview_(threshold);
            const QImage picture = snapshot(size.width(), size.height());
            d3dclose_();
            QHash<QRgb, int> counts;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < boxPartWidth(picture); ++x)
                    ++counts[picture.pixel(x, y)];
            QRgb most = 0;
            for (auto it = counts.begin(); it != counts.end(); ++it)
                if (isCellColour(QColor::fromRgb(it.key())) && (most == 0 || it.value() > counts[most]))
                    most = it.key();
            return std::make_pair(most, picture);
        };
        // mean row of the legend's pixels of a colour, right of the box
        const auto legendRow = [](const QImage &picture, QRgb colour) {
            double sum = 0;
            int count = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = boxPartWidth(picture); x < picture.width(); ++x)
                    if (picture.pixel(x, y) == colour) {
                        sum += y;
                        ++count;
                    }
            return count > 0 ? sum / count : -1.0;
        };
        const auto [lowest, picture] = cellColourAndPicture(threshold + 1);
        const QRgb top = cellColourAndPicture(128).first;
        const QRgb middle = cellColourAndPicture(amplitude).first;
        const double lowestRow = legendRow(picture, lowest), topRow = legendRow(picture, top);
        const double middleRow = legendRow(picture, middle);
        QVERIFY(lowestRow > 0 && topRow > 0 && middleRow > 0);
        QVERIFY(topRow < lowestRow);
        const double band = (lowestRow - topRow) / (128 - threshold - 1);  // rows an amplitude
        const double expected = lowestRow - band * (amplitude - threshold - 1);
        QVERIFY2(std::abs(middleRow - expected) < 3, qPrintable(QString("at %1, not %2").arg(middleRow).arg(expected)));
        // nothing below the threshold's next amplitude: the bar ends there
        int column = boxPartWidth(picture);
        while (column < picture.width() && picture.pixel(column, static_cast<int>(lowestRow)) != lowest)
            ++column;
        int below = static_cast<int>(lowestRow);
        while (below + 1 < picture.height() && isCellColour(QColor::fromRgb(picture.pixel(column, below + 1))))
            ++below;
        QVERIFY2(below - lowestRow <= band / 2 + 2, qPrintable(QString("%1 rows below").arg(below - lowestRow)));
    }

    // The numbers of the depth axis follow the scan's depth scale.
    void theDepthNumbersFollowTheDepthScale()
    {
        std::vector<int16_t> volume(kEntries, 0);
        startOffScreen(volume);
        d3dtype_(1);
        d3dreview_(1);
        const QImage unset = snapshot(580, 547);
        d3ddepthscale_(20);
        QCOMPARE(snapshot(580, 547), unset);
        d3ddepthscale_(200);
        const QImage deep = snapshot(580, 547);
        QVERIFY(deep != unset);
        d3ddepthscale_(20);
        QCOMPARE(snapshot(580, 547), unset);
    }

    void drawsIntoItsAreaOfTheWindow()
    {
        QWidget window;
        window.resize(640, 480);
        std::vector<int16_t> volume(kEntries, 0);
        d3dinit_(&window, volume.data(), kEntries - 1, 93);
        d3dzero_(10, 68);
        d3dsize_(300, 200);
        const auto children = window.findChildren<QWidget *>();
        QCOMPARE(children.size(), 1);
        // the bottom edge lies 68 pixels above the window's bottom edge
        QCOMPARE(children[0]->geometry(), QRect(10, 480 - 68 - 200, 300, 200));
        QVERIFY(children[0]->testAttribute(Qt::WA_TransparentForMouseEvents));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(640, 500);
        QCOMPARE(children[0]->geometry(), QRect(10, 500 - 68 - 200, 300, 200));
        d3dclose_();
        QVERIFY(window.findChildren<QWidget *>().isEmpty());
    }
};

QTEST_MAIN(D3dLibraryTest)
#include "d3d_library_test.moc"
