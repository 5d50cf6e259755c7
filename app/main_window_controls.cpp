// The controls of the main window, placed as at design time; the layout on
// resizing moves the panels.

#include "bitmap_view.h"
#include "drag_line.h"
#include "keyboard_scroll_bar.h"
#include "main_layout.h"
#include "main_window.h"
#include "ruler_pictures.h"
#include "sharp_slice_image.h"
#include "slice_palette_choice.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>

namespace {

QFrame *makePanel(QWidget *parent, const QString &name, QFrame::Shadow bevel = QFrame::Raised)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(bevel);
    panel->setAutoFillBackground(true);
    return panel;
}

QFrame *makePlainPanel(QWidget *parent, const QString &name)
{
    QFrame *panel = makePanel(parent, name);
    panel->setFrameShape(QFrame::NoFrame);
    return panel;
}

QLabel *makeLabel(QWidget *parent, const QString &text, QRect geometry)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

QSlider *makeSlider(QWidget *parent, Qt::Orientation orientation, int minimum, int maximum, int value,
                    QRect geometry)
{
    auto *slider = new QSlider(orientation, parent);
    slider->setRange(minimum, maximum);
    slider->setValue(value);
    slider->setGeometry(geometry);
    return slider;
}

QScrollBar *makeScrollBar(QWidget *parent, const ViewRange &range, int value, QRect geometry)
{
    auto *bar = new KeyboardScrollBar(Qt::Horizontal, parent);
    bar->setRange(range.minimum, range.maximum);
    bar->setValue(value);
    bar->setGeometry(geometry);
    return bar;
}

QCheckBox *makeCheckBox(QWidget *parent, const QString &caption, bool checked, QRect geometry)
{
    auto *box = new QCheckBox(caption, parent);
    box->setChecked(checked);
    box->setGeometry(geometry);
    return box;
}

QToolButton *makeToolButton(QWidget *parent, const QIcon &icon, const QString &text, const QString &hint,
                            QRect geometry)
{
    auto *button = new QToolButton(parent);
    button->setIcon(icon);
    button->setText(text);
    button->setToolTip(hint);
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QRadioButton *makeAxisButton(QWidget *parent, const QString &caption, const QColor &colour, QRect geometry)
{
    auto *button = new QRadioButton(caption, parent);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::WindowText, colour);
    button->setPalette(palette);
    button->setGeometry(geometry);
    return button;
}

constexpr int kAScanTop = 140;
constexpr QSize kAScanSize{200, 120};

}  // namespace

void TForm1::createPanels()
{
    using namespace MainDesign;
    Panel1 = makePanel(ClientArea, QStringLiteral("Panel1"));
    Panel2 = makePanel(ClientArea, QStringLiteral("Panel2"), QFrame::Sunken);
    Panel3 = makePanel(ClientArea, QStringLiteral("Panel3"));
    Panel4 = makePanel(ClientArea, QStringLiteral("Panel4"));
    Panel6 = makePanel(ClientArea, QStringLiteral("Panel6"), QFrame::Sunken);
    Panel5 = makePlainPanel(ClientArea, QStringLiteral("Panel5"));
    Panel9 = makePanel(ClientArea, QStringLiteral("Panel9"));
    Panel1->setGeometry(580, kPanel1Top, kPanel1Width, 409);
    Panel2->setGeometry(580, kStripTop, kPanel2Width, kPanel3Height);
    Panel3->setGeometry(592, kStripTop, kPanel3Width, kPanel3Height);
    Panel4->setGeometry(790, kStripTop, kPanel4Width, kPanel3Height);
    Panel6->setGeometry(580, kPanel6Top, kPanel1Width, kPanel6Height);
    Panel5->setGeometry(1, kCoolBarTop + kCoolBarHeight, 245, 261);
    Panel9->setGeometry(0, 556, 580, kPanel9Height);
    Panel5->hide();

    image1Bitmap = makeSliceBitmap(kOverviewWidth, kOverviewHeight);
    Image1 = new BitmapView(Panel3, image1Bitmap, BitmapView::Fit::OwnSize);
    Image1->setGeometry(0, 0, kPanel3Width, kPanel3Height);
    Image5 = makeLabel(Panel2, QString(), QRect(1, 1, 10, 98));
    Image5->setPixmap(QPixmap::fromImage(verticalScalePicture()));
    Image5->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    Image6 = makeLabel(Panel6, QString(), QRect(12, 1, 200, kImage6Height));
    Image6->setPixmap(QPixmap::fromImage(horizontalScalePicture()));

    createSliceView();
    StatusBar1 = new QStatusBar(ClientArea);
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setAutoFillBackground(true);
    GateNote = new QLabel(StatusBar1);
    StatusBar1->addPermanentWidget(GateNote);
    GateNote->hide();
}

// The flat slice view: the slice image with a ruler on its left and one below.
void TForm1::createSliceView()
{
    using namespace MainDesign;
    Panel8 = makePlainPanel(Panel5, QStringLiteral("Panel8"));
    Panel7 = makePlainPanel(Panel5, QStringLiteral("Panel7"));
    Panel8->setGeometry(0, 0, kRulerThickness, 261 - kRulerThickness);
    Panel7->setGeometry(0, 261 - kRulerThickness, 245, kRulerThickness);
    Image8 = makeLabel(Panel8, QString(), QRect(0, 0, kRulerThickness, 261 - 22));
    Image7 = makeLabel(Panel7, QString(), QRect(0, 0, 245 - 2, kRulerThickness));
    Image8->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    Image7->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    image3Bitmap = makeSliceBitmap(Image7->width() - Image8->width(), Image8->height());
    Image3 = new BitmapView(Panel5, image3Bitmap, BitmapView::Fit::OwnSize);
    Image3->setGeometry(kRulerThickness, 0, 245 - kRulerThickness, 261 - kRulerThickness);
    Image3->setContextMenuPolicy(Qt::CustomContextMenu);
    Image3->setSharpPicture(
        [this](qreal ratio) {
            return drawSharpMainImage(volume, viewState(), geometry, image3Bitmap, ratio, Palettes->palette());
        });
}

void TForm1::createRightPanel()
{
    auto *sliders = makePanel(Panel1, QStringLiteral("SliderGroup"), QFrame::Sunken);
    sliders->setGeometry(4, 4, 208, 128);
    makeLabel(sliders, QStringLiteral("Treshold"), QRect(10, 4, 80, 16));
    makeLabel(sliders, QStringLiteral("Brightness"), QRect(110, 4, 80, 16));
    RxSlider3 = makeSlider(sliders, Qt::Vertical, ViewRanges::Threshold.minimum, ViewRanges::Threshold.maximum, 33,
                           QRect(30, 22, 24, 100));
    RxSlider1 = makeSlider(sliders, Qt::Vertical, ViewRanges::Brightness.minimum, ViewRanges::Brightness.maximum,
                           128, QRect(130, 22, 24, 100));
    createAScanGroup();
    createThreeDButtons();
}

// The A-scan with the two border lines and the threshold line over it.
void TForm1::createAScanGroup()
{
    auto *frame = makePanel(Panel1, QStringLiteral("AScanGroup"), QFrame::Sunken);
    frame->setGeometry(4, kAScanTop - 4, 208, kAScanSize.height() + 8);
    frame->lower();
    image2Bitmap = makeAScanBitmap();
    Image2 = new BitmapView(Panel1, image2Bitmap, BitmapView::Fit::Stretch);
    Image2->setGeometry(QRect(QPoint(8, kAScanTop), kAScanSize));
    RxSplitter1 = new DragLine(Panel1, Qt::Vertical, QColor(0, 160, 255));
    RxSplitter2 = new DragLine(Panel1, Qt::Vertical, QColor(0, 160, 255));
    RxSplitter3 = new DragLine(Panel1, Qt::Horizontal, QColor(255, 60, 60));
    RxSplitter1->setGeometry(8, kAScanTop, 3, kAScanSize.height());
    RxSplitter2->setGeometry(8 + kAScanSize.width() - 3, kAScanTop, 3, kAScanSize.height());
    RxSplitter3->setGeometry(8, kAScanTop, kAScanSize.width(), 3);
}

// The buttons that turn, level and zoom the 3-D picture.
void TForm1::createThreeDButtons()
{
    auto *group = makePanel(Panel1, QStringLiteral("ThreeDGroup"), QFrame::Sunken);
    group->setGeometry(4, kAScanTop + kAScanSize.height() + 8, 208, 72);
    const QString rotate = QStringLiteral("Rotate image");
    BitBtn1 = makeToolButton(group, style()->standardIcon(QStyle::SP_ArrowLeft), QString(), rotate, QRect(4, 4, 28, 64));
    BitBtn3 = makeToolButton(group, style()->standardIcon(QStyle::SP_ArrowUp), QString(), rotate, QRect(34, 4, 28, 31));
    BitBtn4 = makeToolButton(group, style()->standardIcon(QStyle::SP_ArrowDown), QString(), rotate, QRect(34, 37, 28, 31));
    BitBtn2 = makeToolButton(group, style()->standardIcon(QStyle::SP_ArrowRight), QString(), rotate, QRect(64, 4, 28, 64));
    SpeedButton1 = makeToolButton(group, QIcon(), QStringLiteral("X-Z"), QStringLiteral("View X-Z plane (F11)"),
                                  QRect(100, 4, 48, 31));
    SpeedButton2 = makeToolButton(group, QIcon(), QStringLiteral("Y-Z"), QStringLiteral("View Y-Z plane(F12)"),
                                  QRect(100, 37, 48, 31));
    BitBtn9 = makeToolButton(group, QIcon(), QStringLiteral("+"), QStringLiteral("Image zoom (+)(F2)"),
                             QRect(154, 4, 48, 31));
    BitBtn10 = makeToolButton(group, QIcon(), QStringLiteral("\u2212"), QStringLiteral("Image zoom (-)(F3) "),
                              QRect(154, 37, 48, 31));
}

void TForm1::createBottomPanel()
{
    createBorderAndLayerSliders();
    createCursorGroup();
    createSwitches();
    placeBottomPanel();
}

void TForm1::createBorderAndLayerSliders()
{
    BorderGroup = makePanel(Panel9, QStringLiteral("BorderGroup"), QFrame::Sunken);
    const QRect placedLater;  // by placeBottomPanel
    BorderCaptions[0] = makeLabel(BorderGroup, QStringLiteral("Top boarder"), placedLater);
    RxSlider2 = makeSlider(BorderGroup, Qt::Horizontal, ViewRanges::Border.minimum, ViewRanges::Border.maximum, 0,
                           placedLater);
    RxLabel8 = makeLabel(BorderGroup, QStringLiteral("0 mm"), placedLater);
    BorderCaptions[1] = makeLabel(BorderGroup, QStringLiteral("Bottom boarder"), placedLater);
    RxSlider4 = makeSlider(BorderGroup, Qt::Horizontal, ViewRanges::Border.minimum, ViewRanges::Border.maximum,
                           ViewRanges::Border.maximum, placedLater);
    RxLabel9 = makeLabel(BorderGroup, QStringLiteral("200 mm"), placedLater);
    LayerCaptions[0] = makeLabel(BorderGroup, QStringLiteral("First shown layer"), placedLater);
    RxSlider5 = makeSlider(BorderGroup, Qt::Horizontal, ViewRanges::ShownLayer.minimum,
                           ViewRanges::ShownLayer.maximum, 1, placedLater);
    RxLabel11 = makeLabel(BorderGroup, QStringLiteral("1"), placedLater);
    LayerCaptions[1] = makeLabel(BorderGroup, QStringLiteral("Last shown layer"), placedLater);
    RxSlider6 = makeSlider(BorderGroup, Qt::Horizontal, ViewRanges::ShownLayer.minimum,
                           ViewRanges::ShownLayer.maximum, ViewRanges::ShownLayer.maximum, placedLater);
    RxLabel10 = makeLabel(BorderGroup, QStringLiteral("24"), placedLater);
}

// The axis buttons with the cursor's scroll bars and their read-outs.
void TForm1::createCursorGroup()
{
    CursorGroup = makePanel(Panel9, QStringLiteral("CursorGroup"), QFrame::Sunken);
    const QRect placedLater;  // by placeBottomPanel
    RadioButton2 = makeAxisButton(CursorGroup, QStringLiteral("X"), Qt::red, placedLater);
    RadioButton1 = makeAxisButton(CursorGroup, QStringLiteral("Y"), Qt::blue, placedLater);
    RadioButton3 = makeAxisButton(CursorGroup, QStringLiteral("Z"), QColor(0, 128, 0), placedLater);
    RadioButton2->setChecked(true);
    ScrollBar2 = makeScrollBar(CursorGroup, ViewRanges::Slice, 0, placedLater);
    ScrollBar3 = makeScrollBar(CursorGroup, ViewRanges::Layer, 1, placedLater);
    ScrollBar1 = makeScrollBar(CursorGroup, ViewRanges::Depth, 1, placedLater);
    Label6 = makeLabel(CursorGroup, QString(), placedLater);
    Label7 = makeLabel(CursorGroup, QString(), placedLater);
    Label8 = makeLabel(CursorGroup, QString(), placedLater);
    KeyLabels[0] = makeLabel(CursorGroup, QStringLiteral("Alt-5"), placedLater);
    KeyLabels[1] = makeLabel(CursorGroup, QStringLiteral("Alt-6"), placedLater);
    KeyLabels[2] = makeLabel(CursorGroup, QStringLiteral("Alt-7"), placedLater);
}

void TForm1::createSwitches()
{
    SwitchGroup = makePanel(Panel9, QStringLiteral("SwitchGroup"), QFrame::Sunken);
    const QRect placedLater;  // by placeBottomPanel
    CheckBox4 = makeCheckBox(SwitchGroup, QStringLiteral("Alt-1 Smoothing"), false, placedLater);
    CheckBox1 = makeCheckBox(SwitchGroup, QStringLiteral("Alt-3 Frames"), false, placedLater);
    CheckBox7 = makeCheckBox(SwitchGroup, QStringLiteral("Alt-4 3-D/Flat"), true, placedLater);
}
