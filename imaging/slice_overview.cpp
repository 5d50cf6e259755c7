// The small overview: every cell cut by its two diagonals into four
// triangles, each shaded as a plane through two corners and the cell's centre
// value, in 80-bit extended arithmetic.

#include "slice_renderer.h"

#include "slice_cells.h"

#include <cmath>
#include <vector>

namespace {

enum class Triangle { None, Top, Left, Bottom, Right };

// The last of the four tests, in their order, that holds at (dx, dy); only the
// top test has a tolerance.
Triangle triangleAt(int dx, int dy, int ch, double r)
{
    const long double slope = dx * static_cast<long double>(r);
    const long double other = ch - slope;
    Triangle found = Triangle::None;
    if (dy < slope + 0.1L && dy < other)
        found = Triangle::Top;
    if (dy > slope && dy < other)
        found = Triangle::Left;
    if (dy > slope && dy > other)
        found = Triangle::Bottom;
    if (dy < slope && dy > other)
        found = Triangle::Right;
    return found;
}

long double rounded(long double value)
{
    return std::nearbyint(value);
}

int shade(Triangle triangle, int a, int b, int c, int d, int dx, int dy, int cw, int ch, int t)
{
    const int m = (a + b + c + d) / 4;
    long double value = 0;
    switch (triangle) {
    case Triangle::None:
        return t;
    case Triangle::Top:
        value = a;
        value += static_cast<long double>((b - a) * dx) / cw;
        value += static_cast<long double>((2 * m - a - b) * dy) / ch;
        return static_cast<int>(std::trunc(value));
    case Triangle::Left:
        value = a;
        value += static_cast<long double>((c - a) * dy) / ch;
        value += static_cast<long double>((2 * m - a - c) * dx) / cw;
        return static_cast<int>(rounded(value));
    case Triangle::Bottom:
        value = d;
        value += static_cast<long double>((c - d) * (cw - dx)) / cw;
        value += static_cast<long double>((2 * m - c - d) * (ch - dy)) / ch;
        return static_cast<int>(rounded(value));
    case Triangle::Right:
        value = d;
        value += static_cast<long double>((b - d) * (ch - dy)) / ch;
        value += static_cast<long double>((2 * m - b - d) * (cw - dx)) / cw;
        return static_cast<int>(rounded(value));
    }
    return t;
}

}  // namespace

int overviewPixel(int a, int b, int c, int d, int dx, int dy, int cw, int ch, int t)
{
    const double r = static_cast<double>(ch) / cw;
    return shade(triangleAt(dx, dy, ch, r), a, b, c, d, dx, dy, cw, ch, t);
}

void drawOverview(const SliceGrid &grid, const ScanVolume &volume, QImage &overview)
{
    if (overview.format() != QImage::Format_BGR888)
        throw RangeError();
    const int width = overview.width();
    const int height = overview.height();
    const int cw = (width - 1) / gridColumnCount(volume);
    int ch = (height - 1) / gridRowCount(volume);
    if (ch == 0)
        ch = 1;
    if (cw == 0)
        throw DivisionByZeroError();
    checkIndex((height - 1) / ch + 1, grid.rows());
    checkIndex((width - 1) / cw + 1, grid.columns());
    const double r = static_cast<double>(ch) / cw;

    // Which triangle claims a pixel depends only on its place in the cell.
    std::vector<Triangle> triangles(static_cast<std::size_t>(cw * ch));
    for (int dy = 0; dy < ch; ++dy)
        for (int dx = 0; dx < cw; ++dx)
            triangles[static_cast<std::size_t>(dy * cw + dx)] = triangleAt(dx, dy, ch, r);

    int t = 0;  // the running value: a pixel no triangle claims keeps the one before it
    for (int y = 0; y < height; ++y) {
        const int i = y / ch;
        const int dy = y - i * ch;
        const int16_t *upper = grid.row(i);
        const int16_t *lower = grid.row(i + 1);
        uint8_t *row = overview.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const int j = x / cw;
            const int dx = x - j * cw;
            t = shade(triangles[static_cast<std::size_t>(dy * cw + dx)], upper[j], upper[j + 1], lower[j],
                      lower[j + 1], dx, dy, cw, ch, t);
            const uint8_t grey = static_cast<uint8_t>(t > 255 ? 255 : t < 0 ? 0 : t);
            row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = grey;
        }
    }
}
