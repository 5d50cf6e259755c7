#pragma once
// Pictures of the program stored as JPEG images, decoded with libjpeg.

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes a JPEG image; a null image when the data is not a readable JPEG.
QImage decodeJpeg(const QByteArray &data);

// The picture of the splash and About windows, bundled with the program.
QImage aboutPicture();
