// Draws the picture of the splash and About windows: a probe on a steel
// block, its sound beam meeting a flaw, and the A-scan it records. Writes
// it as a JPEG image to the path given.

#include "export_writers.h"

#include <QGuiApplication>
#include <QImageWriter>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>

namespace {

void drawBlock(QPainter &painter)
{
    QLinearGradient steel(0, 30, 0, 80);
    steel.setColorAt(0, QColor(150, 158, 170));
    steel.setColorAt(1, QColor(95, 102, 115));
    painter.fillRect(QRect(10, 30, 140, 50), steel);
    painter.setPen(QColor(60, 64, 72));
    painter.drawRect(QRect(10, 30, 140, 50));
}

void drawProbeAndBeam(QPainter &painter)
{
    QPolygon beam;
    beam << QPoint(52, 30) << QPoint(68, 30) << QPoint(78, 80) << QPoint(42, 80);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 230, 90, 120));
    painter.drawPolygon(beam);
    painter.setBrush(QColor(40, 60, 140));
    painter.drawRoundedRect(QRect(50, 14, 20, 16), 3, 3);
    painter.setPen(QPen(QColor(30, 30, 30), 2));
    painter.drawLine(60, 14, 60, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 30, 30));
    painter.drawEllipse(QPoint(62, 58), 4, 3);
}

void drawAScan(QPainter &painter)
{
    painter.fillRect(QRect(10, 86, 140, 30), QColor(10, 20, 10));
    QPainterPath trace;
    trace.moveTo(12, 114);
    for (int x = 12; x < 148; ++x) {
        const double t = x - 12.0;
        const double echo = 22 * std::exp(-std::pow((t - 6) / 3.0, 2)) + 14 * std::exp(-std::pow((t - 62) / 3.0, 2))
                            + 18 * std::exp(-std::pow((t - 118) / 3.0, 2)) + 1.5 * std::sin(t * 1.7);
        trace.lineTo(x, 114 - echo);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(60, 230, 80), 1.2));
    painter.drawPath(trace);
}

}  // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-about-picture OUT.jpg\n");
        return 2;
    }
    QImage picture(160, 120, QImage::Format_RGB32);
    QLinearGradient sky(0, 0, 0, 120);
    sky.setColorAt(0, QColor(225, 232, 245));
    sky.setColorAt(1, QColor(180, 192, 215));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(picture.rect(), sky);
    drawBlock(painter);
    drawProbeAndBeam(painter);
    drawAScan(painter);
    painter.end();
    const WriteOutcome outcome = writeFileWhole(QString::fromLocal8Bit(argv[1]), [&](QFileDevice &file) {
        QImageWriter writer(&file, "jpg");
        writer.setQuality(90);
        return writer.write(picture);
    });
    if (!outcome.ok)
        std::fprintf(stderr, "make-about-picture: cannot write %s: %s\n", argv[1], qPrintable(outcome.error));
    return outcome.ok ? 0 : 1;
}
