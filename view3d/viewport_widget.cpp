#include "viewport_widget.h"

#include <QEvent>
#include <QPainter>
#include <QScreen>

#include <cmath>

ViewportWidget::ViewportWidget(QWidget *host, const Scene &scene) : QWidget(host), scene_(scene)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    host->installEventFilter(this);
    nextFrame_.setSingleShot(true);
    connect(&nextFrame_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
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

// Many changes within one refresh (a drag sends a turn for every few pixels)
// make one new frame.
void ViewportWidget::sceneChanged()
{
    pictureStale_ = true;
    if (nextFrame_.isActive())
        return;
    const qint64 since = sinceLastFrame_.isValid() ? sinceLastFrame_.elapsed() : refreshMilliseconds();
    if (since >= refreshMilliseconds())
        update();
    else
        nextFrame_.start(static_cast<int>(refreshMilliseconds() - since));
}

int ViewportWidget::refreshMilliseconds() const
{
    const QScreen *display = screen();
    const double hertz = display && display->refreshRate() > 1 ? display->refreshRate() : 60.0;
    return static_cast<int>(std::ceil(1000.0 / hertz));
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
    // drawn at the screen's device pixels, which a scale factor makes more than the widget's
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (pictureStale_ || picture_.size() != pixels) {
        if (picture_.size() != pixels)
            picture_ = QImage(pixels, QImage::Format_RGB32);
        picture_.setDevicePixelRatio(ratio);
        renderer_.render(scene_, picture_);
        pictureStale_ = false;
        sinceLastFrame_.start();
    }
    QPainter(this).drawImage(0, 0, picture_);
}
