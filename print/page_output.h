#pragma once
// Sending the composed page to a printer or a PDF file: one page, the
// bitmap drawn at its own size in the device's pixels.

#include <QImage>
#include <QPagedPaintDevice>

// The printable area of the device in its own pixels: the page's PW x PH.
QSize printableArea(const QPagedPaintDevice &device, int resolution);

// False when the device could not be painted on.
bool printPage(QPagedPaintDevice &device, const QImage &page);
