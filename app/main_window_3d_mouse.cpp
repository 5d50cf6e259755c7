// The mouse on the 3-D picture: a left drag turns and tilts it through the
// turn buttons' steps, the wheel zooms as F2 and F3 do, a double click goes
// back to the start view. Each action counts as the user's, like a key. The
// area of the picture and its turn are watched on their way to the library.

#include "handler_guard.h"
#include "main_window.h"

#include <QMouseEvent>
#include <QWheelEvent>

void TForm1::watchPictureArea()
{
    d3d_.d3dzero_ = [this, zero = d3d_.d3dzero_](uint16_t left, uint16_t bottom) {
        picture_origin_ = QPoint(left, bottom);
        zero(left, bottom);
        placeRenewalNote();
    };
    d3d_.d3dsize_ = [this, size = d3d_.d3dsize_](uint16_t width, uint16_t height) {
        picture_size_ = QSize(width, height);
        size(width, height);
        placeRenewalNote();
    };
    d3d_.d3drotate_ = [this, rotate = d3d_.d3drotate_](float depthAxis, float vertical, float horizontal) {
        picture_turn_ += vertical;
        picture_tilt_ += horizontal;
        rotate(depthAxis, vertical, horizontal);
    };
}

QRect TForm1::pictureArea() const
{
    return {QPoint(picture_origin_.x(), height() - picture_origin_.y() - picture_size_.height()), picture_size_};
}

bool TForm1::onPicture(QPoint at) const
{
    return pictureArea().contains(at);
}

void TForm1::pressOnPicture(Qt::MouseButton button, QPoint at)
{
    idle_ticks = 0;
    picture_dragged_ = button == Qt::LeftButton;
    picture_drag_.start(at);
}

void TForm1::dragOnPicture(QPoint at)
{
    idle_ticks = 0;
    const DragSteps::Steps steps = picture_drag_.moveTo(at);
    for (int i = 0; i < std::abs(steps.turn); ++i)
        steps.turn > 0 ? BitBtn2Click() : BitBtn1Click();
    for (int i = 0; i < std::abs(steps.tilt); ++i)
        steps.tilt > 0 ? BitBtn4Click() : BitBtn3Click();
}

void TForm1::releaseOnPicture()
{
    picture_dragged_ = false;
}

void TForm1::wheelOnPicture(int delta)
{
    idle_ticks = 0;
    const int steps = picture_wheel_.turn(delta);
    for (int i = 0; i < std::abs(steps); ++i)
        steps > 0 ? BitBtn9Click() : BitBtn10Click();
}

void TForm1::returnToStartView()
{
    idle_ticks = 0;
    picture_dragged_ = false;
    turnBackTo(kStartTurnAngle, kStartTiltAngle);
    while (zoom_steps != 0) {
        const int before = zoom_steps;
        zoom_steps > 0 ? BitBtn10Click() : BitBtn9Click();
        if (zoom_steps == before)
            break;  // another handler holds the view
    }
}

void TForm1::mousePressEvent(QMouseEvent *event)
{
    if (!onPicture(event->position().toPoint()))
        return QWidget::mousePressEvent(event);
    runGuarded([&] { pressOnPicture(event->button(), event->position().toPoint()); });
}

void TForm1::mouseMoveEvent(QMouseEvent *event)
{
    if (!picture_dragged_ || !(event->buttons() & Qt::LeftButton))
        return QWidget::mouseMoveEvent(event);
    runGuarded([&] { dragOnPicture(event->position().toPoint()); });
}

void TForm1::mouseReleaseEvent(QMouseEvent *event)
{
    if (!picture_dragged_)
        return QWidget::mouseReleaseEvent(event);
    runGuarded([&] { releaseOnPicture(); });
}

void TForm1::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !onPicture(event->position().toPoint()))
        return QWidget::mouseDoubleClickEvent(event);
    runGuarded([&] { returnToStartView(); });
}

void TForm1::wheelEvent(QWheelEvent *event)
{
    if (!onPicture(event->position().toPoint()))
        return QWidget::wheelEvent(event);
    runGuarded([&] { wheelOnPicture(event->angleDelta().y()); });
}
