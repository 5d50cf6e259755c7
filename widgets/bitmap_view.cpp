#include "bitmap_view.h"

#include <QMouseEvent>
#include <QPainter>

BitmapView::BitmapView(QWidget *parent, const QImage &bitmap, Fit fit) : QWidget(parent), bitmap_(bitmap), fit_(fit)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BitmapView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const qreal ratio = devicePixelRatioF();
    if (fit_ == Fit::Stretch) {
        painter.drawImage(rect(), bitmap_);
    } else if (sharpPicture_ && ratio > 1) {
        QImage sharp = sharpPicture_(ratio);
        sharp.setDevicePixelRatio(ratio);
        painter.drawImage(0, 0, sharp);
    } else {
        painter.drawImage(0, 0, bitmap_);
    }
    for (const Overlay &overlay : overlays_)
        overlay(painter);
}

void BitmapView::addOverlay(Overlay overlay)
{
    overlays_.push_back(std::move(overlay));
    update();
}

void BitmapView::setSharpPicture(SharpPicture picture)
{
    sharpPicture_ = std::move(picture);
    update();
}

void BitmapView::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button(), event->position().toPoint(), event->modifiers());
}
