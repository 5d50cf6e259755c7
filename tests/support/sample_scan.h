#pragma once
// The bundled sample scan and scan files made up for a test.

#include <QByteArray>
#include <QFile>

// The bytes of the bundled sample scan.
inline QByteArray bundledSample()
{
    QFile file(qEnvironmentVariable("VELMORA_SAMPLE_SCAN"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A scan file of the given image bytes, with a zero header.
inline QByteArray scanFileOf(const QByteArray &image)
{
    return QByteArrayLiteral("VLMv1.0") + QByteArray(9, '\0') + image;
}
