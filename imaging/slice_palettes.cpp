#include "slice_palettes.h"

#include <cmath>
#include <cstdint>

namespace {

struct Stop {
    double at;  // 0 no echo .. 1 the strongest
    QRgb colour;
};

constexpr Stop kAmplitudeStops[] = {{0.0, qRgb(255, 255, 255)}, {0.25, qRgb(0, 0, 255)}, {0.5, qRgb(0, 255, 0)},
                                    {0.75, qRgb(255, 255, 0)},   {1.0, qRgb(255, 0, 0)}};
constexpr Stop kHotStops[] = {
    {0.0, qRgb(0, 0, 0)}, {1.0 / 3, qRgb(255, 0, 0)}, {2.0 / 3, qRgb(255, 255, 0)}, {1.0, qRgb(255, 255, 255)}};

int blend(int from, int to, double share)
{
    return static_cast<int>(std::lround(from + (to - from) * share));
}

template <std::size_t N>
std::array<QRgb, 256> coloursThrough(const Stop (&stops)[N])
{
    std::array<QRgb, 256> colours{};
    for (int grey = 0; grey < 256; ++grey) {
        const double strength = (255 - grey) / 255.0;
        std::size_t next = 1;
        while (next + 1 < N && strength > stops[next].at)
            ++next;
        const Stop &a = stops[next - 1];
        const Stop &b = stops[next];
        const double share = (strength - a.at) / (b.at - a.at);
        colours[static_cast<std::size_t>(grey)] =
            qRgb(blend(qRed(a.colour), qRed(b.colour), share), blend(qGreen(a.colour), qGreen(b.colour), share),
                 blend(qBlue(a.colour), qBlue(b.colour), share));
    }
    return colours;
}

std::array<QRgb, 256> greys()
{
    std::array<QRgb, 256> colours{};
    for (int grey = 0; grey < 256; ++grey)
        colours[static_cast<std::size_t>(grey)] = qRgb(grey, grey, grey);
    return colours;
}

}  // namespace

std::optional<SlicePalette> paletteNamed(const QString &name)
{
    for (const SlicePalette palette : {SlicePalette::Grey, SlicePalette::Amplitude, SlicePalette::Hot}) {
        if (name == paletteName(palette))
            return palette;
    }
    return std::nullopt;
}

QString paletteName(SlicePalette palette)
{
    switch (palette) {
    case SlicePalette::Amplitude:
        return QStringLiteral("amplitude");
    case SlicePalette::Hot:
        return QStringLiteral("hot");
    case SlicePalette::Grey:
        break;
    }
    return QStringLiteral("grey");
}

const std::array<QRgb, 256> &paletteColours(SlicePalette palette)
{
    static const std::array<QRgb, 256> grey = greys();
    static const std::array<QRgb, 256> amplitude = coloursThrough(kAmplitudeStops);
    static const std::array<QRgb, 256> hot = coloursThrough(kHotStops);
    switch (palette) {
    case SlicePalette::Amplitude:
        return amplitude;
    case SlicePalette::Hot:
        return hot;
    case SlicePalette::Grey:
        break;
    }
    return grey;
}

void applyPalette(QImage &picture, SlicePalette palette, const QRect &area)
{
    const bool blueFirst = picture.format() == QImage::Format_BGR888;
    if (palette == SlicePalette::Grey || (!blueFirst && picture.format() != QImage::Format_RGB888))
        return;
    const std::array<QRgb, 256> &colours = paletteColours(palette);
    const QRect within = area & picture.rect();
    for (int y = within.top(); y <= within.bottom(); ++y) {
        uint8_t *pixel = picture.scanLine(y) + 3 * within.left();
        for (int x = within.left(); x <= within.right(); ++x, pixel += 3) {
            if (pixel[0] != pixel[1] || pixel[1] != pixel[2])
                continue;
            const QRgb colour = colours[pixel[0]];
            pixel[0] = static_cast<uint8_t>(blueFirst ? qBlue(colour) : qRed(colour));
            pixel[1] = static_cast<uint8_t>(qGreen(colour));
            pixel[2] = static_cast<uint8_t>(blueFirst ? qRed(colour) : qBlue(colour));
        }
    }
}
