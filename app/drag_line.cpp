#include "drag_line.h"

#include <QMouseEvent>

DragLine::DragLine(QWidget *parent, Qt::Orientation orientation, const QColor &colour) : QFrame(parent)
{
    setCursor(orientation == Qt::Vertical ? Qt::SizeHorCursor : Qt::SizeVerCursor);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
}

void DragLine::mousePressEvent(QMouseEvent *)
{
    emit mouseDown();
}

void DragLine::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->position().toPoint());
}

void DragLine::mouseReleaseEvent(QMouseEvent *)
{
    emit mouseUp();
}
