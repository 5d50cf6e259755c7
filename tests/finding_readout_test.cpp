// The readings in the main window: the status bar section, the measure point
// drawn over the slice image, the reference, the probe geometry, the DAC and
// the evaluation levels kept in the settings, the slices through the DAC's
// gain, the slider values and the trace plot.

#include "bitmap_view.h"
#include "dac_points_dialog.h"
#include "evaluation_levels_dialog.h"
#include "finding_readout.h"
#include "main_window_run.h"
#include "probe_geometry_dialog.h"
#include "trace_plot_view.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>

Q_DECLARE_METATYPE(std::optional<int>)
Q_DECLARE_METATYPE(std::optional<double>)

namespace {

// Layer L begins at L x 5120, its slice s at s x 128 further on.
int sampleAt(const TForm1 &window, int slice, int layer, int depth)
{
    return window.volume.scan_image[layer * 5120 + slice * 128 + depth];
}

struct ReadoutRun : MainWindowRun {
    TForm1 &startFlat(bool withSample = true)
    {
        QStringList arguments{QStringLiteral("velmora")};
        if (withSample)
            arguments << writeFile("sample.vlm", bundledSample());
        TForm1 &window = start(arguments);
        window.Timer1->stop();
        window.CheckBox7->setChecked(false);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("the main window was not exposed");
        return window;
    }

    // The whole of the readings section, as its tool tip holds it.
    QString section() const { return window->Readout->StatusSection->toolTip(); }

    // A Shift+click on the centre of the cell (row, column) of the slice image.
    void shiftClickCell(int row, int column)
    {
        const QPoint centre((column * 2 + 1) * window->geometry.cell_width / 2,
                            (row * 2 + 1) * window->geometry.cell_height / 2);
        QTest::mouseClick(window->Image3, Qt::LeftButton, Qt::ShiftModifier, centre);
    }
};

}  // namespace

class FindingReadoutTest : public QObject {
    Q_OBJECT

private slots:
    void measureOverlayLeavesTheBitmapAndCopyImageAlone()
    {
        ReadoutRun run;
        TForm1 &window = run.startFlat();
        const QImage before = window.image3Bitmap;
        const int slice = window.ScrollBar2->value();
        const int layer = window.ScrollBar3->value();
        const int depth = window.ScrollBar1->value();
        run.shiftClickCell(60, 12);  // view X: depth row 60, layer 13
        QVERIFY(window.Readout->measurePoint());
        QCOMPARE(window.Readout->measurePoint()->layer, 13);
        QCOMPARE(window.Readout->measurePoint()->depth, 61);
        QCOMPARE(window.ScrollBar2->value(), slice);
        QCOMPARE(window.ScrollBar3->value(), layer);
        QCOMPARE(window.ScrollBar1->value(), depth);
        QCOMPARE(window.image3Bitmap, before);
        // on screen the line is drawn over the bitmap
        const QImage shown = window.Image3->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(shown != before.convertToFormat(QImage::Format_RGB32).copy(window.Image3->rect()));
        window.Copy1->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image(), before.convertToFormat(QImage::Format_RGB32));
    }

    void readingsFollowTheLoadAndEveryCursorKey_data()
    {
        QTest::addColumn<int>("bar");  // 1 depth, 2 slice, 3 layer
        QTest::addColumn<int>("key");
        for (int bar : {1, 2, 3}) {
            const QByteArray name = QByteArray("ScrollBar") + QByteArray::number(bar);
            QTest::newRow(name + " Right") << bar << int(Qt::Key_Right);
            QTest::newRow(name + " Up") << bar << int(Qt::Key_Up);
            QTest::newRow(name + " Left") << bar << int(Qt::Key_Left);
            QTest::newRow(name + " Down") << bar << int(Qt::Key_Down);
            QTest::newRow(name + " PageUp") << bar << int(Qt::Key_PageUp);
            QTest::newRow(name + " PageDown") << bar << int(Qt::Key_PageDown);
            QTest::newRow(name + " Home") << bar << int(Qt::Key_Home);
            QTest::newRow(name + " End") << bar << int(Qt::Key_End);
        }
    }

    void readingsFollowTheLoadAndEveryCursorKey()
    {
        QFETCH(int, bar);
        QFETCH(int, key);
        ReadoutRun run;
        TForm1 &window = run.startFlat();
        // a place on the back wall echo of the sample, away from every end of the bars
        window.ScrollBar2->setValue(20);
        window.ScrollBar3->setValue(12);
        window.ScrollBar1->setValue(80);
        QScrollBar *bars[] = {nullptr, window.ScrollBar1, window.ScrollBar2, window.ScrollBar3};
        const int before = bars[bar]->value();
        bars[bar]->setFocus();
        QTest::keyClick(bars[bar], static_cast<Qt::Key>(key));
        QVERIFY(bars[bar]->value() != before);
        const int slice = window.ScrollBar2->value();
        const int layer = window.ScrollBar3->value();
        const int depth = window.ScrollBar1->value();
        const int sample = sampleAt(window, slice, layer, depth);
        QVERIFY2(run.section().startsWith(QStringLiteral("Amplitude %1: ").arg(sample)), qPrintable(run.section()));
        const TracePlot &plot = window.Readout->PanelPlot->plot();
        QCOMPARE(plot.cursorDepth, depth);
        for (int byte = 0; byte < 128; ++byte)
            QCOMPARE(int(plot.samples[byte]), sampleAt(window, slice, layer, byte));
    }

    void theLoadedFileIsRead()
    {
        ReadoutRun run;
        TForm1 &window = run.startFlat(false);
        QCOMPARE(run.section(), QStringLiteral("No scan loaded"));
        run.dialogs.fileAnswers.push_back(FileDialogAnswer{run.writeFile("sample.vlm", bundledSample()), 1});
        window.Open1->trigger();
        QVERIFY2(run.section().startsWith(QStringLiteral("Amplitude %1: ").arg(sampleAt(window, 0, 1, 1))),
                 qPrintable(run.section()));
        QCOMPARE(window.Readout->PanelPlot->plot().samples[80], uint8_t(sampleAt(window, 0, 1, 80)));
    }

    void measurePointIsClearedByEscapeAndAnAxisChange()
    {
        ReadoutRun run;
        TForm1 &window = run.startFlat();
        run.shiftClickCell(40, 3);
        QVERIFY2(run.section().contains(QStringLiteral("no probe geometry: no distance")),
                 qPrintable(run.section()));
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.Readout->measurePoint());
        QVERIFY(!run.section().contains(QStringLiteral("\u0394")));
        run.shiftClickCell(40, 3);
        QVERIFY(window.Readout->measurePoint());
        window.RadioButton1->click();
        QVERIFY(!window.Readout->measurePoint());
        QVERIFY(!run.section().contains(QStringLiteral("\u0394")));
    }

    void withNoScanNothingIsSetAndTheSectionSaysSo()
    {
        ReadoutRun run;
        TForm1 &window = run.startFlat(false);
        run.shiftClickCell(10, 3);
        QVERIFY(!window.Readout->measurePoint());
        QCOMPARE(run.section(), QStringLiteral("No scan loaded: no measure point set"));
        QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(!window.Readout->reference());
        QCOMPARE(run.section(), QStringLiteral("No scan loaded: no reference set"));
        QVERIFY(!run.environment.stored(QStringLiteral("Reference")).isValid());
    }

    // With no scan shown there is nothing to read, a kept reference or not:
    // the section says so, and neither trace plot shows a trace, a gate, a
    // peak or readings.
    void withNoScanShownNothingIsRead_data()
    {
        QTest::addColumn<bool>("afterNew");
        QTest::newRow("first start") << false;
        QTest::newRow("after New") << true;
    }
    void withNoScanShownNothingIsRead()
    {
        QFETCH(bool, afterNew);
        ReadoutRun run;
        run.environment.store(QStringLiteral("Reference"), QStringLiteral("98"));
        TForm1 &window = run.startFlat(afterNew);
        if (afterNew)
            window.N1->trigger();
        QCOMPARE(run.section(), QStringLiteral("No scan loaded"));
        for (TracePlotView *view : {window.Readout->PanelPlot, window.Readout->PlotWindow}) {
            QVERIFY(!view->showsPlot());
            QVERIFY(view->plot().readings.isEmpty());
        }
        const QImage shown = window.Readout->PlotWindow->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(!shown.isNull());
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                for (const QColor &plotted : {QColor(0, 128, 0), QColor(255, 236, 160), QColor(220, 0, 0)})
                    QVERIFY(shown.pixelColor(x, y) != plotted);
    }

    void referenceIsKeptInTheSettings()
    {
        ReadoutRun run;
        TForm1 &window = run.startFlat();
        window.ScrollBar2->setValue(20);
        window.ScrollBar3->setValue(12);
        window.ScrollBar1->setValue(80);
        const int sample = sampleAt(window, 20, 12, 80);
        QVERIFY(sample > 0);
        QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(window.Readout->reference(), std::optional(sample));
        QCOMPARE(run.environment.stored(QStringLiteral("Reference")).toString(), QString::number(sample));
        QVERIFY2(run.section().contains(QStringLiteral("Ref %1: +0.0 dB").arg(sample)), qPrintable(run.section()));
        QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!window.Readout->reference());
        QCOMPARE(run.environment.stored(QStringLiteral("Reference")).toString(), QString());
        QVERIFY(!run.section().contains(QStringLiteral("Ref ")));
    }

    // The gate peak of the whole trace is the point; read against a curve of
    // one point, the peak is 100 %DAC at every depth. A second point at the
    // same depth is not a curve and is refused.
    void aDacPointIsTakenAtTheGatePeakAndKept()
    {
        ReadoutRun run;
        TForm1 &window = run.startFlat();
        window.ScrollBar2->setValue(20);
        window.ScrollBar3->setValue(12);
        int largest = 0;
        for (int byte = 1; byte < 128; ++byte)
            largest = std::max(largest, sampleAt(window, 20, 12, byte));
        QVERIFY(largest > 0);
        menuItem(window, "add-dac-point")->trigger();
        QVERIFY2(run.section().contains(QStringLiteral("peak 100.0 %DAC, +0.0 dB")), qPrintable(run.section()));
        const QString stored = run.environment.stored(QStringLiteral("DacPoints")).toString();
        QVERIFY2(stored.endsWith(QStringLiteral(":%1").arg(largest)) && !stored.contains(','), qPrintable(stored));
        menuItem(window, "add-dac-point")->trigger();
        QCOMPARE(window.Readout->dac()->points().size(), std::size_t(1));
        QCOMPARE(run.environment.stored(QStringLiteral("DacPoints")).toString(), stored);
        menuItem(window, "remove-dac-point")->trigger();
        QVERIFY(!window.Readout->dac());
        QCOMPARE(run.environment.stored(QStringLiteral("DacPoints")).toString(), QString());
        QVERIFY(!run.section().contains(QStringLiteral("DAC")));
    }

    // A DAC falling from 200 at the surface to 50 at 60 mm raises the deep
    // echoes of the sample; with TCG off, the slices are the renderer's own.
    void theSlicesAreDrawnThroughTheDacOnlyWithTcgOn()
    {
        ReadoutRun run;
        run.environment.store(QStringLiteral("DacPoints"), QStringLiteral("0:200,60:50"));
        TForm1 &window = run.startFlat();
        const QByteArray recorded(reinterpret_cast<const char *>(window.volume.scan_image.data()),
                                  ScanLayout::kImageSize);
        auto copy = std::make_unique<ScanVolume>(window.volume);
        const RenderedSlice own = renderSliceAt(*copy, window.viewState(), window.image3Bitmap.size());
        QCOMPARE(window.image3Bitmap, own.mainImage);
        QCOMPARE(window.image1Bitmap, own.overview);
        QAction *tcg = menuItem(window, "tcg");
        QVERIFY(!tcg->isChecked());

        tcg->trigger();
        QVERIFY(tcg->isChecked());
        QCOMPARE(run.environment.stored(QStringLiteral("TimeCorrectedGain")).toInt(), 1);
        QVERIFY(window.image3Bitmap != own.mainImage);
        QVERIFY(window.image1Bitmap != own.overview);
        QCOMPARE(window.image2Bitmap, own.aScan);  // the trace as recorded
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(window.volume.scan_image.data()), ScanLayout::kImageSize),
                 recorded);

        tcg->trigger();
        QCOMPARE(window.image3Bitmap, own.mainImage);
        QCOMPARE(window.image1Bitmap, own.overview);
        QCOMPARE(run.environment.stored(QStringLiteral("TimeCorrectedGain")).toInt(), 0);
    }

    // A palette colours the grey cells of the slice image and the overview
    // but not the cursor cell (255, 64, 64); Copy image takes the picture as
    // shown; the choice is kept for the next start; grey is the renderer's
    // own picture again, byte for byte.
    void aPaletteColoursThePicturesAndIsKept()
    {
        RenderedSlice own;
        QImage coloured;
        {
            ReadoutRun run;
            TForm1 &window = run.startFlat();
            auto copy = std::make_unique<ScanVolume>(window.volume);
            own = renderSliceAt(*copy, window.viewState(), window.image3Bitmap.size());
            QCOMPARE(window.image3Bitmap, own.mainImage);
            QVERIFY(menuItem(window, "palette-grey")->isChecked());

            menuItem(window, "palette-amplitude")->trigger();
            QVERIFY(menuItem(window, "palette-amplitude")->isChecked());
            QVERIFY(!menuItem(window, "palette-grey")->isChecked());
            QCOMPARE(run.environment.stored(QStringLiteral("Palette")).toString(), QStringLiteral("amplitude"));
            QVERIFY(window.image3Bitmap != own.mainImage);
            QVERIFY(window.image1Bitmap != own.overview);
            const MarkedCell marked = markedCell(window.viewState());
            const QPoint cursor((marked.column - 1) * window.geometry.cell_width + window.geometry.cell_width / 2,
                                (marked.row - 1) * window.geometry.cell_height + window.geometry.cell_height / 2);
            QCOMPARE(window.image3Bitmap.pixelColor(cursor), QColor(255, 64, 64));
            window.Copy1->trigger();
            QCOMPARE(QGuiApplication::clipboard()->image(), window.image3Bitmap.convertToFormat(QImage::Format_RGB32));
            coloured = window.image3Bitmap;
        }
        ReadoutRun again;
        again.environment.store(QStringLiteral("Palette"), QStringLiteral("amplitude"));
        TForm1 &next = again.startFlat();
        QVERIFY(menuItem(next, "palette-amplitude")->isChecked());
        QCOMPARE(next.image3Bitmap, coloured);
        menuItem(next, "palette-grey")->trigger();
        QCOMPARE(next.image3Bitmap, own.mainImage);
        QCOMPARE(next.image1Bitmap, own.overview);
    }

    // Depths that do not increase are refused and the dialog stays open; the
    // points put right are the DAC and kept in their order.
    void theDacPointsAreEditedAsATable()
    {
        ReadoutRun run;
        TForm1 &window = run.startFlat();
        bool refusedStayedOpen = false;
        run.dialogs.onModal = [&](QDialog &dialog) {
            auto &points = dynamic_cast<DacPointsDialog &>(dialog);
            const QStringList cells{"110", "60", "50", "100"};
            for (int row = 0; row < 2; ++row) {
                points.addRow();
                points.table->setItem(row, 0, new QTableWidgetItem(cells[row * 2]));
                points.table->setItem(row, 1, new QTableWidgetItem(cells[row * 2 + 1]));
            }
            points.accept();
            refusedStayedOpen = points.result() != QDialog::Accepted;
            points.table->item(0, 0)->setText(QStringLiteral("50"));
            points.table->item(0, 1)->setText(QStringLiteral("100"));
            points.table->item(1, 0)->setText(QStringLiteral("110"));
            points.table->item(1, 1)->setText(QStringLiteral("60"));
            points.accept();
            return points.result();
        };
        menuItem(window, "edit-dac-points")->trigger();
        QVERIFY(refusedStayedOpen);
        QCOMPARE(run.dialogs.messages.size(), 1);
        QVERIFY2(run.dialogs.messages[0].text.contains(QStringLiteral("the depths must increase")),
                 qPrintable(run.dialogs.messages[0].text));
        QCOMPARE(run.environment.stored(QStringLiteral("DacPoints")).toString(), QStringLiteral("50:100,110:60"));

        // emptied, the table is no DAC
        run.dialogs.onModal = [](QDialog &dialog) {
            auto &points = dynamic_cast<DacPointsDialog &>(dialog);
            points.table->setRowCount(0);
            points.accept();
            return points.result();
        };
        menuItem(window, "edit-dac-points")->trigger();
        QVERIFY(!window.Readout->dac());
        QCOMPARE(run.environment.stored(QStringLiteral("DacPoints")).toString(), QString());
    }

    // The usual weld levels are offered, not forced: until they are confirmed
    // there are none; a length limit that is not a length is refused.
    void theEvaluationLevelsAreOfferedAndKept()
    {
        ReadoutRun run;
        TForm1 &window = run.startFlat();
        QVERIFY(!window.Readout->evaluationLevels());
        QStringList offered;
        bool refusedStayedOpen = false;
        run.dialogs.onModal = [&](QDialog &dialog) {
            auto &levels = dynamic_cast<EvaluationLevelsDialog &>(dialog);
            offered = {levels.recordingEdit->text(), levels.acceptanceEdit->text(),
                       QString::number(levels.classIndications->isChecked())};
            levels.classIndications->setChecked(true);
            levels.lengthLimitEdit->setText(QStringLiteral("-5"));
            levels.accept();
            refusedStayedOpen = levels.result() != QDialog::Accepted;
            levels.lengthLimitEdit->setText(QStringLiteral("12,5"));
            levels.accept();
            return levels.result();
        };
        menuItem(window, "evaluation-levels")->trigger();
        QCOMPARE(offered, (QStringList{"-14", "-10", "0"}));
        QVERIFY(refusedStayedOpen);
        QCOMPARE(run.environment.stored(QStringLiteral("RecordingDb")).toString(), QStringLiteral("-14"));
        QCOMPARE(run.environment.stored(QStringLiteral("AcceptanceDb")).toString(), QStringLiteral("-10"));
        QCOMPARE(run.environment.stored(QStringLiteral("MaxLengthMm")).toString(), QStringLiteral("12.5"));
        QCOMPARE(window.Readout->evaluationLevels()->maxLengthMm, std::optional(12.5));
    }

    void brokenSettingsReadAsUnknown_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("slicePitch");
        QTest::addColumn<QString>("layerPitch");
        QTest::addColumn<std::optional<int>>("expectedReference");
        QTest::addColumn<std::optional<double>>("expectedSlicePitch");
        QTest::addColumn<std::optional<double>>("expectedLayerPitch");
        QTest::newRow("good values") << "80" << "2.5" << "4" << std::optional(80) << std::optional(2.5)
                                     << std::optional(4.0);
        QTest::newRow("words") << "loud" << "wide" << "far" << std::optional<int>() << std::optional<double>()
                               << std::optional<double>();
        QTest::newRow("out of range") << "256" << "-2" << "0" << std::optional<int>() << std::optional<double>()
                                      << std::optional<double>();
        QTest::newRow("no echo as reference") << "0" << "" << "1e999" << std::optional<int>()
                                              << std::optional<double>() << std::optional<double>();
        QTest::newRow("comma as the decimal mark") << "80" << "1,500" << "2,5" << std::optional(80)
                                                   << std::optional(1.5) << std::optional(2.5);
        QTest::newRow("thousands separator") << "80" << "1,500.5" << "1.000,5" << std::optional(80)
                                             << std::optional<double>() << std::optional<double>();
    }

    void brokenSettingsReadAsUnknown()
    {
        QFETCH(QString, reference);
        QFETCH(QString, slicePitch);
        QFETCH(QString, layerPitch);
        QFETCH(std::optional<int>, expectedReference);
        QFETCH(std::optional<double>, expectedSlicePitch);
        QFETCH(std::optional<double>, expectedLayerPitch);
        ReadoutRun run;
        run.environment.store(QStringLiteral("Reference"), reference);
        run.environment.store(QStringLiteral("SlicePitch"), slicePitch);
        run.environment.store(QStringLiteral("LayerPitch"), layerPitch);
        TForm1 &window = run.startFlat();
        QCOMPARE(window.Readout->reference(), expectedReference);
        QCOMPARE(window.Readout->probeGeometry().slicePitch, expectedSlicePitch);
        QCOMPARE(window.Readout->probeGeometry().layerPitch, expectedLayerPitch);
    }

    void probeGeometryRefusesWhatIsNotAPositiveNumber()
    {
        ReadoutRun run;
        TForm1 &window = run.startFlat();
        bool refusedStayedOpen = false;
        run.dialogs.onModal = [&](QDialog &dialog) {
            auto &geometry = dynamic_cast<ProbeGeometryDialog &>(dialog);
            geometry.slicePitchEdit->setText(QStringLiteral("-3"));
            geometry.layerPitchEdit->setText(QStringLiteral("5"));
            geometry.accept();
            refusedStayedOpen = geometry.result() != QDialog::Accepted;
            geometry.slicePitchEdit->setText(QStringLiteral("2"));
            geometry.layerPitchEdit->setText(QStringLiteral("5,5"));
            geometry.accept();
            return geometry.result();
        };
        menuItem(window, "probe-geometry")->trigger();
        QVERIFY(refusedStayedOpen);
        QCOMPARE(run.dialogs.messages.size(), 1);
        QVERIFY(run.dialogs.messages[0].text.contains(QStringLiteral("slice pitch \"-3\" is not a positive number")));
        QCOMPARE(window.Readout->probeGeometry().slicePitch, std::optional(2.0));
        // a comma marks the decimals as a full stop does, and is stored as one
        QCOMPARE(window.Readout->probeGeometry().layerPitch, std::optional(5.5));
        QCOMPARE(run.environment.stored(QStringLiteral("SlicePitch")).toString(), QStringLiteral("2"));
        QCOMPARE(run.environment.stored(QStringLiteral("LayerPitch")).toString(), QStringLiteral("5.5"));
        run.shiftClickCell(40, 3);
        QVERIFY2(run.section().contains(QStringLiteral("distance ")), qPrintable(run.section()));
    }

    void slidersShowTheirValues_data()
    {
        QTest::addColumn<bool>("threshold");
        QTest::addColumn<int>("value");
        QTest::newRow("threshold") << true << 50;
        QTest::newRow("brightness") << false << 77;
    }

    void slidersShowTheirValues()
    {
        QFETCH(bool, threshold);
        QFETCH(int, value);
        ReadoutRun run;
        TForm1 &window = run.startFlat();
        QSlider *slider = threshold ? window.RxSlider3 : window.RxSlider1;
        QLabel *label = threshold ? window.Readout->ThresholdValue : window.Readout->BrightnessValue;
        QCOMPARE(label->text(), QString::number(slider->value()));
        slider->setValue(value);
        QCOMPARE(label->text(), QString::number(value));
        QVERIFY(label->geometry().left() > slider->geometry().right());
    }

    void tracePlotTakesTheSpareRoomOfThePanel_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("inPanel");
        // the window takes the whole screen
        QTest::newRow("1366 x 768") << QSize(1366, 768) << true;
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << true;
        QTest::newRow("1024 x 600: no room") << QSize(1024, 600) << false;
    }

    void tracePlotTakesTheSpareRoomOfThePanel()
    {
        QFETCH(QSize, screen);
        QFETCH(bool, inPanel);
        ReadoutRun run;
        TForm1 &window = run.startFlat();
        window.setFixedSize(screen);
        TracePlotView *plot = window.Readout->PanelPlot;
        QCOMPARE(!plot->isHidden(), inPanel);
        // without room the panel says where the plot went
        const QLabel *hint = window.Readout->PanelPlotHint;
        QCOMPARE(hint->isHidden(), inPanel);
        QVERIFY2(hint->text().contains(QStringLiteral("Ctrl+T")), qPrintable(hint->text()));
        // above the status bar, which lies over the foot of the panel
        QVERIFY(window.Panel1->mapTo(window.ClientArea, plot->geometry().bottomLeft()).y() < window.StatusBar1->y());
        QVERIFY(!window.Readout->PlotWindow->isVisible());
        menuItem(window, "trace-plot")->trigger();
        QVERIFY(window.Readout->PlotWindow->isVisible());
        // it opens below the main window's menu bar and tool bar
        const int toolBarFoot = window.CoolBar1->mapToGlobal(QPoint(0, window.CoolBar1->height())).y();
        QVERIFY2(window.Readout->PlotWindow->frameGeometry().top() >= toolBarFoot,
                 qPrintable(QStringLiteral("%1 above %2").arg(window.Readout->PlotWindow->frameGeometry().top())
                                .arg(toolBarFoot)));
    }
};

QTEST_MAIN(FindingReadoutTest)
#include "finding_readout_test.moc"
