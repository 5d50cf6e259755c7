#include "viewport_widget.h"

#include "scene_renderer.h"

#include <QEvent>
#include <QPainter>

ViewportWidget::ViewportWidget(QWidget *host, const Scene &scene) : QWidget(host), scene_(scene)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    host->installEventFilter(this);
    lower();
    show();
}

void ViewportWidget::setOrigin(int left, int bottom)
{
    left_ = left;
    bottom_ = bottom;
    applyPlacement();
}

void ViewportWidget::setAreaSize(int width, int height)
{
    width_ = width;
    height_ = height;
    applyPlacement();
}

void ViewportWidget::applyPlacement()
{
    const QWidget *host = parentWidget();
    setGeometry(left_, host->height() - bottom_ - height_, width_, height_);
}

void ViewportWidget::sceneChanged()
{
    pictureStale_ = true;
    update();
}

bool ViewportWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        applyPlacement();
    return QWidget::eventFilter(watched, event);
}

void ViewportWidget::paintEvent(QPaintEvent *)
{
    if (width() <= 0 || height() <= 0)
        return;
    if (pictureStale_ || picture_.size() != size()) {
        picture_ = QImage(size(), QImage::Format_RGB32);
        renderScene(scene_, picture_);
        pictureStale_ = false;
    }
    QPainter(this).drawImage(0, 0, picture_);
}
