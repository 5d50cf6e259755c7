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
    if (fit_ == Fit::Stretch)
        painter.drawImage(rect(), bitmap_);
    else
        painter.drawImage(0, 0, bitmap_);
    for (const Overlay &overlay : overlays_)
        overlay(painter);
}

void BitmapView::addOverlay(Overlay overlay)
{
    overlays_.push_back(std::move(overlay));
    update();
}

void BitmapView::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button(), event->position().toPoint(), event->modifiers());
}
