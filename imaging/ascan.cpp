// The A-scan: the amplitudes of the trace under the cursor as a bar graph,
// 80 rows for the amplitudes 0..128.

#include "slice_renderer.h"

namespace {

// The 16 standard VGA colours.
constexpr QRgb kVgaColours[16] = {
    qRgb(0, 0, 0),     qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),   qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0), qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),   qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

}  // namespace

QImage makeSliceBitmap(int width, int height)
{
    QImage bitmap(width, height, QImage::Format_BGR888);
    bitmap.fill(Qt::white);
    return bitmap;
}

QImage makeAScanBitmap()
{
    QImage bitmap(kAScanWidth, kAScanHeight, QImage::Format_Indexed8);
    QList<QRgb> palette(std::begin(kVgaColours), std::end(kVgaColours));
    palette.resize(256, qRgb(0, 0, 0));
    bitmap.setColorTable(palette);
    bitmap.fill(kAScanBackground);
    return bitmap;
}

void DrawAScan(const ScanVolume &volume, const ViewState &view, QImage &aScan)
{
    if (aScan.format() != QImage::Format_Indexed8 || aScan.width() < kAScanWidth || aScan.height() < kAScanHeight)
        throw RangeError();
    const int trace = TraceOffset(view.layer, view.slice);
    checkRange(trace, ScanLayout::kTraceLength, volume.scan_image.size());
    const uint8_t *samples = volume.scan_image.data() + trace;
    for (int i = 1; i < kAScanHeight; ++i) {
        uint8_t *row = aScan.scanLine(i);
        // byte > (80 - i) * 128 / 80, compared without rounding
        const int level = (kAScanHeight - i) * 128;
        for (int j = 1; j < kAScanWidth; ++j)
            row[j] = samples[j] * kAScanHeight > level ? kAScanBar : kAScanBackground;
    }
}
