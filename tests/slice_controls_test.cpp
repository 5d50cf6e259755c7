#include "ascan_lines.h"
#include "bitmap_view.h"
#include "drag_line.h"
#include "main_window_run.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QPixmap>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>
#include <QTest>

namespace {

// A run with the sample scan loaded and the flat layout shown on screen.
struct SampleRun : MainWindowRun {
    TForm1 &startFlat()
    {
        TForm1 &window = start({QStringLiteral("velmora"), writeFile("sample.vlm", bundledSample())});
        window.CheckBox7->setChecked(false);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("the main window was not exposed");
        d3d.calls().clear();
        return window;
    }
};

}  // namespace

class SliceControlsTest : public QObject {
    Q_OBJECT

private slots:
    void scrollBarsUpdateReadoutsStatusAndPicture()
    {
        SampleRun run;
        TForm1 &window = run.startFlat();
        const QImage before = window.image3Bitmap;
        window.ScrollBar2->setValue(11);
        window.ScrollBar3->setValue(3);
        window.ScrollBar1->setValue(28);
        QCOMPARE(window.Label6->text(), QStringLiteral("12 slice"));
        QCOMPARE(window.Label7->text(), QStringLiteral("3 layer"));
        QCOMPARE(window.Label8->text(), QStringLiteral("87 mm"));  // 28 steps of 3.125 mm
        QCOMPARE(window.StatusBar1->currentMessage(), QStringLiteral("3 layer:12 slice:87 mm"));
        QCOMPARE(run.d3d.callsWithoutRepaints().last(), QStringLiteral("d3dmove_(6,50,17)"));
        QVERIFY(window.image3Bitmap != before);
        QCOMPARE(window.idle_ticks, 0);
    }

    void scrollBarsFollowTheKeyboard_data()
    {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        // as a native scroll bar: down and right go to larger values
        QTest::newRow("depth, Down goes deeper") << "ScrollBar1" << 20 << int(Qt::Key_Down) << 21;
        QTest::newRow("depth, Up") << "ScrollBar1" << 20 << int(Qt::Key_Up) << 19;
        QTest::newRow("depth, Right") << "ScrollBar1" << 20 << int(Qt::Key_Right) << 21;
        QTest::newRow("depth, Left") << "ScrollBar1" << 20 << int(Qt::Key_Left) << 19;
        QTest::newRow("depth, Page Down") << "ScrollBar1" << 20 << int(Qt::Key_PageDown) << 30;
        QTest::newRow("slice, Down") << "ScrollBar2" << 5 << int(Qt::Key_Down) << 6;
        QTest::newRow("layer, Down") << "ScrollBar3" << 5 << int(Qt::Key_Down) << 6;
    }
    void scrollBarsFollowTheKeyboard()
    {
        QFETCH(QString, bar);
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, expected);
        SampleRun run;
        TForm1 &window = run.startFlat();
        QScrollBar *scrollBar = bar == "ScrollBar1" ? window.ScrollBar1
                                : bar == "ScrollBar2" ? window.ScrollBar2
                                                      : window.ScrollBar3;
        scrollBar->setValue(start);
        scrollBar->setFocus();
        QTest::keyClick(scrollBar, Qt::Key(key));
        QCOMPARE(scrollBar->value(), expected);
    }

    void keysMoveTheCursorReadouts()
    {
        SampleRun run;
        TForm1 &window = run.startFlat();
        window.ScrollBar2->setFocus();
        QTest::keyClick(window.ScrollBar2, Qt::Key_Right);
        QTest::keyClick(window.ScrollBar2, Qt::Key_Right);
        QCOMPARE(window.ScrollBar2->value(), 2);
        QCOMPARE(window.Label6->text(), QStringLiteral("3 slice"));
    }

    void aLeftClickOnTheSliceMovesTheCursor()
    {
        SampleRun run;
        TForm1 &window = run.startFlat();
        const int cw = window.geometry.cell_width;
        const int ch = window.geometry.cell_height;
        QTest::mouseClick(window.Image3, Qt::LeftButton, {}, QPoint(5 * cw + 1, 10 * ch + 1));
        QCOMPARE(window.ScrollBar3->value(), 6);  // layer column 5, counted from 1
        QCOMPARE(window.ScrollBar1->value(), 11);
        QCOMPARE(window.Label7->text(), QStringLiteral("6 layer"));
        QCOMPARE(int(window.picking), 0);
        // the redraw marks the clicked cell
        QCOMPARE(window.image3Bitmap.pixelColor(5 * cw + 1, 10 * ch + 1), QColor(255, 64, 64));
    }

    void aRightClickChangesNothing()
    {
        SampleRun run;
        TForm1 &window = run.startFlat();
        const QImage before = window.image3Bitmap;
        QTest::mouseClick(window.Image3, Qt::RightButton, {}, QPoint(100, 100));
        QCOMPARE(window.image3Bitmap, before);
        QCOMPARE(window.ScrollBar3->value(), 1);
        QCOMPARE(window.ScrollBar1->value(), 1);
    }

    void theCrossStaysOnTheLastRowAndColumn()
    {
        SampleRun run;
        TForm1 &window = run.startFlat();
        const int w = window.image3Bitmap.width();
        const int h = window.image3Bitmap.height();
        window.Image3MouseDown(Qt::LeftButton, 50, 60);
        QCOMPARE(window.image3Bitmap.pixelColor(50, h - 1), QColor(192, 192, 192));
        QCOMPARE(window.image3Bitmap.pixelColor(w - 1, 60), QColor(192, 192, 192));
        QVERIFY(window.image3Bitmap.pixelColor(50, 30) != QColor(192, 192, 192));
    }

    void clickMapping_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<int>("cw");
        QTest::addColumn<int>("ch");
        QTest::addColumn<QPoint>("click");
        QTest::addColumn<int>("slice");
        QTest::addColumn<int>("layer");
        QTest::addColumn<int>("depth");
        QTest::newRow("X, first row of a cell") << "X" << 24 << 4 << QPoint(30, 8) << 0 << 2 << 2;
        QTest::newRow("X, inside a cell") << "X" << 24 << 4 << QPoint(30, 9) << 0 << 2 << 3;
        QTest::newRow("Y, depth is exact") << "Y" << 10 << 4 << QPoint(25, 8) << 2 << 1 << 3;
        QTest::newRow("Z, top left corner clamps") << "Z" << 13 << 20 << QPoint(0, 0) << 0 << 1 << 1;
    }
    void clickMapping()
    {
        QFETCH(QString, view);
        QFETCH(int, cw);
        QFETCH(int, ch);
        QFETCH(QPoint, click);
        QFETCH(int, slice);
        QFETCH(int, layer);
        QFETCH(int, depth);
        SampleRun run;
        TForm1 &window = run.startFlat();
        (view == "Y" ? window.RadioButton1 : view == "Z" ? window.RadioButton3 : window.RadioButton2)->setChecked(true);
        window.geometry.cell_width = cw;
        window.geometry.cell_height = ch;
        window.Image3MouseDown(Qt::LeftButton, click.x(), click.y());
        QCOMPARE(window.ScrollBar2->value(), slice);
        QCOMPARE(window.ScrollBar3->value(), layer);
        QCOMPARE(window.ScrollBar1->value(), depth);
    }

    void bordersAndShownLayersKeepTheirOrder()
    {
        SampleRun run;
        TForm1 &window = run.startFlat();
        window.RxSlider4->setValue(60);
        window.RxSlider2->setValue(60);
        QCOMPARE(window.RxSlider2->value(), 59);
        QCOMPARE(window.RxLabel8->text(), QStringLiteral("184 mm"));  // 59 * 50 / 16
        QCOMPARE(window.RxSplitter1->x(), borderLineX(59, 200));
        window.RxSlider4->setValue(10);
        QCOMPARE(window.RxSlider4->value(), 60);
        window.RxSlider5->setValue(24);
        QCOMPARE(window.RxSlider5->value(), 23);
        QCOMPARE(window.RxLabel11->text(), QStringLiteral("23"));
        window.RxSlider6->setValue(1);
        QCOMPARE(window.RxSlider6->value(), 24);
        QCOMPARE(window.RxLabel10->text(), QStringLiteral("24"));
    }

    void loadingRelabelsTheBordersInTheNewDepthScale()
    {
        SampleRun run;
        TForm1 &window = run.startFlat();
        QCOMPARE(window.RxLabel9->text(), QStringLiteral("396 mm"));  // 127 steps of 3.125 mm
        QCOMPARE(window.RxLabel8->text(), QStringLiteral("0 mm"));
    }

    // Each refresh of a load shows in something that only it renews: the
    // controls are changed beforehand without their handlers.
    void aLoadRefreshesReadoutsRulersAndSmoothing()
    {
        SampleRun run;
        TForm1 &window = run.startFlat();
        QByteArray deep = bundledSample();
        deep[16 + 2052] = char(deep[16 + 2052] | 0x03);  // depth scale 200
        window.view_busy = 1;
        window.ScrollBar1->setValue(16);
        window.view_busy = 0;
        {
            const QSignalBlocker silent(window.CheckBox4);
            window.CheckBox4->setChecked(true);
        }
        const QImage rulers = window.Image8->pixmap().toImage();
        window.volume.current_file_name = run.writeFile("deep.vlm", deep);
        window.OpenTGO();
        QCOMPARE(window.Label8->text(), QStringLiteral("200 mm"));
        QCOMPARE(window.StatusBar1->currentMessage(), QStringLiteral("1 layer:1 slice:200 mm"));
        QVERIFY2(window.Image8->pixmap().toImage() != rulers, "the depth labels of the left ruler stay");
        QCOMPARE(int(window.smoothing), 1);
    }

    void draggingABorderLineMovesItsSlider()
    {
        SampleRun run;
        TForm1 &window = run.startFlat();
        QCOMPARE(window.RxSplitter1->x(), 8);
        QTest::mousePress(window.RxSplitter1, Qt::LeftButton, {}, QPoint(1, 10));
        QCOMPARE(int(window.dragging_top), 1);
        QTest::mouseMove(window.RxSplitter1, QPoint(51, 10));
        QCOMPARE(window.RxSlider2->value(), 32);  // (8 + 51 - 8) * 128 / 200 = 32.64
        QCOMPARE(window.RxSplitter1->x(), borderLineX(32, 200));
        QTest::mouseRelease(window.RxSplitter1, Qt::LeftButton, {}, QPoint(1, 10));
        QCOMPARE(int(window.dragging_top), 0);
    }

    void releasingTheThresholdLineRenewsTheThreeDPicture()
    {
        SampleRun run;
        TForm1 &window = run.startFlat();
        QTest::mousePress(window.RxSplitter3, Qt::LeftButton, {}, QPoint(50, 1));
        QTest::mouseMove(window.RxSplitter3, QPoint(50, -29));
        const int threshold = window.RxSlider3->value();
        QVERIFY(threshold > 40);
        run.d3d.calls().clear();
        QTest::mouseRelease(window.RxSplitter3, Qt::LeftButton, {}, QPoint(50, -29));
        QCOMPARE(run.d3d.callsWithoutRepaints(), QStringList{QStringLiteral("d3dreview_(%1)").arg(threshold)});
    }

    void thresholdRenewsOnlyOnceStartUpIsDone()
    {
        SampleRun run;
        TForm1 &window = run.startFlat();
        window.form_ready = 0;
        window.RxSlider3->setValue(70);
        QCOMPARE(window.RxSplitter3->y(), thresholdLineY(70, window.Image2->y(), 120));
        QVERIFY(run.d3d.callsWithoutRepaints().isEmpty());
        window.form_ready = 1;
        window.RxSlider3->setValue(71);
        QCOMPARE(run.d3d.callsWithoutRepaints(), QStringList{"d3dreview_(71)"});
    }

    void axisButtonsOrientTheThreeDViewAndRedrawTheRulers()
    {
        SampleRun run;
        TForm1 &window = run.startFlat();
        const QImage rulerX = window.Image8->pixmap().toImage();
        window.RadioButton3->setChecked(true);
        QCOMPARE(run.d3d.callsWithoutRepaints(), QStringList{"d3dorient_(1)"});
        QCOMPARE(int(window.view_busy), 0);
        QVERIFY(window.Image8->pixmap().toImage() != rulerX);
        run.d3d.calls().clear();
        window.RadioButton1->setChecked(true);
        QCOMPARE(run.d3d.callsWithoutRepaints(), (QStringList{"d3dmove_(2,63,0)", "d3dorient_(2)"}));
        run.d3d.calls().clear();
        window.RadioButton2->setChecked(true);
        QCOMPARE(run.d3d.callsWithoutRepaints(), QStringList{"d3dorient_(0)"});
    }

    void smoothingSwitchRenewsAndRedraws()
    {
        SampleRun run;
        TForm1 &window = run.startFlat();
        const QImage flat = window.image3Bitmap;
        QTest::mouseClick(window.CheckBox4, Qt::LeftButton);
        QCOMPARE(int(window.smoothing), 1);
        QCOMPARE(run.d3d.callsWithoutRepaints(), QStringList{"d3dreview_(40)"});
        QVERIFY(window.image3Bitmap != flat);
    }
};

QTEST_MAIN(SliceControlsTest)
#include "slice_controls_test.moc"
