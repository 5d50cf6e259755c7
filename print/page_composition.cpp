#include "page_composition.h"

#include "slice_cells.h"

#include <QPainter>

#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>

#include <sys/mman.h>
#include <vector>

namespace {

constexpr int kBottomStripShare = 19;  // of the inner height
constexpr int kLeftStripShare = 16;    // of the inner width
constexpr int kGradientScale = 10000;
constexpr int kProgressRows = 21;
constexpr int kProgressMaximumRows = 20;

constexpr std::size_t kHugePage = 2 * 1024 * 1024;

// A white 24-bit bitmap. A page bitmap is hundreds of megabytes: it is asked
// for in huge pages, which the system maps hundreds of times faster. A bitmap
// too large for the memory raises bad_alloc.
QImage whiteBitmap(QSize size)
{
    const auto bytesPerLine = static_cast<std::size_t>((size.width() * 3 + 3) / 4 * 4);
    const std::size_t bytes = bytesPerLine * static_cast<std::size_t>(size.height());
    void *memory = nullptr;
    if (size.isEmpty() || posix_memalign(&memory, kHugePage, std::max<std::size_t>(bytes, 1)) != 0)
        throw std::bad_alloc();
    madvise(memory, bytes, MADV_HUGEPAGE);
    std::memset(memory, 0xFF, bytes);
    return QImage(static_cast<uchar *>(memory), size.width(), size.height(), static_cast<qsizetype>(bytesPerLine),
                  QImage::Format_RGB888, [](void *data) { std::free(data); }, memory);
}

// A bitmap that is a part of page: drawing into it draws into the page.
QImage partOf(QImage &page, QPoint at, QSize size)
{
    return QImage(page.bits() + at.y() * page.bytesPerLine() + 3 * at.x(), size.width(), size.height(),
                  page.bytesPerLine(), QImage::Format_RGB888);
}

struct Gradient {
    int x;
    int y;
    int base;
};

enum Triangle { Top, Right, Left, Bottom };

// The triangle a pixel at (dx, dy) of a cell belongs to: points on the main
// diagonal go to the left or bottom triangle, points on the other diagonal to
// the right or bottom one.
Triangle triangleAt(int dx, int dy, int w, int h)
{
    const long double s = dx * static_cast<long double>(static_cast<double>(h) / w);
    const bool aboveMain = dy < s;
    const bool aboveOther = dy < h - s;
    if (aboveMain)
        return aboveOther ? Top : Right;
    return aboveOther ? Left : Bottom;
}

// The planes of the four triangles of a cell, each through two corners and
// the centre value, with gradients scaled by 10000.
std::array<Gradient, 4> cellPlanes(int a, int b, int c, int d, int w, int h)
{
    const int m = (a + b + c + d) / 4;
    std::array<Gradient, 4> planes;
    planes[Top] = {(b - a) * kGradientScale / w, (2 * m - a - b) * kGradientScale / h, a * kGradientScale};
    planes[Right] = {(b + d - 2 * m) * kGradientScale / w, (d - b) * kGradientScale / h, (2 * m - d) * kGradientScale};
    planes[Left] = {(2 * m - a - c) * kGradientScale / w, (c - a) * kGradientScale / h, a * kGradientScale};
    planes[Bottom] = {(d - c) * kGradientScale / w, (c + d - 2 * m) * kGradientScale / h, (2 * m - d) * kGradientScale};
    return planes;
}

uint8_t clamped(int value)
{
    return static_cast<uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
}

void paintGrey(uint8_t *pixels, int count, int grey)
{
    std::memset(pixels, clamped(grey), static_cast<std::size_t>(count) * 3);
}

class PrintImageRenderer {
public:
    // The cells' right and lower neighbours, row `rows` and column `columns`,
    // are read too.
    PrintImageRenderer(const SliceGrid &grid, int rows, int columns, QImage &image, int w, int h)
        : grid_(grid), image_(image), w_(w), h_(h), usedWidth_(w * columns), usedHeight_(h * rows),
          columns_(columns)
    {
        checkIndex(rows, grid.rows());
        checkIndex(columns, grid.columns());
    }

    void render(bool smoothing, const PrintProgress &progress)
    {
        const int maximum = (usedHeight_ - 1) / kProgressMaximumRows;
        if (progress)
            progress(0, maximum);
        std::vector<Triangle> triangles;
        if (smoothing)
            triangles = triangleTable();
        int position = 0;
        for (int y = 0; y < usedHeight_; ++y) {
            if (smoothing)
                smoothRow(y, triangles);
            else if (y % h_ == 0)
                flatRow(y);
            else
                std::memcpy(image_.scanLine(y), image_.constScanLine(y - 1), static_cast<std::size_t>(usedWidth_) * 3);
            if (y % kProgressRows == 0 && progress)
                progress(++position, maximum);
        }
    }

private:
    std::vector<Triangle> triangleTable() const
    {
        std::vector<Triangle> table(static_cast<std::size_t>(w_) * h_);
        for (int dy = 0; dy < h_; ++dy)
            for (int dx = 0; dx < w_; ++dx)
                table[static_cast<std::size_t>(dy * w_ + dx)] = triangleAt(dx, dy, w_, h_);
        return table;
    }

    void flatRow(int y)
    {
        uint8_t *row = image_.scanLine(y);
        const int16_t *cells = grid_.row(y / h_);
        for (int c = 0; c < columns_; ++c)
            paintGrey(row + 3 * c * w_, w_, cells[c]);
    }

    void smoothRow(int y, const std::vector<Triangle> &triangles)
    {
        const int r = y / h_;
        const int dy = y - r * h_;
        const int16_t *upper = grid_.row(r);
        const int16_t *lower = grid_.row(r + 1);
        const Triangle *claims = triangles.data() + static_cast<std::size_t>(dy) * w_;
        uint8_t *pixel = image_.scanLine(y);
        for (int c = 0; c < columns_; ++c) {
            const std::array<Gradient, 4> planes = cellPlanes(upper[c], upper[c + 1], lower[c], lower[c + 1], w_, h_);
            for (int dx = 0; dx < w_; ++dx, pixel += 3) {
                const Gradient &plane = planes[claims[dx]];
                std::memset(pixel, clamped((plane.x * dx + plane.y * dy + plane.base) / kGradientScale), 3);
            }
        }
    }

    const SliceGrid &grid_;
    QImage &image_;
    int w_;
    int h_;
    int usedWidth_;
    int usedHeight_;
    int columns_;
};

struct ScaleParameters {
    int hTickCells;
    int hLabelStep;
    int hLabelOrigin;
    int vTickCells;
    int vTickFactor;
    long double vLabelStep;
    long double vLabelOrigin;
};

ScaleParameters scaleParameters(const PrintSubject &subject)
{
    switch (subject.axis) {
    case SliceAxis::X:
        return {6, 6, 1, 16, 3, static_cast<long double>(subject.depthScaleFactor), 0};
    case SliceAxis::Y:
        return {10, 10, 1, 16, 3, static_cast<long double>(subject.depthScaleFactor), 0};
    case SliceAxis::Z:
        break;
    }
    return {10, 10, 1, 6, 1, 6, 1};
}

QPainter &prepareStrip(QPainter &painter, const QFont &font)
{
    painter.setFont(font);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    return painter;
}

void drawText(QPainter &painter, int x, int y, const QString &text)
{
    painter.drawText(QRect(x, y, 100000, 100000), Qt::AlignLeft | Qt::AlignTop, text);
}

// The dotted grid every four cells, and the frame on all but the left edge.
void drawGridAndFrame(QImage &image, int cellWidth, int cellHeight, int usedWidth, int usedHeight)
{
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    for (int k = 0; k <= usedHeight / (4 * cellHeight); ++k)
        painter.drawLine(0, 4 * k * cellHeight, image.width(), 4 * k * cellHeight);
    for (int k = 0; k <= usedWidth / (4 * cellWidth); ++k)
        painter.drawLine(4 * k * cellWidth, 0, 4 * k * cellWidth, image.height());
    painter.setPen(QPen(Qt::black, 3));
    const QPoint frame[] = {{0, 0}, {image.width(), 0}, {image.width(), image.height()}, {0, image.height()}};
    painter.drawPolyline(frame, 4);
}

void drawBottomStrip(QImage &bottom, int leftWidth, const ComposedPage &composed, int usedWidth,
                     const ScaleParameters &scale, const PrintSubject &subject, bool addInfo)
{
    QPainter painter(&bottom);
    QFont font = subject.font;
    font.setPixelSize(std::max(composed.fontHeight, 1));
    prepareStrip(painter, font);
    const int bh = bottom.height();
    const int cw = composed.print_cell_width;
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap));
    for (int k = 0; k <= usedWidth / (2 * cw); ++k)
        painter.drawLine(leftWidth + 2 * k * cw, 0, leftWidth + 2 * k * cw, bh / 7);
    painter.setPen(QPen(Qt::black, 6, Qt::SolidLine, Qt::RoundCap));
    const QStringList labels = horizontalScaleLabels(subject);
    for (int i = 0; i < labels.size(); ++i) {
        const int x = leftWidth + i * scale.hTickCells * cw;
        painter.drawPoint(x, bh / 6);
        drawText(painter, x, bh / 7, labels[i]);
    }
    if (addInfo) {
        const int x = bottom.width() / 60;
        drawText(painter, x, bh / 7 + composed.fontHeight, captionViewText(subject) + QStringLiteral("  "));
        drawText(painter, x, bh / 7 + 2 * composed.fontHeight, captionFileText(subject));
    }
}

void drawLeftStrip(QImage &left, const ComposedPage &composed, int usedHeight, const ScaleParameters &scale,
                   const PrintSubject &subject)
{
    QPainter painter(&left);
    QFont font = subject.font;
    font.setPixelSize(std::max(composed.fontHeight, 1));
    prepareStrip(painter, font);
    const int lw = left.width();
    const int ch = composed.print_cell_height;
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap));
    for (int k = 0; k <= usedHeight / (2 * ch); ++k)
        painter.drawLine(4 * lw / 5, 2 * k * ch, lw, 2 * k * ch);
    painter.setPen(QPen(Qt::black, 6, Qt::SolidLine, Qt::FlatCap));
    const QStringList labels = verticalScaleLabels(subject);
    for (int i = 0; i < labels.size(); ++i) {
        const int y = i * scale.vTickCells * ch * scale.vTickFactor;
        painter.drawLine(4 * lw / 5, y, lw, y);
        drawText(painter, lw / 20, y + 1, labels[i]);
    }
}

}  // namespace

int MarginDivisor(int percent)
{
    if (percent <= 0)
        throw DivisionByZeroError();
    return static_cast<int>(std::nearbyint(100.0L / percent));
}

PageLayout pageLayout(int pageWidth, int pageHeight, const PrintMargins &margins, bool addInfo)
{
    PageLayout layout;
    layout.pageWidth = pageWidth;
    layout.pageHeight = pageHeight;
    layout.marginLeft = checkedNarrow<uint16_t>(pageWidth / MarginDivisor(margins.left));
    layout.marginRight = checkedNarrow<uint16_t>(pageWidth / MarginDivisor(margins.right));
    layout.marginTop = checkedNarrow<uint16_t>(pageHeight / MarginDivisor(margins.top));
    layout.marginBottom = checkedNarrow<uint16_t>(pageHeight / MarginDivisor(margins.bottom));
    const int innerWidth = pageWidth - layout.marginLeft - layout.marginRight;
    const int innerHeight = pageHeight - layout.marginTop - layout.marginBottom;
    const int bottomHeight = innerHeight / kBottomStripShare * (addInfo ? 2 : 1);
    layout.bottomStrip = QSize(innerWidth, bottomHeight);
    layout.leftStrip = QSize(innerWidth / kLeftStripShare, innerHeight - bottomHeight);
    layout.image = QSize(innerWidth - layout.leftStrip.width(), layout.leftStrip.height());
    return layout;
}

int printFontHeight(const PageLayout &layout, bool addInfo)
{
    const int left = layout.leftStrip.height() / 35;
    const int bottom = layout.bottomStrip.width() / (addInfo ? 40 : 25);
    return static_cast<int>(std::nearbyint((left + bottom) / 2.0));
}

QString captionViewText(const PrintSubject &subject)
{
    switch (subject.axis) {
    case SliceAxis::X:
        return QStringLiteral("Slice: %1").arg(subject.slice + 1);
    case SliceAxis::Y:
        return QStringLiteral("Layer: %1").arg(subject.layer);
    case SliceAxis::Z:
        break;
    }
    return QStringLiteral("Depth: %1").arg(depthMillimetres(subject.depth, subject.depthScaleFactor));
}

QString captionFileText(const PrintSubject &subject)
{
    return QStringLiteral("File: ") + subject.fileName;
}

QStringList verticalScaleLabels(const PrintSubject &subject)
{
    const ScaleParameters scale = scaleParameters(subject);
    QStringList labels;
    for (int i = 0; i < 4; ++i)
        labels << QString::number(static_cast<long long>(
            std::trunc(i * scale.vLabelStep * scale.vTickFactor + scale.vLabelOrigin)));
    return labels;
}

QStringList horizontalScaleLabels(const PrintSubject &subject)
{
    const ScaleParameters scale = scaleParameters(subject);
    QStringList labels;
    for (int i = 0; i < 8; ++i)
        labels << QString::number(i * scale.hLabelStep + scale.hLabelOrigin);
    return labels;
}

void RenderPrintImage(const ScanVolume &volume, QImage &image, bool smoothing, int &cellWidth, int &cellHeight,
                      const PrintProgress &progress)
{
    const int columns = gridColumnCount(volume);
    const int rows = gridRowCount(volume);
    cellWidth = image.width() / columns;
    cellHeight = image.height() / rows;
    if (cellWidth < 1 || cellHeight < 1)
        throw ProgramError("The page is too small for the slice image");
    PrintImageRenderer(volume.slice_grid, rows, columns, image, cellWidth, cellHeight).render(smoothing, progress);
}

ComposedPage composePage(const ScanVolume &volume, const PrintSubject &subject, const PageLayout &layout, bool addInfo,
                         const PrintProgress &progress)
{
    if (layout.image.width() < 1 || layout.image.height() < 1 || layout.bottomStrip.height() < 1)
        throw ProgramError("The page is too small for the slice image");
    // The strips and the image are drawn straight into their places on the
    // white page; the margins stay white.
    ComposedPage composed;
    composed.page = whiteBitmap(QSize(layout.pageWidth, layout.pageHeight));
    const QPoint corner(layout.marginLeft, layout.marginTop);
    QImage left = partOf(composed.page, corner, layout.leftStrip);
    QImage bottom = partOf(composed.page, corner + QPoint(0, layout.leftStrip.height()), layout.bottomStrip);
    QImage image = partOf(composed.page, corner + QPoint(layout.leftStrip.width(), 0), layout.image);
    RenderPrintImage(volume, image, subject.smoothing, composed.print_cell_width, composed.print_cell_height, progress);
    const int usedWidth = composed.print_cell_width * gridColumnCount(volume);
    const int usedHeight = composed.print_cell_height * gridRowCount(volume);
    applyPalette(image, subject.palette, QRect(0, 0, usedWidth, usedHeight));
    drawGridAndFrame(image, composed.print_cell_width, composed.print_cell_height, usedWidth, usedHeight);

    composed.fontHeight = printFontHeight(layout, addInfo);
    const ScaleParameters scale = scaleParameters(subject);
    drawBottomStrip(bottom, left.width(), composed, usedWidth, scale, subject, addInfo);
    drawLeftStrip(left, composed, usedHeight, scale, subject);
    return composed;
}
