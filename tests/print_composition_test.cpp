#include "page_composition.h"
#include "page_preview.h"

#include <QTest>

#include <memory>

namespace {

PrintSubject subjectFor(SliceAxis axis, int factor = 20)
{
    PrintSubject subject;
    subject.axis = axis;
    subject.slice = 11;
    subject.layer = 7;
    subject.depth = 32;
    subject.depthScaleFactor = factor;
    subject.fileName = QStringLiteral("/scans/weld seam.vlm");
    subject.font = QFont(QStringLiteral("Arial"));
    return subject;
}

// A grid of 4 x 3 cells (rows 0..4, columns 0..3 read) with known grey levels.
std::unique_ptr<ScanVolume> smallGrid()
{
    auto volume = std::make_unique<ScanVolume>();
    volume->slice_grid.allocate(8, 6);
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 6; ++column)
            volume->slice_grid.at(row, column) = static_cast<int16_t>(row * 40 + column * 10);
    volume->grid_last_row = 3;
    volume->grid_last_col = 2;
    return volume;
}

QImage whiteImage(QSize size)
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::white);
    return image;
}

}  // namespace

class PrintCompositionTest : public QObject {
    Q_OBJECT

private slots:
    void marginDivisors_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("divisor");
        const int divisors[] = {100, 50, 33, 25, 20, 17, 14, 12, 11, 10};
        for (int p = 1; p <= 10; ++p)
            QTest::addRow("%d %%", p) << p << divisors[p - 1];
    }
    void marginDivisors()
    {
        QFETCH(int, percent);
        QFETCH(int, divisor);
        QCOMPARE(MarginDivisor(percent), divisor);
    }

    void pageOfTheExample_data()
    {
        QTest::addColumn<bool>("addInfo");
        QTest::addColumn<QSize>("bottom");
        QTest::addColumn<QSize>("left");
        QTest::addColumn<QSize>("image");
        QTest::addColumn<int>("font");
        QTest::newRow("without caption") << false << QSize(4510, 336) << QSize(281, 6052) << QSize(4229, 6052) << 176;
        QTest::newRow("with caption") << true << QSize(4510, 672) << QSize(281, 5716) << QSize(4229, 5716) << 138;
    }
    void pageOfTheExample()
    {
        QFETCH(bool, addInfo);
        QFETCH(QSize, bottom);
        QFETCH(QSize, left);
        QFETCH(QSize, image);
        QFETCH(int, font);
        const PageLayout layout = pageLayout(4800, 6800, PrintMargins{}, addInfo);
        QCOMPARE(int(layout.marginLeft), 145);
        QCOMPARE(int(layout.marginRight), 145);
        QCOMPARE(int(layout.marginTop), 206);
        QCOMPARE(int(layout.marginBottom), 206);
        QCOMPARE(layout.bottomStrip, bottom);
        QCOMPARE(layout.leftStrip, left);
        QCOMPARE(layout.image, image);
        QCOMPARE(printFontHeight(layout, addInfo), font);
    }

    void aMarginBeyondSixteenBitsIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(RangeError, pageLayout(7000000, 1000, PrintMargins{10, 3, 3, 3}, false));
    }

    // Two cells of 8 x 4 pixels over the grid rows
    //   0, 200, 60
    //   100, 40, 240
    // Left cell: A 0, B 200, C 100, D 40, M 85; right cell: A 200, B 60,
    // C 40, D 240, M 135. A pixel at (dx, dy) lies in the triangle picked by
    // s = dx * 4 / 8 and is (gx * dx + gy * dy + base) div 10000.
    void smoothedPixels_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("value");
        // top: gx 200*10000/8 = 250000, gy (170-200)*10000/4 = -75000; (1000000 - 75000) / 10000
        QTest::newRow("left cell, top") << QPoint(4, 1) << 92;
        // s 3.5, 2 >= 4 - 3.5: right: gx (200+40-170)*1250 = 87500, gy (40-200)*2500 = -400000,
        // base (170-40)*10000; (612500 - 800000 + 1300000) / 10000
        QTest::newRow("left cell, right") << QPoint(7, 2) << 111;
        // left: gx (170-100)*1250 = 87500, gy 100*2500 = 250000; (87500 + 500000) / 10000
        QTest::newRow("left cell, left") << QPoint(1, 2) << 58;
        // bottom: gx (40-100)*1250 = -75000, gy (140-170)*2500 = -75000, base 1300000;
        // (-300000 - 225000 + 1300000) / 10000
        QTest::newRow("left cell, bottom") << QPoint(4, 3) << 77;
        // dy = s = 1, on the main diagonal: left; (175000 + 250000) / 10000
        QTest::newRow("left cell, main diagonal") << QPoint(2, 1) << 42;
        // dy = h - s = 1, on the other diagonal: right; (525000 - 400000 + 1300000) / 10000
        QTest::newRow("left cell, other diagonal") << QPoint(6, 1) << 142;
        // dx 4: top: gx (60-200)*1250 = -175000, gy (270-260)*2500 = 25000, base 2000000;
        // (-700000 + 25000 + 2000000) / 10000
        QTest::newRow("right cell, top") << QPoint(12, 1) << 132;
        // dx 7: right: gx (300-270)*1250 = 37500, gy (240-60)*2500 = 450000, base (270-240)*10000;
        // (262500 + 900000 + 300000) / 10000
        QTest::newRow("right cell, right") << QPoint(15, 2) << 146;
        // dx 1: left: gx (270-240)*1250 = 37500, gy (40-200)*2500 = -400000, base 2000000;
        // (37500 - 1200000 + 2000000) / 10000
        QTest::newRow("right cell, left") << QPoint(9, 3) << 83;
        // dx 0, dy 0: left, the corner A
        QTest::newRow("right cell, corner") << QPoint(8, 0) << 200;
    }
    void smoothedPixels()
    {
        QFETCH(QPoint, at);
        QFETCH(int, value);
        auto owned = std::make_unique<ScanVolume>();
        ScanVolume &volume = *owned;
        volume.slice_grid.allocate(2, 3);
        const int16_t samples[2][3] = {{0, 200, 60}, {100, 40, 240}};
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 3; ++column)
                volume.slice_grid.at(row, column) = samples[row][column];
        volume.grid_last_row = 0;
        volume.grid_last_col = 1;
        int cw = 0;
        int ch = 0;
        QImage image = whiteImage(QSize(16, 4));
        RenderPrintImage(volume, image, true, cw, ch);
        QCOMPARE(cw, 8);
        QCOMPARE(ch, 4);
        QCOMPARE(image.pixelColor(at), QColor(value, value, value));
    }

    void flatCellsWithoutSmoothing()
    {
        auto volume = smallGrid();
        int cw = 0;
        int ch = 0;
        QImage image = whiteImage(QSize(31, 42));
        RenderPrintImage(*volume, image, false, cw, ch);
        QCOMPARE(cw, 10);
        QCOMPARE(ch, 10);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 30; ++x)
                QCOMPARE(image.pixelColor(x, y).red(), int(volume->slice_grid.at(y / 10, x / 10)));
        QCOMPARE(image.pixelColor(30, 5), QColor(Qt::white));  // less than a cell: the bitmap's white
        QCOMPARE(image.pixelColor(5, 41), QColor(Qt::white));
    }

    void smoothedCellsStartAtTheirCorner()
    {
        auto volume = smallGrid();
        int cw = 0;
        int ch = 0;
        QImage image = whiteImage(QSize(30, 40));
        RenderPrintImage(*volume, image, true, cw, ch);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c)
                QCOMPARE(image.pixelColor(c * 10, r * 10).red(), int(volume->slice_grid.at(r, c)));
    }

    void progressEveryTwentyFirstRow()
    {
        auto volume = smallGrid();
        QList<QPair<int, int>> reports;
        int cw = 0;
        int ch = 0;
        QImage image = whiteImage(QSize(30, 400));
        RenderPrintImage(*volume, image, false, cw, ch,
                         [&](int position, int maximum) { reports.append({position, maximum}); });
        QCOMPARE(reports.first(), qMakePair(0, 399 / 20));
        QCOMPARE(reports.size(), 1 + 20);  // rows 0, 21, ..., 399
        QCOMPARE(reports.last().first, 20);
    }

    void captionTexts()
    {
        QCOMPARE(captionViewText(subjectFor(SliceAxis::X)), QStringLiteral("Slice: 12"));
        QCOMPARE(captionViewText(subjectFor(SliceAxis::Y)), QStringLiteral("Layer: 7"));
        QCOMPARE(captionViewText(subjectFor(SliceAxis::Z, 50)), QStringLiteral("Depth: 100"));
        QCOMPARE(captionFileText(subjectFor(SliceAxis::X)), QStringLiteral("File: /scans/weld seam.vlm"));
    }

    void scaleLabels()
    {
        QCOMPARE(verticalScaleLabels(subjectFor(SliceAxis::X, 20)), (QStringList{"0", "60", "120", "180"}));
        QCOMPARE(verticalScaleLabels(subjectFor(SliceAxis::Y, 200)), (QStringList{"0", "600", "1200", "1800"}));
        QCOMPARE(verticalScaleLabels(subjectFor(SliceAxis::Z)), (QStringList{"1", "7", "13", "19"}));
        QCOMPARE(horizontalScaleLabels(subjectFor(SliceAxis::X)).mid(0, 3), (QStringList{"1", "7", "13"}));
        QCOMPARE(horizontalScaleLabels(subjectFor(SliceAxis::Z)).mid(0, 3), (QStringList{"1", "11", "21"}));
    }

    void captionDoublesTheBottomStripAndIsDrawn()
    {
        auto volume = smallGrid();
        const PrintSubject subject = subjectFor(SliceAxis::X);
        const PageLayout plain = pageLayout(1200, 1700, PrintMargins{}, false);
        const PageLayout captioned = pageLayout(1200, 1700, PrintMargins{}, true);
        const ComposedPage without = composePage(*volume, subject, plain, false);
        const ComposedPage with = composePage(*volume, subject, captioned, true);
        QCOMPARE(captioned.bottomStrip.height(), 2 * plain.bottomStrip.height());
        QVERIFY(with.page != without.page);
        // composing again gives the same page
        QCOMPARE(composePage(*volume, subject, plain, false).page, without.page);
        QCOMPARE(without.page.size(), QSize(1200, 1700));
        QCOMPARE(without.page.pixelColor(10, 10), QColor(Qt::white));  // the margins stay white
    }

    void aPrintImageWiderThan10922PixelsIsComposed()
    {
        auto volume = smallGrid();
        const PageLayout wide = pageLayout(12400, 600, PrintMargins{1, 1, 3, 3}, false);
        QVERIFY(wide.image.width() > 10922);
        const ComposedPage composed = composePage(*volume, subjectFor(SliceAxis::X), wide, false);
        QCOMPARE(composed.page.width(), 12400);
        const int imageLeft = wide.marginLeft + wide.leftStrip.width();
        QCOMPARE(composed.page.pixelColor(imageLeft + wide.image.width() - 100, wide.marginTop + 20).red(),
                 int(volume->slice_grid.at(0, 2)));
    }

    void aPageTooLargeForTheMemoryIsRefused()
    {
        auto volume = smallGrid();
        const PageLayout huge = pageLayout(250000, 250000, PrintMargins{}, false);
        QVERIFY_THROWS_EXCEPTION(std::bad_alloc, composePage(*volume, subjectFor(SliceAxis::X), huge, false));
    }

    void previewAtZoomZero()
    {
        const PreviewGeometry geometry = previewGeometry(QSize(800, 600), QSize(4800, 6800), 0, 0, 0);
        // the page fits by its height: 6800 / 600
        QCOMPARE(geometry.page_scale, 6800.0 / 600);
        const int a = static_cast<int>(400 - 4800 / (6800.0 / 600) / 2);
        const int b = static_cast<int>(400 + 4800 / (6800.0 / 600) / 2);
        QCOMPARE(geometry.page, QRect(QPoint(a, 5), QPoint(b - 1, 600 - 15 - 1)));
        QCOMPARE(geometry.shadow, QRect(QPoint(a + 15, 10), QPoint(b + 15 - 1, 600 - 5 - 1)));
        QCOMPARE(geometry.scroll_step_h, 6);  // from the height
        QCOMPARE(geometry.scroll_step_v, 8);  // from the width
    }

    void previewZoomsAndScrolls()
    {
        const PreviewGeometry zoomed = previewGeometry(QSize(800, 600), QSize(4800, 6800), 2, 3, -1);
        const PreviewGeometry plain = previewGeometry(QSize(800, 600), QSize(4800, 6800), 0, 0, 0);
        QCOMPARE(zoomed.scroll_step_h, 18);
        QCOMPARE(zoomed.page.left(), plain.page.left() - 400 - 3 * 18);
        QCOMPARE(zoomed.page.top(), plain.page.top() - 400 + 1 * zoomed.scroll_step_v);
        QCOMPARE(zoomed.page.width(), plain.page.width() + 800);
    }
};

QTEST_MAIN(PrintCompositionTest)
#include "print_composition_test.moc"
