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

// The bounds of the pixels of one colour left of the legend.
QRect boundsOf(const QImage &image, QRgb colour)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < boxPartWidth(image); ++x)
            if (image.pixel(x, y) == colour)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// The column holding the most pixels of a colour: where a vertical line of it stands.
int fullestColumn(const QImage &image, QRgb colour)
{
    int best = -1, bestCount = 0;
    for (int x = 0; x < boxPartWidth(image); ++x) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            count += image.pixel(x, y) == colour ? 1 : 0;
        if (count > bestCount) {
            best = x;
            bestCount = count;
        }
    }
    return best;
}

// The one colour of unlit cells of amplitude 20 above threshold 1.
QRgb unlitColourOf20(const QImage &picture)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < boxPartWidth(picture); ++x)
            if (isCellColour(QColor::fromRgb(picture.pixel(x, y))))
                ++counts[picture.pixel(x, y)];
    QRgb most = 0;
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (most == 0 || it.value() > counts[most])
            most = it.key();
    return most;
}

const QRgb kCursorColour = qRgb(255, 220, 0);

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

    // A marked box shows in its colour until a call with no boxes clears it;
    // a new start shows none either.
    void markedBoxesShowUntilCleared()
    {
        const QRgb markColour = qRgb(255, 0, 255);
        std::vector<int16_t> volume(kEntries, 0);
        startOffScreen(volume);
        d3dreview_(1);
        const QImage unmarked = snapshot();
        const int32_t boxes[] = {20, 29, 10, 20, 5, 9};
        const int32_t numbers[] = {3};
        d3dmarks_(1, boxes, numbers);
        QVERIFY(boundsOf(snapshot(), markColour).width() > 10);
        d3dmarks_(0, boxes, numbers);
        QCOMPARE(snapshot(), unmarked);
        d3dmarks_(1, boxes, numbers);
        startOffScreen(volume);
        d3dreview_(1);
        QCOMPARE(snapshot(), unmarked);
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

    // Seen along the layers the box is 40 slices wide and 64 sample pairs
    // high, seen along the slices 24 layers wide: one unit a cell, or
    // millimetres when both pitches are known (a pair is depth scale / 8 mm).
    void theBoxHasTheProportionsOfItsCells_data()
    {
        QTest::addColumn<float>("slicePitch");
        QTest::addColumn<float>("layerPitch");
        QTest::addColumn<int>("depthScale");
        QTest::addColumn<float>("turn");
        QTest::addColumn<double>("widthPerHeight");
        QTest::newRow("cells, along the layers") << 0.f << 0.f << 20 << 0.f << 40.0 / 64;
        QTest::newRow("cells, along the slices") << 0.f << 0.f << 20 << -90.f << 24.0 / 64;
        QTest::newRow("one pitch known: cells") << 2.5f << 0.f << 50 << 0.f << 40.0 / 64;
        QTest::newRow("mm, along the layers") << 2.5f << 4.f << 50 << 0.f << 100.0 / 400;
        QTest::newRow("mm, along the slices") << 2.5f << 4.f << 50 << -90.f << 96.0 / 400;
        QTest::newRow("mm, wide and shallow") << 10.f << 10.f << 20 << 0.f << 400.0 / 160;
    }
    void theBoxHasTheProportionsOfItsCells()
    {
        QFETCH(float, slicePitch);
        QFETCH(float, layerPitch);
        QFETCH(int, depthScale);
        QFETCH(float, turn);
        QFETCH(double, widthPerHeight);
        std::vector<int16_t> volume(kEntries, 20);  // every cell, so the cells fill the box
        d3dinit_(nullptr, volume.data(), kEntries - 1, 0);
        d3dlight_(0);
        d3dpitches_(slicePitch, layerPitch);
        d3ddepthscale_(depthScale);
        d3drotate_(0, turn, 0);
        d3dreview_(1);
        const QImage picture = snapshot(800, 800);
        const QRect box = boundsOf(picture, unlitColourOf20(picture));
        const double measured = static_cast<double>(box.width()) / box.height();
        QVERIFY2(std::abs(measured / widthPerHeight - 1) < 0.06,
                 qPrintable(QString("%1 x %2, not %3").arg(box.width()).arg(box.height()).arg(widthPerHeight)));
    }

    // The cursor's line along depth runs through the cells of its slice (seen
    // along the layers) or of its layer (seen along the slices), the last
    // slice and layer too. A slice takes the volume rows whose y * 2 / 3 it is.
    void theCursorStandsOnTheCellsOfItsSliceAndLayer_data()
    {
        QTest::addColumn<bool>("alongTheLayers");
        QTest::addColumn<int>("slice");
        QTest::addColumn<int>("layer");
        QTest::newRow("slice 1") << true << 0 << 12;
        QTest::newRow("slice 14, one row") << true << 13 << 12;
        QTest::newRow("slice 21, two rows") << true << 20 << 12;
        QTest::newRow("slice 40") << true << 39 << 12;
        QTest::newRow("layer 1") << false << 20 << 1;
        QTest::newRow("layer 24") << false << 20 << 24;
    }
    void theCursorStandsOnTheCellsOfItsSliceAndLayer()
    {
        QFETCH(bool, alongTheLayers);
        QFETCH(int, slice);
        QFETCH(int, layer);
        std::vector<int16_t> volume(kEntries, 0);
        for (int plane = 1; plane <= 24; ++plane)
            for (int row = 0; row < 60; ++row)
                if (alongTheLayers ? row * 2 / 3 == slice : plane == layer)
                    for (int x = 1; x < 64; ++x)
                        volume[static_cast<std::size_t>(plane * 4096 + row * 64 + x)] = 20;
        d3dinit_(nullptr, volume.data(), kEntries - 1, 0);
        d3dlight_(0);
        d3drotate_(0, alongTheLayers ? 0 : -90, 0);
        // depth position 60; the slice as the host cuts slice * 64 / 40
        d3dmove_(static_cast<float>(layer * 2), 64 - 30, std::trunc(slice * 64.0f / 40));
        d3dcurse_();
        d3dreview_(1);
        const QImage picture = snapshot(800, 800);
        const QRect cells = boundsOf(picture, unlitColourOf20(picture));
        const int cursor = fullestColumn(picture, kCursorColour);
        QVERIFY2(cursor >= cells.left() && cursor <= cells.right(),
                 qPrintable(QString("cursor at %1, cells %2..%3").arg(cursor).arg(cells.left()).arg(cells.right())));
    }

    void pitchesThatAreNoLengthLeaveTheBoxInCells()
    {
        std::vector<int16_t> volume(kEntries, 20);
        startOffScreen(volume);
        d3dreview_(1);
        const QImage cells = snapshot();
        d3dpitches_(2.5f, 4.f);
        QVERIFY(snapshot() != cells);
        for (const float wrong : {0.f, -3.f, std::nanf(""), INFINITY}) {
            d3dpitches_(wrong, 4.f);
            QCOMPARE(snapshot(), cells);
        }
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
