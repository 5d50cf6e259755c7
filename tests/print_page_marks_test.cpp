// Where the printed page's marks fall: the dotted grid every four cells, the
// scale labels with their top-left corners where the page puts them, and the
// caption lines below the horizontal labels. The page is composed from a
// white slice, so every dark pixel is a mark.

#include "page_composition.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTest>

#include <memory>

namespace {

constexpr int kGridRows = 12;  // cells; the grid holds one row and column more
constexpr int kGridColumns = 12;

std::unique_ptr<ScanVolume> whiteGrid()
{
    auto volume = std::make_unique<ScanVolume>();
    volume->slice_grid.allocate(kGridRows + 1, kGridColumns + 1);
    for (int row = 0; row <= kGridRows; ++row)
        for (int column = 0; column <= kGridColumns; ++column)
            volume->slice_grid.at(row, column) = 255;
    volume->grid_last_row = kGridRows - 1;
    volume->grid_last_col = kGridColumns - 1;
    return volume;
}

PrintSubject subjectFor(SliceAxis axis)
{
    PrintSubject subject;
    subject.axis = axis;
    subject.slice = 4;
    subject.layer = 9;
    subject.depth = 64;
    subject.fileName = QStringLiteral("/scans/plate.vlm");
    subject.font = QFont(QStringLiteral("Arial"));
    subject.font.setBold(true);
    return subject;
}

bool dark(const QImage &page, int x, int y)
{
    return qGray(page.pixel(x, y)) < 128;
}

// A text as the page writes it: its font at the page's font height, black on
// an opaque white box whose top-left corner is the text's place.
QImage textBox(const PrintSubject &subject, int fontHeight, const QString &text)
{
    QFont font = subject.font;
    font.setPixelSize(fontHeight);
    QImage box(QFontMetrics(font).size(0, text), QImage::Format_RGB888);
    box.fill(Qt::white);
    QPainter painter(&box);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(box.rect(), Qt::AlignLeft | Qt::AlignTop, text);
    return box;
}

struct Page {
    std::unique_ptr<ScanVolume> volume = whiteGrid();
    PrintSubject subject;
    PageLayout layout;
    ComposedPage composed;
    QPoint image;   // the print image's top-left corner on the page
    QPoint bottom;  // the bottom strip's
    QPoint left;    // the left strip's

    Page(SliceAxis axis, bool addInfo) : subject(subjectFor(axis))
    {
        layout = pageLayout(2400, 3400, PrintMargins{}, addInfo);
        composed = composePage(*volume, subject, layout, addInfo);
        left = QPoint(layout.marginLeft, layout.marginTop);
        image = left + QPoint(layout.leftStrip.width(), 0);
        bottom = left + QPoint(0, layout.leftStrip.height());
    }

    // Whether the text is written with its top-left corner at the given point.
    bool writes(const QString &text, QPoint at, int rows = -1) const
    {
        QImage expected = textBox(subject, composed.fontHeight, text);
        if (rows >= 0)
            expected = expected.copy(0, 0, expected.width(), rows);
        return composed.page.copy(QRect(at, expected.size())).convertToFormat(QImage::Format_RGB888) == expected;
    }
};

}  // namespace

class PrintPageMarksTest : public QObject {
    Q_OBJECT

private slots:
    // Inside the frame, a row (a column) holds dots only on a grid line:
    // every fourth cell boundary, from the top (left) edge.
    void aDottedGridEveryFourCells()
    {
        const Page page(SliceAxis::X, false);
        const int cw = page.composed.print_cell_width;
        const int ch = page.composed.print_cell_height;
        QCOMPARE(cw, page.layout.image.width() / kGridColumns);
        const QSize image = page.layout.image;
        const auto gridColumn = [&](int x) { return x % (4 * cw) == 0; };
        const auto gridRow = [&](int y) { return y % (4 * ch) == 0; };
        for (int y = 2; y < kGridRows * ch - 1; ++y) {
            bool dots = false;
            for (int x = 1; x < image.width() - 2 && !dots; ++x)
                dots = !gridColumn(x) && dark(page.composed.page, page.image.x() + x, page.image.y() + y);
            QVERIFY2(dots == gridRow(y), qPrintable(QStringLiteral("row %1").arg(y)));
        }
        for (int x = 1; x < kGridColumns * cw - 1; ++x) {
            bool dots = false;
            for (int y = 2; y < image.height() - 2 && !dots; ++y)
                dots = !gridRow(y) && dark(page.composed.page, page.image.x() + x, page.image.y() + y);
            QVERIFY2(dots == gridColumn(x), qPrintable(QStringLiteral("column %1").arg(x)));
        }
    }

    // Labels i = 0..7 below the image at x = Lw + i * h_tick_cells * cell
    // width, y = Bh div 7; labels i = 0..3 left of it at x = Lw div 20,
    // y = i * v_tick_cells * cell height * v_tick_factor + 1.
    void scaleLabelsInTheirPlaces_data()
    {
        QTest::addColumn<SliceAxis>("axis");
        QTest::addColumn<QStringList>("below");
        QTest::addColumn<int>("belowCells");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<int>("leftCells");
        QTest::newRow("X") << SliceAxis::X << QStringList{"1", "7"} << 6 << QStringList{"0"} << 48;
        QTest::newRow("Z") << SliceAxis::Z << QStringList{"1", "11"} << 10 << QStringList{"1", "7"} << 6;
    }
    void scaleLabelsInTheirPlaces()
    {
        QFETCH(SliceAxis, axis);
        QFETCH(QStringList, below);
        QFETCH(int, belowCells);
        QFETCH(QStringList, left);
        QFETCH(int, leftCells);
        const Page page(axis, false);
        const int lw = page.layout.leftStrip.width();
        const int bh = page.layout.bottomStrip.height();
        for (int i = 0; i < below.size(); ++i) {
            const QPoint at = page.bottom + QPoint(lw + i * belowCells * page.composed.print_cell_width, bh / 7);
            QVERIFY2(page.writes(below[i], at), qPrintable(below[i]));
        }
        for (int i = 0; i < left.size(); ++i) {
            const QPoint at = page.left + QPoint(lw / 20, i * leftCells * page.composed.print_cell_height + 1);
            QVERIFY2(page.writes(left[i], at), qPrintable(left[i]));
        }
    }

    // The caption's lines start one and two font heights below the labels'
    // top, so the first never covers the labels.
    void captionLinesBelowTheLabels()
    {
        const Page page(SliceAxis::Y, true);
        const int f = page.composed.fontHeight;
        const QPoint first = page.bottom + QPoint(page.layout.bottomStrip.width() / 60, page.layout.bottomStrip.height() / 7 + f);
        QVERIFY(page.writes(QStringLiteral("Layer: 9  "), first, f));  // the second line covers the rest
        QVERIFY(page.writes(QStringLiteral("File: /scans/plate.vlm"), first + QPoint(0, f)));
        const QPoint label = page.bottom + QPoint(page.layout.leftStrip.width(), page.layout.bottomStrip.height() / 7);
        QVERIFY(page.writes(QStringLiteral("1"), label, f));
    }
};

QTEST_MAIN(PrintPageMarksTest)
#include "print_page_marks_test.moc"
