// The main window at a scale factor of 2 (run with QT_SCALE_FACTOR=2): its
// panels keep every control and read-out in sight, and the slice and 3-D
// pictures are drawn at the device pixels rather than scaled up.

#include "bitmap_view.h"
#include "d3d.h"
#include "finding_readout.h"
#include "main_window_run.h"
#include "trace_plot_view.h"

#include <QCheckBox>
#include <QLabel>
#include <QStatusBar>
#include <QScreen>
#include <QTest>

#include <vector>

namespace {

// A picture scaled up twice over is made of 2 x 2 blocks of one colour.
int mixedBlocks(const QImage &picture, const QRect &area)
{
    int mixed = 0;
    for (int y = area.top(); y + 1 <= area.bottom(); y += 2)
        for (int x = area.left(); x + 1 <= area.right(); x += 2) {
            const QRgb corner = picture.pixel(x, y);
            mixed += picture.pixel(x + 1, y) != corner || picture.pixel(x, y + 1) != corner
                     || picture.pixel(x + 1, y + 1) != corner;
        }
    return mixed;
}

// The widget as the screen shows it, in device pixels.
QImage grabbed(QWidget &widget)
{
    QImage shown = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    shown.setDevicePixelRatio(1);
    return shown;
}

QImage bitmapScaledUp(const QImage &bitmap)
{
    return bitmap.scaled(bitmap.size() * 2).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class HighDpiTest : public QObject {
    Q_OBJECT

private slots:
    void theScreenHasTwoDevicePixelsToALogicalOne()
    {
        QWidget window;
        QCOMPARE(window.devicePixelRatioF(), 2.0);
        QCOMPARE(window.screen()->geometry().size(), QSize(1280, 1024));
    }

    // Without smoothing a cell is one colour: the picture drawn at the device
    // pixels is then exactly the bitmap scaled up, cell for cell. Smoothed,
    // it has a detail of its own in every cell.
    void theSliceImageIsDrawnAtTheDevicePixels()
    {
        MainWindowRun run;
        TForm1 &window = run.start({"velmora", run.writeFile("sample.vlm", bundledSample())});
        window.CheckBox7->setChecked(false);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect grid(0, 0, 2 * window.geometry.grid_pixel_width, 2 * window.geometry.grid_pixel_height);
        QImage shown = grabbed(*window.Image3);
        QCOMPARE(shown.copy(grid), bitmapScaledUp(window.image3Bitmap).copy(grid));
        window.CheckBox4->setChecked(true);
        shown = grabbed(*window.Image3);
        QVERIFY(mixedBlocks(shown, grid) > grid.width() * grid.height() / 4 / 10);
    }

    void theThreeDPictureIsDrawnAtTheDevicePixels()
    {
        QWidget window;
        window.resize(640, 480);
        std::vector<int16_t> volume(131073, 100);
        d3dinit_(&window, volume.data(), 131072, 40);
        d3dzero_(10, 68);
        d3dsize_(300, 200);
        d3dreview_(40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget *picture = window.findChildren<QWidget *>().value(0);
        QVERIFY(picture);
        const QImage shown = grabbed(*picture);
        QCOMPARE(shown.size(), QSize(600, 400));
        // the frame's lines and numbers are one device pixel fine
        QVERIFY(mixedBlocks(shown, shown.rect()) > 1000);
        d3dclose_();
    }

    // Every control and read-out of the control panel and of the bottom
    // panel lies inside its panel and above the status bar, and every text
    // fits; the control panel has room for the trace plot.
    void thePanelsKeepEveryControlInSight()
    {
        MainWindowRun run;
        TForm1 &window = run.start({"velmora", run.writeFile("sample.vlm", bundledSample())});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int statusBarTop = window.StatusBar1->geometry().top();
        for (QWidget *panel : {static_cast<QWidget *>(window.Panel9), static_cast<QWidget *>(window.Panel1)}) {
            for (QWidget *control : panel->findChildren<QWidget *>()) {
                if (!control->isVisibleTo(window.ClientArea) || control == window.Readout->PanelPlotHint)
                    continue;
                const QRect place(control->mapTo(window.ClientArea, QPoint(0, 0)), control->size());
                QVERIFY2(place.bottom() < statusBarTop && place.right() < window.ClientArea->width(),
                         qPrintable(control->objectName() + QLatin1Char(' ') + control->metaObject()->className()));
                if (const auto *label = qobject_cast<QLabel *>(control))
                    QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                             qPrintable(label->text()));
            }
        }
        QVERIFY(window.Readout->PanelPlot->isVisibleTo(window.ClientArea));
    }
};

QTEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
