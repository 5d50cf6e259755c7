#include "page_preview.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr int kZoomWidening = 200;

int truncated(long double value)
{
    return static_cast<int>(std::trunc(value));
}

// From (left, top) to (right, bottom), the right and bottom edges outside.
QRect span(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

}  // namespace

PreviewGeometry previewGeometry(QSize preview, QSize page, int zoom, int scrollH, int scrollV)
{
    const int iw = preview.width();
    const int ih = preview.height();
    const long double pw = page.width();
    const long double ph = page.height();
    PreviewGeometry geometry;
    geometry.scroll_step_h = truncated(static_cast<long double>(ih) * 2 * (zoom + 1) / 200);
    geometry.scroll_step_v = truncated(static_cast<long double>(iw) * 2 * (zoom + 1) / 200);
    const long double byHeight = ph / ih;
    const long double byWidth = pw / iw;
    const long double scale = byHeight > byWidth ? byHeight : byWidth;
    geometry.page_scale = static_cast<double>(scale);
    const int a = truncated(iw / 2.0L - pw / scale / 2);
    const int b = truncated(iw / 2.0L + pw / scale / 2);
    const int c = truncated(ih / 2.0L - ph / scale / 2);
    const int d = truncated(ih / 2.0L + ph / scale / 2);
    const int g = kZoomWidening * zoom;
    const int sx = scrollH * geometry.scroll_step_h;
    const int sy = scrollV * geometry.scroll_step_v;
    geometry.shadow = span(a + 15 - g - sx, c + 10 - g - sy, b + 15 + g - sx, d - 5 + g - sy);
    geometry.page = span(a - g - sx, c + 5 - g - sy, b + g - sx, d - 15 + g - sy);
    return geometry;
}

void DrawPagePreview(QImage &preview, const QImage &page, const PreviewGeometry &geometry)
{
    QPainter painter(&preview);
    painter.fillRect(preview.rect(), QColor(128, 128, 128));
    painter.fillRect(geometry.shadow, Qt::black);
    if (!page.isNull())
        painter.drawImage(geometry.page, page);
}
