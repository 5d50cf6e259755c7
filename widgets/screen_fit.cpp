#include "screen_fit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

// How often and how long the frame is looked for after the window is shown.
constexpr int kFramePollMilliseconds = 100;
constexpr int kFramePolls = 50;

}  // namespace

AvailableAreaFit::AvailableAreaFit(QWidget &window, bool fixedSize)
    : QObject(&window), window_(window), fixedSize_(fixedSize), framePoll_(new QTimer(this))
{
    window.installEventFilter(this);
    framePoll_->setInterval(kFramePollMilliseconds);
    connect(framePoll_, &QTimer::timeout, this, [this] {
        fit();
        if (++polls_ >= kFramePolls || (fittedFrame_ && !fittedFrame_->isNull()))
            framePoll_->stop();
    });
}

void AvailableAreaFit::fit()
{
    const QScreen *screen = window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QWindow *handle = window_.windowHandle();
    const QMargins frame = handle && window_.isVisible() ? handle->frameMargins() : QMargins();
    // Fitted once for each frame, so that a window manager that keeps the
    // window elsewhere is not asked again and again.
    if (fittedFrame_ == frame)
        return;
    fittedFrame_ = frame;
    const QRect inside = screen->availableGeometry().marginsRemoved(frame);
    if (fixedSize_)
        window_.setFixedSize(inside.size());
    window_.setGeometry(inside);
}

bool AvailableAreaFit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &window_ && event->type() == QEvent::Show) {
        fit();
        // the window manager frames the window after it is shown, and Qt
        // tells of no event when the frame becomes known
        polls_ = 0;
        framePoll_->start();
    }
    return QObject::eventFilter(watched, event);
}

void placeBelow(QWidget &window, const QWidget &above, Qt::AlignmentFlag end)
{
    const QRect bar(above.mapToGlobal(QPoint(0, 0)), above.size());
    const QSize size = window.frameGeometry().size();
    QPoint at(end == Qt::AlignRight ? bar.right() + 1 - size.width() : bar.left(), bar.bottom() + 1);
    if (const QScreen *screen = above.screen()) {
        const QRect area = screen->availableGeometry();
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())));
        at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
    }
    window.move(at);
}

HeightForWidthFit::HeightForWidthFit(QWidget &window) : QObject(&window), window_(window)
{
    window.installEventFilter(this);
}

bool HeightForWidthFit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &window_ && (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Resize))
        // after the layout has taken the request itself
        QMetaObject::invokeMethod(this, [this] { fit(); }, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

void HeightForWidthFit::fit()
{
    QLayout *layout = window_.layout();
    if (!layout)
        return;
    layout->activate();
    const int width = window_.width();
    const int height =
        layout->hasHeightForWidth() ? layout->totalHeightForWidth(width) : layout->totalSizeHint().height();
    window_.setMinimumHeight(height);
    if (window_.height() != height)
        window_.resize(width, height);
}
