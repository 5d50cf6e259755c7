#include "main_window.h"

#include "application_title.h"
#include "bitmap_view.h"
#include "drag_line.h"
#include "finding_readout.h"
#include "indication_keeper.h"
#include "handler_guard.h"
#include "key_preview.h"
#include "library_start.h"
#include "scan_file_format.h"
#include "screen_fit.h"
#include "slice_palette_choice.h"
#include "wall_map_keeper.h"

#include <QPrinter>

#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int kIdleTickMilliseconds = 2000;

// Runs the handler under the guard when the button becomes checked.
template <class Handler>
auto whenChecked(TForm1 *window, Handler handler)
{
    return [window, handler](bool checked) {
        if (checked)
            runGuarded([&] { (window->*handler)(); });
    };
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
    SaveDialog1.kind = FileDialogRequest::Kind::Save;
    SaveDialog1.title = QStringLiteral("Save file");
    SaveDialog1.filter = QStringLiteral(" VLM M7340 files|") + ScanFileFormat::text(ScanFileFormat::kPattern);
    SaveDialog1.defaultExtension = ScanFileFormat::text(ScanFileFormat::kPattern);
    SaveDialog1.hideReadOnly = true;
    utc_clock = [] { return QDateTime::currentDateTimeUtc(); };
    setAcceptDrops(true);
    screenFit_ = new AvailableAreaFit(*this, true);
    ClientArea = new QWidget(this);
    ClientArea->installEventFilter(this);
    Timer1 = new QTimer(this);
    Timer1->setInterval(kIdleTickMilliseconds);
    createMenus();
    createToolBar();
    createPanels();
    createRightPanel();
    createBottomPanel();
    Readout = new FindingReadout(*this);
    Indications = new IndicationKeeper(*this, d3d_);
    WallMaps = new WallMapKeeper(*this);
    Palettes = new SlicePaletteChoice(*this);
    createRenewalNote();
    connectControls();
    runGuarded([this] { FormCreate(); });
    Timer1->start();
    // a chord that a menu item takes is user activity too, like any key
    new KeyPreview(
        this,
        [this](const QKeyEvent &key) {
            runGuarded([&] { FormKeyDown(key.key(), key.modifiers()); });
            return false;
        },
        [this] { idle_ticks = 0; });
}

TForm1::~TForm1()
{
    if (!closed_)
        d3d_.d3dclose_();
}

// The commands' menu items and tool buttons are connected as they are made
// from the command table (main_window_menus.cpp).
void TForm1::connectControls()
{
    connect(Image3, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { PopupMenu1->popup(Image3->mapToGlobal(at)); });
    connect(CheckBox1, &QCheckBox::toggled, this, guarded(this, &TForm1::CheckBox1Click));
    connect(CheckBox7, &QCheckBox::toggled, this, guarded(this, &TForm1::CheckBox7Click));
    connectSliceControls();
    connectThreeDControls();
}

void TForm1::connectThreeDControls()
{
    watchPictureArea();
    connect(BitBtn1, &QToolButton::clicked, this, guarded(this, &TForm1::BitBtn1Click));
    connect(BitBtn2, &QToolButton::clicked, this, guarded(this, &TForm1::BitBtn2Click));
    connect(BitBtn3, &QToolButton::clicked, this, guarded(this, &TForm1::BitBtn3Click));
    connect(BitBtn4, &QToolButton::clicked, this, guarded(this, &TForm1::BitBtn4Click));
    connect(BitBtn9, &QToolButton::clicked, this, guarded(this, &TForm1::BitBtn9Click));
    connect(BitBtn10, &QToolButton::clicked, this, guarded(this, &TForm1::BitBtn10Click));
    connect(SpeedButton1, &QToolButton::clicked, this, guarded(this, &TForm1::SpeedButton1Click));
    connect(SpeedButton2, &QToolButton::clicked, this, guarded(this, &TForm1::SpeedButton2Click));
    connect(Timer1, &QTimer::timeout, this, guarded(this, &TForm1::Timer1Timer));
    connect(Readout, &FindingReadout::probeGeometryChanged, this,
            [this] { showPitches(d3d_, Readout->probeGeometry()); });
}

void TForm1::connectSliceControls()
{
    for (QScrollBar *bar : {ScrollBar1, ScrollBar2, ScrollBar3})
        connect(bar, &QScrollBar::valueChanged, this, guarded(this, &TForm1::ScrollBar1Change));
    connect(RxSlider1, &QSlider::valueChanged, this, guarded(this, &TForm1::RxSlider1Change));
    connect(RxSlider2, &QSlider::valueChanged, this, guarded(this, &TForm1::RxSlider2Change));
    connect(RxSlider3, &QSlider::valueChanged, this, guarded(this, &TForm1::RxSlider3Change));
    connect(RxSlider4, &QSlider::valueChanged, this, guarded(this, &TForm1::RxSlider4Change));
    connect(RxSlider5, &QSlider::valueChanged, this, guarded(this, &TForm1::RxSlider5Change));
    connect(RxSlider6, &QSlider::valueChanged, this, guarded(this, &TForm1::RxSlider6Change));
    connect(RadioButton1, &QRadioButton::toggled, this, whenChecked(this, &TForm1::RadioButton1Click));
    connect(RadioButton2, &QRadioButton::toggled, this, whenChecked(this, &TForm1::RadioButton2Click));
    connect(RadioButton3, &QRadioButton::toggled, this, whenChecked(this, &TForm1::RadioButton3Click));
    connect(CheckBox4, &QCheckBox::toggled, this, guarded(this, &TForm1::CheckBox4Click));
    connect(Image1, &BitmapView::mousePressed, this, guarded(this, &TForm1::Image1Click));
    connect(Image3, &BitmapView::mousePressed, this,
            [this](Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers modifiers) {
                // Shift+click sets the measure point; the cursor stays where it is
                if (button == Qt::LeftButton && modifiers.testFlag(Qt::ShiftModifier))
                    runGuarded([&] { Readout->setMeasurePoint(at); });
                else
                    runGuarded([&] { Image3MouseDown(button, at.x(), at.y()); });
            });
    connect(RxSplitter1, &DragLine::mouseDown, this, guarded(this, &TForm1::RxSplitter1MouseDown));
    connect(RxSplitter1, &DragLine::mouseMoved, this, guarded(this, &TForm1::RxSplitter1MouseMove));
    connect(RxSplitter1, &DragLine::mouseUp, this, guarded(this, &TForm1::RxSplitter1MouseUp));
    connect(RxSplitter2, &DragLine::mouseDown, this, guarded(this, &TForm1::RxSplitter2MouseDown));
    connect(RxSplitter2, &DragLine::mouseMoved, this, guarded(this, &TForm1::RxSplitter2MouseMove));
    connect(RxSplitter2, &DragLine::mouseUp, this, guarded(this, &TForm1::RxSplitter2MouseUp));
    connect(RxSplitter3, &DragLine::mouseDown, this, guarded(this, &TForm1::RxSplitter3MouseDown));
    connect(RxSplitter3, &DragLine::mouseMoved, this, guarded(this, &TForm1::RxSplitter3MouseMove));
    connect(RxSplitter3, &DragLine::mouseUp, this, guarded(this, &TForm1::RxSplitter3MouseUp));
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ClientArea && event->type() == QEvent::Resize)
        runGuarded([this] {
            FormResize();
            followNewClientSize();
        });
    return QWidget::eventFilter(watched, event);
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeClientArea();
    placeRenewalNote();
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
