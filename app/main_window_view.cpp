// The slice views: rendering, rulers, and the controls that move the cursor
// and change the view.

#include "ascan_lines.h"
#include "axis_rulers.h"
#include "bitmap_view.h"
#include "cursor_position.h"
#include "dialog_seam.h"
#include "drag_line.h"
#include "finding_readout.h"
#include "shown_slice.h"
#include "slice_palette_choice.h"
#include "library_start.h"
#include "main_window.h"
#include "program_messages.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QScopeGuard>
#include <QStatusBar>

#include <new>
#include <utility>

ViewState TForm1::viewState() const
{
    ViewState view;
    view.axis = RadioButton3->isChecked() ? SliceAxis::Z : RadioButton1->isChecked() ? SliceAxis::Y : SliceAxis::X;
    view.slice = ScrollBar2->value();
    view.layer = ScrollBar3->value();
    view.depth = ScrollBar1->value();
    view.topBorder = RxSlider2->value();
    view.bottomBorder = RxSlider4->value();
    view.firstLayer = RxSlider5->value();
    view.lastLayer = RxSlider6->value();
    view.brightness = RxSlider1->value();
    view.threshold = RxSlider3->value();
    view.smoothing = smoothing;
    view.showGateMaximum = GateMaximumItem->isChecked();
    return view;
}

void TForm1::Image1Click()
{
    idle_ticks = 0;
    if (heldBack(slice_redraw_))
        return;
    SliceBitmaps bitmaps{image3Bitmap, image1Bitmap, image2Bitmap};
    try {
        const SliceLook look{Readout->sliceGain(), Palettes->palette()};
        renderShownSlice(volume, viewState(), geometry, bitmaps, look);
    } catch (const std::bad_alloc &) {
        showErrorMessage(kNotEnoughMemory);
    }
    Image1->update();
    Image3->update();
    Image2->repaint();
    Readout->refresh();
    showGateNote();
    showRenewalNote();
    emit sliceImageRedrawn();
}

void TForm1::holdingRedraws(HeldRedraw &held, const std::function<void()> &work)
{
    ++held.holds;
    {
        const auto release = qScopeGuard([&held] { --held.holds; });
        work();
    }
    if (held.holds == 0 && std::exchange(held.asked, false))
        (this->*held.redraw)();
}

bool TForm1::heldBack(HeldRedraw &held)
{
    if (held.holds == 0)
        return false;
    held.asked = true;
    return true;
}

void TForm1::DrawAxisRulers()
{
    QImage left(Image8->size(), QImage::Format_RGB32);
    QImage bottom(Image7->size(), QImage::Format_RGB32);
    if (left.isNull() || bottom.isNull())
        return;
    drawAxisRulers(axisRulerMarks(viewState().axis, geometry, depthScaleFactor(volume)), left, bottom);
    Image8->setPixmap(QPixmap::fromImage(left));
    Image7->setPixmap(QPixmap::fromImage(bottom));
}

void TForm1::ScrollBar1Change()
{
    if (view_busy)
        return;
    view_busy = 1;
    const int slice = ScrollBar2->value();
    const int layer = ScrollBar3->value();
    const int depth = ScrollBar1->value();
    const int scale = depthScaleFactor(volume);
    Label6->setText(sliceReadout(slice));
    Label7->setText(layerReadout(layer));
    Label8->setText(depthReadout(depth, scale));
    StatusBar1->showMessage(statusLine(slice, layer, depth, scale));
    const auto cursor = cursorForLibrary(layer, depth, slice);
    d3d_.d3dmove_(cursor[0], cursor[1], cursor[2]);
    view_busy = 0;
    Image1Click();
}

void TForm1::RxSlider1Change()
{
    Image1Click();
}

void TForm1::RxSlider3Change()
{
    RxSplitter3->move(RxSplitter3->x(), thresholdLineY(RxSlider3->value(), Image2->y(), Image2->height()));
    if (form_ready)
        Button3Click();
}

void TForm1::RxSlider2Change()
{
    const int allowed = keptBelow(RxSlider2->value(), RxSlider4->value());
    if (allowed != RxSlider2->value())
        RxSlider2->setValue(allowed);
    RxSplitter1->move(borderLineX(RxSlider2->value(), Image2->width()), RxSplitter1->y());
    RxLabel8->setText(depthReadout(RxSlider2->value(), depthScaleFactor(volume)));
    Image1Click();
}

void TForm1::RxSlider4Change()
{
    const int allowed = keptAbove(RxSlider4->value(), RxSlider2->value());
    if (allowed != RxSlider4->value())
        RxSlider4->setValue(allowed);
    RxSplitter2->move(borderLineX(RxSlider4->value(), Image2->width()), RxSplitter2->y());
    RxLabel9->setText(depthReadout(RxSlider4->value(), depthScaleFactor(volume)));
    Image1Click();
}

void TForm1::RxSlider5Change()
{
    const int allowed = keptBelow(RxSlider5->value(), RxSlider6->value());
    if (allowed != RxSlider5->value())
        RxSlider5->setValue(allowed);
    RxLabel11->setText(QString::number(RxSlider5->value()));
    Image1Click();
}

void TForm1::RxSlider6Change()
{
    const int allowed = keptAbove(RxSlider6->value(), RxSlider5->value());
    if (allowed != RxSlider6->value())
        RxSlider6->setValue(allowed);
    RxLabel10->setText(QString::number(RxSlider6->value()));
    Image1Click();
}

void TForm1::RadioButton2Click()
{
    Image1Click();
    d3d_.d3dorient_(libraryOrientation(SliceAxis::X));
    DrawAxisRulers();
}

void TForm1::RadioButton1Click()
{
    Image1Click();
    ScrollBar1Change();
    d3d_.d3dorient_(libraryOrientation(SliceAxis::Y));
    DrawAxisRulers();
}

void TForm1::RadioButton3Click()
{
    view_busy = 1;
    Image1Click();
    d3d_.d3dorient_(libraryOrientation(SliceAxis::Z));
    DrawAxisRulers();
    view_busy = 0;
}

void TForm1::CheckBox4Click()
{
    smoothing = CheckBox4->isChecked() ? 1 : 0;
    Button3Click();
    Image1Click();
}

void TForm1::Image3MouseDown(Qt::MouseButton button, int x, int y)
{
    if (button != Qt::LeftButton)
        return;
    drawCross(x, y);
    if (picking)
        return;
    picking = 1;
    pickCell(x, y);
    StatusBar1->repaint();
    picking = 0;
    Image1Click();
}

// A silver cross through the clicked point, shown at once; the final redraw
// paints over it but for its ends on the bitmap's last row and column.
void TForm1::drawCross(int x, int y)
{
    QPainter painter(&image3Bitmap);
    painter.setPen(QPen(QColor(192, 192, 192), 1));
    painter.drawLine(x, 0, x, image3Bitmap.height() - 1);
    painter.drawLine(0, y, image3Bitmap.width() - 1, y);
    painter.end();
    Image3->repaint();
}

// Moves the cursor to the clicked cell; each scroll bar runs the cursor
// update when its position changes.
void TForm1::pickCell(int x, int y)
{
    const int cw = geometry.cell_width;
    const int ch = geometry.cell_height;
    if (RadioButton3->isChecked()) {
        ScrollBar2->setValue(ceilingDivision(x, cw) - 1);
        view_busy = 0;
        ScrollBar3->setValue(ceilingDivision(y, ch));
    } else if (RadioButton1->isChecked()) {
        ScrollBar2->setValue(ceilingDivision(x, cw) - 1);
        view_busy = 0;
        ScrollBar1->setValue(ceilingDivision(y + 1, ch));
    } else {
        ScrollBar1->setValue(ceilingDivision(y, ch));
        view_busy = 0;
        ScrollBar3->setValue(ceilingDivision(x, cw));
    }
}

void TForm1::RxSplitter1MouseDown()
{
    dragging_top = 1;
}

void TForm1::RxSplitter1MouseMove(QPoint position)
{
    if (dragging_top)
        RxSlider2->setValue(borderFromDrag(RxSplitter1->x(), position.x(), Image2->width()));
}

void TForm1::RxSplitter1MouseUp()
{
    dragging_top = 0;
}

void TForm1::RxSplitter2MouseDown()
{
    dragging_bottom = 1;
}

void TForm1::RxSplitter2MouseMove(QPoint position)
{
    if (dragging_bottom)
        RxSlider4->setValue(borderFromDrag(RxSplitter2->x(), position.x(), Image2->width()));
}

void TForm1::RxSplitter2MouseUp()
{
    dragging_bottom = 0;
}

void TForm1::RxSplitter3MouseDown()
{
    dragging_threshold = 1;
}

void TForm1::RxSplitter3MouseMove(QPoint position)
{
    if (dragging_threshold)
        RxSlider3->setValue(thresholdFromDrag(RxSplitter3->y(), position.y(), Image2->y(), Image2->height()));
}

// The end of a move of the threshold line renews the 3-D picture.
void TForm1::RxSplitter3MouseUp()
{
    dragging_threshold = 0;
    Button3Click();
}
