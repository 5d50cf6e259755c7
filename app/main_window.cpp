#include "main_window.h"

#include "application_title.h"
#include "handler_guard.h"
#include "main_layout.h"
#include "ruler_pictures.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>

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

QScrollBar *makeScrollBar(QWidget *parent, int minimum, int maximum, int value, QRect geometry)
{
    auto *bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setRange(minimum, maximum);
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

}  // namespace

TForm1::TForm1(ApplicationWindows &windows, D3dFunctions d3d, QStringList arguments)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                           | Qt::MSWindowsFixedSizeDialogHint),
      windows_(windows), d3d_(std::move(d3d)), arguments_(std::move(arguments))
{
    windows_.mainWindow = this;
    setWindowTitle(kMainWindowCaption);
    ClientArea = new QWidget(this);
    ClientArea->installEventFilter(this);
    createMenus();
    createToolBar();
    createPanels();
    createRightPanel();
    createBottomPanel();
    connectControls();
    runGuarded([this] { FormCreate(); });
}

TForm1::~TForm1()
{
    if (!closed_)
        d3d_.d3dclose_();
}

void TForm1::createMenus()
{
    MainMenu1 = new QMenuBar(this);
    QMenu *file = MainMenu1->addMenu(QStringLiteral("&File"));
    Open1 = file->addAction(QStringLiteral("&Open file"));
    file->addSeparator();
    Exit1 = file->addAction(QStringLiteral("E&xit"));
    About1 = MainMenu1->addAction(QStringLiteral("About"));
}

void TForm1::createToolBar()
{
    CoolBar1 = new QToolBar(ClientArea);
    CoolBar1->setMovable(false);
    CoolBar1->setAutoFillBackground(true);
    ToolButton1 = CoolBar1->addAction(QStringLiteral("Open"));
    ToolButton1->setToolTip(QStringLiteral("Open file(F5)"));
    CoolBar1->addSeparator();
    RxLabel6 = new QLabel(CoolBar1);
    CoolBar1->addWidget(RxLabel6);
    CoolBar1->addSeparator();
    ToolButton6 = CoolBar1->addAction(QStringLiteral("Renew"));
    ToolButton6->setToolTip(QStringLiteral("Renew image(F4)"));
    ToolButton8 = CoolBar1->addAction(QStringLiteral("Exit"));
    ToolButton8->setToolTip(QStringLiteral("Exit(F10)"));
}

void TForm1::createPanels()
{
    using namespace MainDesign;
    Panel1 = makePanel(ClientArea, QStringLiteral("Panel1"));
    Panel2 = makePanel(ClientArea, QStringLiteral("Panel2"), QFrame::Sunken);
    Panel3 = makePanel(ClientArea, QStringLiteral("Panel3"));
    Panel4 = makePanel(ClientArea, QStringLiteral("Panel4"));
    Panel6 = makePanel(ClientArea, QStringLiteral("Panel6"), QFrame::Sunken);
    Panel5 = makePanel(ClientArea, QStringLiteral("Panel5"));
    Panel9 = makePanel(ClientArea, QStringLiteral("Panel9"));
    Panel1->setGeometry(580, kPanel1Top, kPanel1Width, 409);
    Panel2->setGeometry(580, kStripTop, kPanel2Width, kPanel3Height);
    Panel3->setGeometry(592, kStripTop, kPanel3Width, kPanel3Height);
    Panel4->setGeometry(790, kStripTop, kPanel4Width, kPanel3Height);
    Panel6->setGeometry(580, kPanel6Top, kPanel1Width, kPanel6Height);
    Panel5->setGeometry(1, kCoolBarTop + kCoolBarHeight, 245, 261);
    Panel9->setGeometry(0, 556, 580, kPanel9Height);
    Panel5->hide();

    Image1 = makeLabel(Panel3, QString(), QRect(0, 0, kPanel3Width, kPanel3Height));
    Image5 = makeLabel(Panel2, QString(), QRect(1, 1, 10, 98));
    Image5->setPixmap(QPixmap::fromImage(verticalScalePicture()));
    Image5->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    Image6 = makeLabel(Panel6, QString(), QRect(12, 1, 200, kImage6Height));
    Image6->setPixmap(QPixmap::fromImage(horizontalScalePicture()));

    Panel8 = makePanel(Panel5, QStringLiteral("Panel8"));
    Panel7 = makePanel(Panel5, QStringLiteral("Panel7"));
    Image8 = makeLabel(Panel8, QString(), QRect(0, 0, kRulerThickness, 0));
    Image7 = makeLabel(Panel7, QString(), QRect(0, 0, 0, kRulerThickness));

    StatusBar1 = new QStatusBar(ClientArea);
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setAutoFillBackground(true);
}

void TForm1::createRightPanel()
{
    auto *sliders = makePanel(Panel1, QStringLiteral("SliderGroup"), QFrame::Sunken);
    sliders->setGeometry(4, 4, 208, 124);
    makeLabel(sliders, QStringLiteral("Treshold"), QRect(10, 4, 80, 16));
    makeLabel(sliders, QStringLiteral("Brightness"), QRect(110, 4, 80, 16));
    RxSlider3 = makeSlider(sliders, Qt::Vertical, 1, 127, 33, QRect(30, 22, 24, 96));
    RxSlider1 = makeSlider(sliders, Qt::Vertical, 1, 128, 128, QRect(130, 22, 24, 96));
}

void TForm1::createBorderAndLayerSliders()
{
    auto *group = makePanel(Panel9, QStringLiteral("BorderGroup"), QFrame::Sunken);
    group->setGeometry(2, 2, 288, 64);
    makeLabel(group, QStringLiteral("Top boarder"), QRect(4, 1, 90, 14));
    RxSlider2 = makeSlider(group, Qt::Horizontal, 0, ScanLayout::kDepthRows - 1, 0, QRect(4, 14, 96, 16));
    RxLabel8 = makeLabel(group, QStringLiteral("0 mm"), QRect(102, 14, 44, 16));
    makeLabel(group, QStringLiteral("Bottom boarder"), QRect(4, 31, 90, 14));
    RxSlider4 = makeSlider(group, Qt::Horizontal, 0, ScanLayout::kDepthRows - 1, ScanLayout::kDepthRows - 1,
                                     QRect(4, 44, 96, 16));
    RxLabel9 = makeLabel(group, QStringLiteral("200 mm"), QRect(102, 44, 44, 16));
    makeLabel(group, QStringLiteral("First shown layer"), QRect(148, 1, 110, 14));
    RxSlider5 = makeSlider(group, Qt::Horizontal, 1, ScanLayout::kLayerCount, 1, QRect(148, 14, 110, 16));
    RxLabel11 = makeLabel(group, QStringLiteral("1"), QRect(262, 14, 22, 16));
    makeLabel(group, QStringLiteral("Last shown layer"), QRect(148, 31, 110, 14));
    RxSlider6 = makeSlider(group, Qt::Horizontal, 1, ScanLayout::kLayerCount, ScanLayout::kLayerCount,
                                     QRect(148, 44, 110, 16));
    RxLabel10 = makeLabel(group, QStringLiteral("24"), QRect(262, 44, 22, 16));
}

void TForm1::createBottomPanel()
{
    createBorderAndLayerSliders();
    auto *cursorGroup = makePanel(Panel9, QStringLiteral("CursorGroup"), QFrame::Sunken);
    cursorGroup->setGeometry(292, 2, 178, 64);
    ScrollBar2 = makeScrollBar(cursorGroup, 0, ScanLayout::kRowMax, 0, QRect(26, 4, 84, 16));
    ScrollBar3 = makeScrollBar(cursorGroup, 1, ScanLayout::kLayerCount, 1, QRect(26, 24, 84, 16));
    ScrollBar1 = makeScrollBar(cursorGroup, 0, ScanLayout::kDepthRows - 1, 1, QRect(26, 44, 84, 16));
    Label6 = makeLabel(cursorGroup, QString(), QRect(112, 4, 40, 16));
    Label7 = makeLabel(cursorGroup, QString(), QRect(112, 24, 40, 16));
    Label8 = makeLabel(cursorGroup, QString(), QRect(112, 44, 40, 16));
    makeLabel(cursorGroup, QStringLiteral("Alt-5"), QRect(150, 4, 28, 16));
    makeLabel(cursorGroup, QStringLiteral("Alt-6"), QRect(150, 24, 28, 16));
    makeLabel(cursorGroup, QStringLiteral("Alt-7"), QRect(150, 44, 28, 16));

    auto *switches = makePanel(Panel9, QStringLiteral("SwitchGroup"), QFrame::Sunken);
    switches->setGeometry(472, 2, 106, 64);
    CheckBox4 = makeCheckBox(switches, QStringLiteral("Alt-1 Smoothing"), false, QRect(4, 2, 100, 20));
    CheckBox1 = makeCheckBox(switches, QStringLiteral("Alt-3 Frames"), false, QRect(4, 22, 100, 20));
    CheckBox7 = makeCheckBox(switches, QStringLiteral("Alt-4 3-D/Flat"), true, QRect(4, 42, 100, 20));
}

void TForm1::connectControls()
{
    connect(Open1, &QAction::triggered, this, guarded(this, &TForm1::Open1Click));
    connect(ToolButton1, &QAction::triggered, this, guarded(this, &TForm1::RxSpeedButton2Click));
    connect(ToolButton6, &QAction::triggered, this, guarded(this, &TForm1::Button3Click));
    connect(Exit1, &QAction::triggered, this, guarded(this, &TForm1::Exit1Click));
    connect(ToolButton8, &QAction::triggered, this, guarded(this, &TForm1::Exit1Click));
    connect(About1, &QAction::triggered, this, guarded(this, &TForm1::About1Click));
    connect(CheckBox1, &QCheckBox::toggled, this, guarded(this, &TForm1::CheckBox1Click));
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ClientArea && event->type() == QEvent::Resize)
        runGuarded([this] { FormResize(); });
    return QWidget::eventFilter(watched, event);
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeClientArea();
}

void TForm1::paintEvent(QPaintEvent *)
{
    runGuarded([this] { FormPaint(); });
}

void TForm1::closeEvent(QCloseEvent *event)
{
    runGuarded([this] { FormClose(); });
    QWidget::closeEvent(event);
}
