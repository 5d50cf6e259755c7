// The main window's side of the 3-D picture: start, renew, turning, zoom,
// plane views, automatic swinging, frames and the 3-D or flat layout.

#include "bitmap_view.h"
#include "finding_readout.h"
#include "handler_guard.h"
#include "library_start.h"
#include "main_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QElapsedTimer>
#include <QFrame>
#include <QMimeData>
#include <QLabel>
#include <QScopeGuard>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

namespace {

constexpr int kStep = 3;  // degrees a turn step
constexpr int kTurnLowest = -90;
constexpr int kTurnHighest = 27;
constexpr int kTiltLowest = -30;
constexpr int kTiltHighest = 87;
constexpr float kZoomStep = 0.1f;
// The zoom steps the library follows from its start size of 1.
constexpr int kZoomStepsOut = static_cast<int>((1.0f - D3D_MINIMUM_ZOOM) / kZoomStep + 0.5f);
constexpr int kZoomStepsIn = static_cast<int>((D3D_MAXIMUM_ZOOM - 1.0f) / kZoomStep + 0.5f);
constexpr int kIdleFold = 512;      // after this many quiet ticks the count falls back...
constexpr int kIdleFoldedTo = 60;   // ...to here, so the swinging rests a while
constexpr int kIdleBeforeSwing = 120;
constexpr int kViewWaitMilliseconds = 2000;

}  // namespace

void TForm1::Start3DView()
{
    LibraryStart start;
    start.window = this;
    start.voxels = volume.voxels.data();
    start.bottomHeight = checkedNarrow<uint16_t>(Panel9->height() + StatusBar1->height());
    start.light = checkedNarrow<uint16_t>(light_on);
    start.turnAngle = turn_angle;
    start.tiltAngle = tilt_angle;
    start.frames = CheckBox1->isChecked();
    startLibrary(d3d_, start, [this] { ScrollBar1Change(); });
    showPitches(d3d_, Readout->probeGeometry());
    applyViewLayout(CheckBox7->isChecked());
    idle_ticks = 0;
}

void TForm1::applyViewLayout(bool threeD)
{
    Panel3->setVisible(threeD);
    Panel5->setVisible(!threeD);
    Image5->setVisible(threeD);
    Image6->setVisible(threeD);
    const QFrame::Shadow bevel = threeD ? QFrame::Sunken : QFrame::Raised;
    Panel6->setFrameShadow(bevel);
    Panel2->setFrameShadow(bevel);
    if (threeD) {
        d3d_.d3dzero_(0, checkedNarrow<uint16_t>(Panel9->height()));
        d3d_.d3dsize_(checkedNarrow<uint16_t>(ClientArea->width() - Panel1->width()),
                      checkedNarrow<uint16_t>(ClientArea->height() - CoolBar1->height() - Panel9->height()));
    } else {
        d3d_.d3dzero_(checkedNarrow<uint16_t>(Panel1->x() + 9),
                      checkedNarrow<uint16_t>(Panel1->height() + Image6->height() - CoolBar1->y()
                                              - CoolBar1->height() - Image1->height() + Panel9->height() - 16));
        d3d_.d3dsize_(checkedNarrow<uint16_t>(Panel3->width()), checkedNarrow<uint16_t>(Panel3->height()));
    }
    Panel5->repaint();
    Panel3->repaint();
    idle_ticks = 0;
}

void TForm1::holdingView(const std::function<void()> &work)
{
    if (view_busy)
        return;
    view_busy = 1;
    const auto release = qScopeGuard([this] { view_busy = 0; });
    work();
}

bool TForm1::waitUntilViewIdle()
{
    QElapsedTimer waited;
    waited.start();
    while (view_busy && waited.elapsed() < kViewWaitMilliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return !view_busy;
}

void TForm1::Button3Click()
{
    if (heldBack(renewal_))
        return;
    renewed_ = renewalOfControls();
    renewVolume(d3d_, volume, renewed_->range, renewed_->threshold);
    idle_ticks = 0;
    showRenewalNote();
    emit threeDPictureRenewed();
}

// One turn step; the angles are only tracked within their ranges, while the
// picture always turns.
void TForm1::turnPicture(float turn, float tilt)
{
    idle_ticks = 0;
    holdingView([&] {
        d3d_.d3drotate_(0.0f, turn, tilt);
        if (turn < 0 && turn_angle > kTurnLowest)
            turn_angle -= kStep;
        if (turn > 0 && turn_angle < kTurnHighest)
            turn_angle += kStep;
        if (tilt < 0 && tilt_angle > kTiltLowest)
            tilt_angle -= kStep;
        if (tilt > 0 && tilt_angle < kTiltHighest)
            tilt_angle += kStep;
    });
}

void TForm1::BitBtn1Click()
{
    turnPicture(-kStep, 0);
}

void TForm1::BitBtn2Click()
{
    turnPicture(kStep, 0);
}

void TForm1::BitBtn3Click()
{
    turnPicture(0, -kStep);
}

void TForm1::BitBtn4Click()
{
    turnPicture(0, kStep);
}

void TForm1::BitBtn9Click()
{
    zoomPicture(1);
}

void TForm1::BitBtn10Click()
{
    zoomPicture(-1);
}

void TForm1::zoomPicture(int steps)
{
    idle_ticks = 0;
    holdingView([&] {
        const float by = kZoomStep * static_cast<float>(steps);
        d3d_.d3dscale_(by, by, by);
        zoom_steps = std::clamp(zoom_steps + steps, -kZoomStepsOut, kZoomStepsIn);
    });
}

void TForm1::SpeedButton1Click()
{
    turnBackTo(0, 0);
}

void TForm1::turnBackTo(int turn, int tilt)
{
    if (!waitUntilViewIdle())
        return;
    holdingView([&] {
        for (; turn_angle <= turn - kStep; turn_angle += kStep)
            d3d_.d3drotate_(0.0f, kStep, 0.0f);
        for (; turn_angle >= turn + kStep; turn_angle -= kStep)
            d3d_.d3drotate_(0.0f, -kStep, 0.0f);
        for (; tilt_angle <= tilt - kStep; tilt_angle += kStep)
            d3d_.d3drotate_(0.0f, 0.0f, kStep);
        for (; tilt_angle >= tilt + kStep; tilt_angle -= kStep)
            d3d_.d3drotate_(0.0f, 0.0f, -kStep);
        alignPicture(turn, tilt);
    });
}

void TForm1::alignPicture(int turn, int tilt)
{
    const float turnLeft = static_cast<float>(turn) - picture_turn_;
    const float tiltLeft = static_cast<float>(tilt) - picture_tilt_;
    if (turnLeft != 0 || tiltLeft != 0)
        d3d_.d3drotate_(0.0f, turnLeft, tiltLeft);
}

// Turns to the side view: a quarter turn to the left, then the tilt back to level.
void TForm1::SpeedButton2Click()
{
    if (!waitUntilViewIdle())
        return;
    holdingView([this] {
        for (; turn_angle > kTurnLowest; turn_angle -= kStep)
            d3d_.d3drotate_(0.0f, -kStep, 0.0f);
        for (; tilt_angle <= -kStep; tilt_angle += kStep)
            d3d_.d3drotate_(0.0f, 0.0f, kStep);
        for (; tilt_angle >= kStep; tilt_angle -= kStep)
            d3d_.d3drotate_(0.0f, 0.0f, -kStep);
        alignPicture(kTurnLowest, 0);
    });
}

// After four quiet minutes the picture swings back and forth: ten steps each
// way with one still tick between, until the count folds back and it rests.
void TForm1::Timer1Timer()
{
    if (view_busy)
        return;
    if (++idle_ticks > kIdleFold)
        idle_ticks = kIdleFoldedTo;
    if (idle_ticks < kIdleBeforeSwing)
        return;
    const int r = idle_ticks % 21 - 10;
    const int swing = kStep * ((r > 0) - (r < 0));
    holdingView([&] {
        d3d_.d3drotate_(0.0f, static_cast<float>(swing), static_cast<float>(swing));
        if (turn_angle > kTurnLowest && turn_angle < kTurnHighest)
            turn_angle += swing;
        if (tilt_angle > kTiltLowest && tilt_angle < kTiltHighest)
            tilt_angle += swing;
    });
}

void TForm1::CheckBox1Click()
{
    holdingView([this] { d3d_.d3dtype_(1); });
}

void TForm1::CheckBox7Click()
{
    idle_ticks = 0;
    holdingView([this] { applyViewLayout(CheckBox7->isChecked()); });
}

void TForm1::FormDragOver()
{
    d3d_.d3dupdate_();
}

// Files are taken (main_window_recent.cpp), as copies: a file manager
// removes a file whose move is accepted. Any other drag is not taken.
void TForm1::dragEnterEvent(QDragEnterEvent *event)
{
    runGuarded([this] { FormDragOver(); });
    if (event->mimeData()->hasUrls() && event->possibleActions().testFlag(Qt::CopyAction)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}
