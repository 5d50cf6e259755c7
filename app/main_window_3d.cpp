// The main window's side of the 3-D picture.

#include "main_layout.h"
#include "bitmap_view.h"
#include "main_window.h"
#include "volume_upload.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>

void TForm1::Start3DView()
{
    d3d_.d3dinit_(this, volume.voxels.data(), VoxelLayout::kHighestIndex,
                  checkedNarrow<uint16_t>(Panel9->height() + StatusBar1->height()));
    d3d_.d3dlight_(checkedNarrow<uint16_t>(light_on));
    d3d_.d3drotate_(0.0f, static_cast<float>(turn_angle), static_cast<float>(tilt_angle));
    d3d_.d3dtype_(1);
    if (!CheckBox1->isChecked())
        d3d_.d3dzone_();
    ScrollBar1Change();
    d3d_.d3dcurse_();
    d3d_.d3dreview_(1);
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

void TForm1::Button3Click()
{
    uploadVolume(volume, {RxSlider5->value(), RxSlider6->value(), RxSlider2->value(), RxSlider4->value()});
    d3d_.d3dreview_(RxSlider3->value());
    idle_ticks = 0;
}

void TForm1::CheckBox1Click()
{
    if (view_busy)
        return;
    view_busy = 1;
    d3d_.d3dtype_(1);
    view_busy = 0;
}

void TForm1::CheckBox7Click()
{
    idle_ticks = 0;
    if (view_busy)
        return;
    view_busy = 1;
    applyViewLayout(CheckBox7->isChecked());
    view_busy = 0;
}
