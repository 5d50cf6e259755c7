#include "slice_renderer.h"

#include <QTest>

#include <memory>

namespace {

// A volume whose sample at image index i is a known function of i.
std::unique_ptr<ScanVolume> patternVolume()
{
    auto volume = std::make_unique<ScanVolume>();
    AllocateVolume(*volume, {});
    for (int i = 0; i < ScanLayout::kImageSize; ++i)
        volume->scan_image[i] = static_cast<uint8_t>((i * 13 + i / 128 * 7) % 100);
    return volume;
}

struct Rendered {
    QImage mainImage = makeSliceBitmap(557, 500);
    QImage overview = makeSliceBitmap(kOverviewWidth, kOverviewHeight);
    QImage aScan = makeAScanBitmap();
    SliceGeometry geometry;

    void render(ScanVolume &volume, const ViewState &view)
    {
        SliceBitmaps bitmaps{mainImage, overview, aScan};
        renderSlice(volume, view, geometry, bitmaps);
    }

    // Blue, green, red of the main image's pixel at the top-left corner of cell [i][j].
    QColor cellColour(int i, int j) const
    {
        return mainImage.pixelColor(j * geometry.cell_width, i * geometry.cell_height);
    }
};

const QColor kCursorColour(255, 64, 64);

QColor grey(int level)
{
    return QColor(level, level, level);
}

}  // namespace

class SliceRendererTest : public QObject {
    Q_OBJECT

private slots:
    void greyMapping_data()
    {
        QTest::addColumn<int>("brightness");
        QTest::addColumn<int>("sample");
        QTest::addColumn<int>("grey");
        QTest::newRow("B3 25: extended precision falls short of 53") << 3 << 25 << 203;
        QTest::newRow("B3 50") << 3 << 50 << 150;
        QTest::newRow("B128 35") << 128 << 35 << 6;
        QTest::newRow("B128 36 is black") << 128 << 36 << 0;
        QTest::newRow("B1 125 is black") << 1 << 125 << 0;
        QTest::newRow("B1 124") << 1 << 124 << 3;
        QTest::newRow("no echo is white") << 64 << 0 << 255;
    }
    void greyMapping()
    {
        QFETCH(int, brightness);
        QFETCH(int, sample);
        QFETCH(int, grey);
        QCOMPARE(greyLevel(sample, brightness), grey);
    }

    void overviewTriangles_data()
    {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<int>("value");
        QTest::newRow("top, cut toward zero") << 2 << 1 << 73;
        QTest::newRow("left") << 0 << 2 << 50;
        QTest::newRow("bottom") << 2 << 3 << 86;
        QTest::newRow("right, rounded") << 4 << 1 << 147;
    }
    void overviewTriangles()
    {
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(int, value);
        QCOMPARE(overviewPixel(0, 200, 100, 50, dx, dy, 5, 4, -1), value);
    }

    void overviewPixelOnADiagonalKeepsTheRunningValue()
    {
        // r = 1: (2, 2) lies on both diagonals, below the top test's reach
        QCOMPARE(overviewPixel(0, 200, 100, 50, 2, 2, 4, 4, 77), 77);
        QCOMPARE(overviewPixel(0, 200, 100, 50, 3, 1, 4, 4, 31), 31);
        // the top test's tolerance claims a point just beside its edge
        QCOMPARE(overviewPixel(0, 200, 100, 50, 0, 0, 4, 4, 31), 0);
    }

    // The overview drawn whole from a grid whose first cell has the corners
    // A = 0, B = 200, C = 100, D = 50 (M = 87) and every other cell 0.
    void overviewPixelsOfAWholeDrawing_data()
    {
        QTest::addColumn<QSize>("bitmap");
        QTest::addColumn<int>("lastColumn");
        QTest::addColumn<int>("lastRow");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<int>("value");
        // 200 x 100 in view Z, 40 x 24 cells: cells of 199 div 40 = 4 by
        // 99 div 24 = 4 pixels, r = 1
        const QSize overview(kOverviewWidth, kOverviewHeight);
        QTest::newRow("top, cut toward zero") << overview << 39 << 23 << QPoint(2, 1) << 93;  // 100 - 6.5
        QTest::newRow("left") << overview << 39 << 23 << QPoint(0, 2) << 50;
        QTest::newRow("bottom") << overview << 39 << 23 << QPoint(2, 3) << 81;  // 50 + 25 + 6
        QTest::newRow("right") << overview << 39 << 23 << QPoint(3, 2) << 106;  // 50 + 75 - 19
        // 17 x 17 with four cells each way: cells of 4 x 4 pixels, r = 1, where
        // (2, 2) and (3, 1) lie on diagonals outside the top triangle and keep
        // the value of the pixel before them: left 68.5 rounded to even, top
        // 93.5 cut toward zero
        QTest::newRow("on both diagonals") << QSize(17, 17) << 3 << 3 << QPoint(2, 2) << 68;
        QTest::newRow("on the rising diagonal") << QSize(17, 17) << 3 << 3 << QPoint(3, 1) << 93;
    }
    void overviewPixelsOfAWholeDrawing()
    {
        QFETCH(QSize, bitmap);
        QFETCH(int, lastColumn);
        QFETCH(int, lastRow);
        QFETCH(QPoint, pixel);
        QFETCH(int, value);
        ScanVolume volume;
        volume.grid_last_col = lastColumn;
        volume.grid_last_row = lastRow;
        volume.slice_grid.allocate(2 * lastRow, 2 * lastColumn);
        volume.slice_grid.at(0, 1) = 200;
        volume.slice_grid.at(1, 0) = 100;
        volume.slice_grid.at(1, 1) = 50;
        QImage image = makeSliceBitmap(bitmap.width(), bitmap.height());
        drawOverview(volume.slice_grid, volume, image);
        QCOMPARE(image.pixelColor(pixel), grey(value));
    }

    void smoothingExampleGivesTheCentreValue()
    {
        auto volume = patternVolume();
        ViewState view;
        view.depth = 0;  // nothing marked
        view.smoothing = 1;
        SliceGeometry geometry;
        fillSliceGrid(*volume, view, geometry);
        volume->slice_grid.at(0, 0) = 0;
        volume->slice_grid.at(0, 1) = 200;
        volume->slice_grid.at(1, 0) = 100;
        volume->slice_grid.at(1, 1) = 50;
        QImage image = makeSliceBitmap(73, 385);  // cells of 3 x 3 pixels in view X: 72 div 24, 384 div 128
        drawMainImage(*volume, view, geometry, image);
        QCOMPARE(geometry.cell_width, 3);
        QCOMPARE(geometry.cell_height, 3);
        QCOMPARE(image.pixelColor(1, 1), grey(87));
        QCOMPARE(image.pixelColor(0, 0), grey(0));
        QCOMPARE(image.pixelColor(2, 0), grey(200));
        QCOMPARE(image.pixelColor(0, 2), grey(100));
        QCOMPARE(image.pixelColor(2, 2), grey(50));
    }

    void cellsShowTheirSamplesAndTheCursor_data()
    {
        QTest::addColumn<int>("axis");
        QTest::addColumn<bool>("smoothing");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("sampleIndex");
        QTest::addColumn<bool>("cursor");
        // cursor at slice 7, layer 4, depth position 30; with smoothing the
        // top-left pixel of a cell has the cell's own grey level
        for (const bool smoothing : {false, true}) {
            const char *mode = smoothing ? "smoothed " : "blocks ";
            const auto row = [&](const char *name) -> QTestData & { return QTest::newRow(qPrintable(mode + QString(name))); };
            row("X: depth row 5, layer 3") << int(SliceAxis::X) << smoothing << 5 << 2 << TraceOffset(3, 7) + 6 << false;
            row("X: cursor") << int(SliceAxis::X) << smoothing << 29 << 3 << 0 << true;
            row("Y: depth row 9, slice 12") << int(SliceAxis::Y) << smoothing << 9 << 12 << TraceOffset(4, 12) + 10 << false;
            row("Y: cursor") << int(SliceAxis::Y) << smoothing << 29 << 7 << 0 << true;
            row("Z: layer 6, slice 20") << int(SliceAxis::Z) << smoothing << 5 << 20 << TraceOffset(6, 20) + 30 << false;
            row("Z: cursor") << int(SliceAxis::Z) << smoothing << 3 << 7 << 0 << true;
        }
    }
    void cellsShowTheirSamplesAndTheCursor()
    {
        QFETCH(int, axis);
        QFETCH(bool, smoothing);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(int, sampleIndex);
        QFETCH(bool, cursor);
        auto volume = patternVolume();
        ViewState view;
        view.axis = static_cast<SliceAxis>(axis);
        view.slice = 7;
        view.layer = 4;
        view.depth = 30;
        view.brightness = 10;
        view.smoothing = smoothing ? 1 : 0;
        Rendered rendered;
        rendered.render(*volume, view);
        const QColor expected = cursor ? kCursorColour : grey(greyLevel(volume->scan_image[sampleIndex], 10));
        QCOMPARE(rendered.cellColour(row, column), expected);
        if (cursor) {  // the whole cell, to its last pixel
            const QPoint last((column + 1) * rendered.geometry.cell_width - 1,
                              (row + 1) * rendered.geometry.cell_height - 1);
            QCOMPARE(rendered.mainImage.pixelColor(last), kCursorColour);
        } else {
            QCOMPARE(int(volume->slice_grid.at(row, column)), greyLevel(volume->scan_image[sampleIndex], 10));
        }
    }

    // Every cell is drawn whole, the last column and row too: on a 1000 x 600
    // bitmap cells of 999 div columns by 599 div rows pixels. Flat cells fill
    // their whole rectangle; a smoothed one starts at its grey level and ends
    // at the white of the margin beyond.
    void theLastColumnAndRowAreWholeCells_data()
    {
        QTest::addColumn<int>("axis");
        QTest::addColumn<bool>("smoothing");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cellWidth");
        QTest::addColumn<int>("cellHeight");
        for (const bool smoothing : {false, true}) {
            const char *mode = smoothing ? "smoothed " : "blocks ";
            const auto row = [&](const char *name) -> QTestData & { return QTest::newRow(qPrintable(mode + QString(name))); };
            row("X: 24 layers, 128 depth rows") << int(SliceAxis::X) << smoothing << 24 << 128 << 41 << 4;
            row("Y: 40 slices, 128 depth rows") << int(SliceAxis::Y) << smoothing << 40 << 128 << 24 << 4;
            row("Z: 40 slices, 24 layers") << int(SliceAxis::Z) << smoothing << 40 << 24 << 24 << 24;
        }
    }
    void theLastColumnAndRowAreWholeCells()
    {
        QFETCH(int, axis);
        QFETCH(bool, smoothing);
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(int, cellWidth);
        QFETCH(int, cellHeight);
        auto volume = std::make_unique<ScanVolume>();
        AllocateVolume(*volume, {});
        std::fill_n(volume->scan_image.data() + 5120, 122880, uint8_t{90});
        ViewState view;
        view.axis = static_cast<SliceAxis>(axis);
        view.depth = view.axis == SliceAxis::Z ? 50 : 0;  // nothing marked
        view.layer = view.axis == SliceAxis::Z ? 0 : 1;
        view.brightness = 10;
        view.smoothing = smoothing ? 1 : 0;
        Rendered rendered;
        rendered.mainImage = makeSliceBitmap(1000, 600);
        rendered.render(*volume, view);
        QCOMPARE(rendered.geometry.cell_width, cellWidth);
        QCOMPARE(rendered.geometry.cell_height, cellHeight);
        QCOMPARE(rendered.geometry.grid_pixel_width, columns * cellWidth);
        QCOMPARE(rendered.geometry.grid_pixel_height, rows * cellHeight);
        const QImage &image = rendered.mainImage;
        const QColor shown = grey(greyLevel(90, 10));
        const int lastX = columns * cellWidth - 1;  // the last pixel of the last column of cells
        const int lastY = rows * cellHeight - 1;
        const int lastColumnX = lastX - cellWidth + 1;
        const int lastRowY = lastY - cellHeight + 1;
        QCOMPARE(image.pixelColor(lastColumnX, cellHeight), shown);
        QCOMPARE(image.pixelColor(cellWidth, lastRowY), shown);
        QCOMPARE(image.pixelColor(lastColumnX, lastRowY), shown);
        const QColor end = smoothing ? grey(255) : shown;
        QCOMPARE(image.pixelColor(lastX, cellHeight), end);
        QCOMPARE(image.pixelColor(cellWidth, lastY), end);
        if (lastX + 1 < image.width() - 1)
            QCOMPARE(image.pixelColor(lastX + 1, cellHeight), grey(255));
        if (lastY + 1 < image.height() - 1)
            QCOMPARE(image.pixelColor(cellWidth, lastY + 1), grey(255));
    }

    void gridRangesPerView_data()
    {
        QTest::addColumn<int>("axis");
        QTest::addColumn<int>("lastRow");
        QTest::addColumn<int>("lastColumn");
        QTest::newRow("X") << int(SliceAxis::X) << 127 << 23;
        QTest::newRow("Y") << int(SliceAxis::Y) << 127 << 39;
        QTest::newRow("Z") << int(SliceAxis::Z) << 23 << 39;
    }
    void gridRangesPerView()
    {
        QFETCH(int, axis);
        QFETCH(int, lastRow);
        QFETCH(int, lastColumn);
        auto volume = patternVolume();
        ViewState view;
        view.axis = static_cast<SliceAxis>(axis);
        Rendered rendered;
        rendered.render(*volume, view);
        QCOMPARE(volume->grid_first_row, 0);
        QCOMPARE(volume->grid_last_row, lastRow);
        QCOMPARE(volume->grid_first_col, 0);
        QCOMPARE(volume->grid_last_col, lastColumn);
        QCOMPARE(volume->slice_grid.rows(), 2 * lastRow);
        QCOMPARE(volume->slice_grid.columns(), 2 * lastColumn);
        // the margin beyond the slice is white
        QCOMPARE(int(volume->slice_grid.at(2 * lastRow - 1, 2 * lastColumn - 1)), 255);
    }

    void depthBordersLeaveOtherRowsWhite()
    {
        auto volume = patternVolume();
        std::fill_n(volume->scan_image.data() + 5120, 122880, uint8_t{90});
        ViewState view;
        view.topBorder = 10;
        view.bottomBorder = 20;
        view.depth = 0;
        Rendered rendered;
        rendered.render(*volume, view);
        for (int row = 0; row < 128; ++row) {
            const int expected = row >= 10 && row <= 20 ? 0 : 255;
            QCOMPARE(int(volume->slice_grid.at(row, 5)), expected);
        }
        QCOMPARE(rendered.geometry.cell_height, 499 / 128);  // the scale does not change with the borders
        QCOMPARE(rendered.cellColour(9, 5), grey(255));
        QCOMPARE(rendered.cellColour(10, 5), grey(0));
    }

    void shownLayersLeaveOtherRowsWhiteInViewZ()
    {
        auto volume = patternVolume();
        std::fill_n(volume->scan_image.data() + 5120, 122880, uint8_t{90});
        ViewState view;
        view.axis = SliceAxis::Z;
        view.firstLayer = 5;
        view.lastLayer = 8;
        view.layer = 1;
        Rendered rendered;
        rendered.render(*volume, view);
        for (int row = 0; row < 24; ++row)
            QCOMPARE(int(volume->slice_grid.at(row, 10)), row >= 4 && row <= 7 ? 0 : 255);
    }

    void cursorOutsideTheShownLayersIsStillMarked()
    {
        auto volume = patternVolume();
        ViewState view;
        view.firstLayer = 1;
        view.lastLayer = 5;
        view.layer = 10;
        view.depth = 40;
        Rendered rendered;
        rendered.render(*volume, view);
        QCOMPARE(rendered.cellColour(39, 9), kCursorColour);
        QCOMPARE(rendered.cellColour(38, 9), grey(255));
    }

    void depthPositionZeroMarksNoCellInViewsXAndY()
    {
        auto volume = std::make_unique<ScanVolume>();
        AllocateVolume(*volume, {});
        for (SliceAxis axis : {SliceAxis::X, SliceAxis::Y}) {
            ViewState view;
            view.axis = axis;
            view.depth = 0;
            Rendered rendered;
            rendered.render(*volume, view);
            for (int y = 0; y < 499; y += 3)
                for (int x = 0; x < 556; x += 5)
                    QCOMPARE(rendered.mainImage.pixelColor(x, y), grey(255));
        }
    }

    void viewZAtDepthZeroShowsTheLeadBytes()
    {
        auto volume = patternVolume();
        for (int layer = 1; layer <= 24; ++layer)
            for (int slice = 0; slice < 40; ++slice)
                volume->scan_image[TraceOffset(layer, slice)] = 0;
        ViewState view;
        view.axis = SliceAxis::Z;
        view.depth = 0;
        Rendered rendered;
        rendered.render(*volume, view);
        for (int row = 0; row < 24; ++row)
            for (int column = 0; column < 40; ++column)
                QCOMPARE(int(volume->slice_grid.at(row, column)), 255);
    }

    void deepestRowReadsTheNextTracesLeadByte()
    {
        auto volume = patternVolume();
        volume->scan_image[TraceOffset(4, 13)] = 77;  // lead byte of slice 13
        ViewState view;
        view.axis = SliceAxis::Y;
        view.layer = 4;
        view.brightness = 1;
        Rendered rendered;
        rendered.render(*volume, view);
        QCOMPARE(int(volume->slice_grid.at(127, 12)), greyLevel(77, 1));
    }

    void smoothedCellsJoinTheirNeighbours()
    {
        auto volume = patternVolume();
        ViewState view;
        view.axis = SliceAxis::Z;
        view.smoothing = 1;
        view.depth = 50;
        view.layer = 24;  // cursor in the last row, away from the checked cells
        view.slice = 39;
        Rendered rendered;
        rendered.render(*volume, view);
        const int cw = rendered.geometry.cell_width;
        const int ch = rendered.geometry.cell_height;
        QVERIFY(cw > 2 && ch > 2);
        for (int i = 0; i < 10; ++i) {
            for (int j = 0; j < 10; ++j) {
                const int x = j * cw;
                const int y = i * ch;
                QCOMPARE(rendered.mainImage.pixelColor(x, y), grey(volume->slice_grid.at(i, j)));
                // last row of a cell equals the first row of the cell below, and likewise for columns
                QCOMPARE(rendered.mainImage.pixelColor(x + 1, y + ch - 1), rendered.mainImage.pixelColor(x + 1, y + ch));
                QCOMPARE(rendered.mainImage.pixelColor(x + cw - 1, y + 1), rendered.mainImage.pixelColor(x + cw, y + 1));
            }
        }
    }

    void lastPixelRowAndColumnAreNeverWritten()
    {
        auto volume = patternVolume();
        Rendered rendered;
        rendered.mainImage.fill(QColor(1, 2, 3));
        for (uint8_t smoothing : {uint8_t{0}, uint8_t{1}}) {
            ViewState view;
            view.smoothing = smoothing;
            rendered.render(*volume, view);
            for (int y = 0; y < 500; ++y)
                QCOMPARE(rendered.mainImage.pixelColor(556, y), QColor(1, 2, 3));
            for (int x = 0; x < 557; ++x)
                QCOMPARE(rendered.mainImage.pixelColor(x, 499), QColor(1, 2, 3));
        }
    }

    void aScanBarsRiseWithTheAmplitude()
    {
        auto volume = std::make_unique<ScanVolume>();
        AllocateVolume(*volume, {});
        const int trace = TraceOffset(3, 5);
        volume->scan_image[trace + 10] = 128;
        volume->scan_image[trace + 20] = 64;
        ViewState view;
        view.layer = 3;
        view.slice = 5;
        QImage aScan = makeAScanBitmap();
        aScan.setPixel(0, 50, 9);
        aScan.setPixel(20, 0, 9);
        DrawAScan(*volume, view, aScan);
        for (int i = 1; i < 80; ++i) {
            QCOMPARE(aScan.pixelIndex(10, i), 2);              // 128 reaches the top row
            QCOMPARE(aScan.pixelIndex(20, i), i > 40 ? 2 : 0);  // 64 is not above row 40's 64
            QCOMPARE(aScan.pixelIndex(30, i), 0);
        }
        QCOMPARE(aScan.pixelIndex(0, 50), 9);  // column 0 and row 0 are left alone
        QCOMPARE(aScan.pixelIndex(20, 0), 9);
        QCOMPARE(aScan.color(2), qRgb(0, 128, 0));
    }

    void overviewIsRedrawnWholeAndNeverMarked()
    {
        auto volume = patternVolume();
        ViewState view;
        view.axis = SliceAxis::Z;
        Rendered rendered;
        rendered.overview.fill(QColor(1, 2, 3));
        rendered.render(*volume, view);
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 200; ++x) {
                const QColor colour = rendered.overview.pixelColor(x, y);
                QVERIFY(colour.red() == colour.green() && colour.green() == colour.blue());
            }
        }
    }
};

QTEST_GUILESS_MAIN(SliceRendererTest)
#include "slice_renderer_test.moc"
