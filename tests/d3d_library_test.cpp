#include "d3d.h"

#include <QImage>
#include <QSet>
#include <QTest>
#include <QWidget>

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

int colouredPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += isCellColour(QColor::fromRgb(image.pixel(x, y))) ? 1 : 0;
    return count;
}

// Pixels of the light grey lines of the frame, brighter than any background.
int framePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
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
            for (int x = 0; x < flat.width(); ++x)
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
