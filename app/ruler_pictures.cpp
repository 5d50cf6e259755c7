#include "ruler_pictures.h"

#include <initializer_list>

namespace {

constexpr int kLength = 200;
constexpr int kThickness = 10;

struct Tick {
    int width;
    int length;
};
constexpr Tick kMinor{1, 3};
constexpr Tick kQuarter{2, 6};
constexpr Tick kHalf{2, 7};

QImage blankScale(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

// Calls mark(along, across) for every pixel of a tick at position along.
template <class Mark>
void drawTicks(int firstMinor, Mark mark)
{
    auto tick = [&](int at, Tick kind) {
        for (int a = at; a < at + kind.width && a < kLength; ++a)
            for (int c = 0; c < kind.length; ++c)
                mark(a, c);
    };
    for (int at = firstMinor; at < kLength; at += 5)
        tick(at, kMinor);
    for (int at : {24, 74, 124, 174})
        tick(at, kQuarter);
    for (int at : {49, 99, 149})
        tick(at, kHalf);
}

}  // namespace

QImage horizontalScalePicture()
{
    QImage picture = blankScale(kLength, kThickness);
    drawTicks(4, [&](int along, int across) { picture.setPixel(along, across, qRgb(0, 0, 0)); });
    return picture;
}

QImage verticalScalePicture()
{
    QImage picture = blankScale(kThickness, kLength);
    drawTicks(5, [&](int along, int across) {
        picture.setPixel(kThickness - 1 - across, along, qRgb(0, 0, 0));
    });
    return picture;
}
