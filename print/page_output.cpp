#include "page_output.h"

#include <QPainter>

QSize printableArea(const QPagedPaintDevice &device, int resolution)
{
    return device.pageLayout().paintRectPixels(resolution).size();
}

bool printPage(QPagedPaintDevice &device, const QImage &page)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // a PDF stores the page as it is, not as a JPEG
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(0, 0, page);
    return painter.end();
}
