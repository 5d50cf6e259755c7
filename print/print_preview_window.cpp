#include "print_preview_window.h"

#include "bitmap_view.h"
#include "dialog_seam.h"
#include "handler_guard.h"
#include "key_preview.h"
#include "margin_dialog.h"
#include "page_output.h"
#include "pdf_page.h"
#include "screen_cursors.h"
#include "screen_fit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QProgressBar>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include <new>

namespace {

constexpr int kHighestZoom = 10;
constexpr int kScrollReach = 25;

QScrollBar *hiddenScrollBar(Qt::Orientation orientation)
{
    auto *bar = new QScrollBar(orientation);
    bar->setRange(-kScrollReach, kScrollReach);
    bar->setValue(0);
    bar->hide();
    return bar;
}

// A PDF file is written whole by the atomic writer rather than in place by
// the printer, so that a failed write keeps what was there.
bool printsToPdfFile(const QPrinter &printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

}  // namespace

TForm2::TForm2() : QDialog(nullptr, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("Print"));
    createControls();
    connectControls();
    // the window sees its keys before the control that has the focus
    new KeyPreview(this, [this](const QKeyEvent &key) {
        bool used = false;
        runGuarded([&] { used = keyPreview(key.key(), key.modifiers(), key.nativeScanCode()); });
        return used;
    });
    (new AvailableAreaFit(*this, false))->fit();
}

TForm2::~TForm2() = default;

void TForm2::createControls()
{
    MainMenu1 = new QMenuBar(this);
    Setfields1 = MainMenu1->addMenu(QStringLiteral("&Print settings"))->addAction(QStringLiteral("Set &fields"));
    AddInfoItem = MainMenu1->addMenu(QStringLiteral("&Image Setting"))->addAction(QStringLiteral("&Add info"));
    AddInfoItem->setCheckable(true);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ToolButton1 = ToolBar1->addAction(style()->standardIcon(QStyle::SP_DialogApplyButton), QString());
    ToolButton1->setToolTip(QStringLiteral("Procced with printing"));
    ToolButton1->setEnabled(false);
    ToolButton2 = ToolBar1->addAction(style()->standardIcon(QStyle::SP_DialogCancelButton), QString());
    ToolButton2->setToolTip(QStringLiteral("Cancel prinring"));
    ToolBar1->addSeparator();
    ToolButton4 = ToolBar1->addAction(QStringLiteral("Set &Fields"));
    ToolButton4->setToolTip(QStringLiteral("Page settings"));
    ToolBar1->addSeparator();
    CheckBox4 = new QCheckBox(QStringLiteral("Add Info"));
    ToolBar1->addWidget(CheckBox4);
    ToolBar1->addSeparator();

    Image1 = new BitmapView(this, previewBitmap_, BitmapView::Fit::OwnSize);
    ScrollBar1 = hiddenScrollBar(Qt::Horizontal);
    ScrollBar2 = hiddenScrollBar(Qt::Vertical);
    StatusBar1 = new QStatusBar;
    StatusBar1->setSizeGripEnabled(false);
    const int widths[] = {300, 300, 50};
    for (int i = 0; i < 3; ++i) {
        statusPanels[i] = new QLabel;
        statusPanels[i]->setMinimumWidth(widths[i]);
        StatusBar1->addWidget(statusPanels[i], i == 2 ? 1 : 0);
    }
    ProgressBar1 = new QProgressBar(StatusBar1);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(139, 3, 160, 16);
    ProgressBar1->hide();

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->setMenuBar(MainMenu1);
    grid->addWidget(ToolBar1, 0, 0, 1, 2);
    grid->addWidget(Image1, 1, 0);
    grid->addWidget(ScrollBar2, 1, 1);
    grid->addWidget(ScrollBar1, 2, 0);
    grid->addWidget(StatusBar1, 3, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(0, 1);
}

void TForm2::connectControls()
{
    connect(ToolButton1, &QAction::triggered, this, guarded(this, &TForm2::RxSpeedButton3Click));
    connect(ToolButton2, &QAction::triggered, this, guarded(this, &TForm2::BitBtn6Click));
    connect(ToolButton4, &QAction::triggered, this, guarded(this, &TForm2::Setfields1Click));
    connect(Setfields1, &QAction::triggered, this, guarded(this, &TForm2::Setfields1Click));
    connect(AddInfoItem, &QAction::triggered, this, guarded(this, &TForm2::CheckBox4Click));
    connect(CheckBox4, &QCheckBox::clicked, this, guarded(this, &TForm2::CheckBox4Click));
    connect(Image1, &BitmapView::mousePressed, this,
            [this](Qt::MouseButton button) { runGuarded([&] { Image1MouseDown(button); }); });
    connect(ScrollBar1, &QScrollBar::valueChanged, this, guarded(this, &TForm2::ScrollBar1Change));
    connect(ScrollBar2, &QScrollBar::valueChanged, this, guarded(this, &TForm2::ScrollBar1Change));
}

// The page is composed once the window is on screen.
void TForm2::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Image1->setCursor(screenCursor(kHandCursor));
    ToolButton1->setEnabled(false);
    QMetaObject::invokeMethod(this, [this] { runGuarded([this] { FormActivate(); }); }, Qt::QueuedConnection);
}

// The window is fitted to the screen again once the window manager has
// framed it, after the page was first drawn: the preview follows the size.
void TForm2::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (!page_bitmap.isNull())
        runGuarded([this] { DrawPagePreview(); });
}

void TForm2::closeEvent(QCloseEvent *event)
{
    page_bitmap = QImage();
    QDialog::closeEvent(event);
}

void TForm2::FormActivate()
{
    if (!job_.volume || !job_.printer)
        return;
    preview_zoom = 0;
    print_smoothing = job_.subject.smoothing ? 1 : 0;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    ProgressBar1->setValue(0);
    statusPanels[0]->setText(QStringLiteral("Initializing printer routines..."));
    job_.printer->setDocName(job_.title);
    statusPanels[1]->setText(QStringLiteral("Current printer: ") + job_.printer->printerName());
    statusPanels[2]->setText(QStringLiteral("Current file: ") + job_.subject.fileName);
    repaint();
    try {
        compose();
    } catch (const std::bad_alloc &) {
        ProgressBar1->hide();
        showErrorMessage(QStringLiteral("The page of %1 x %2 pixels is too large for the memory available.")
                             .arg(printableArea(*job_.printer, job_.printer->resolution()).width())
                             .arg(printableArea(*job_.printer, job_.printer->resolution()).height()));
        return;
    }
    DrawPagePreview();
    statusPanels[0]->setText(QStringLiteral("Ready to print"));
    ToolButton1->setEnabled(true);
}

void TForm2::compose()
{
    const QSize area = printableArea(*job_.printer, job_.printer->resolution());
    const PageLayout layout = pageLayout(area.width(), area.height(), margins, add_info != 0);
    ToolButton1->setEnabled(false);
    ProgressBar1->show();
    statusPanels[0]->setText(QStringLiteral("Generating image for print..."));
    PrintSubject subject = job_.subject;
    subject.smoothing = print_smoothing != 0;
    ComposedPage composed = composePage(*job_.volume, subject, layout, add_info != 0,
                                        [this](int position, int maximum) { showProgress(position, maximum); });
    page_bitmap = std::move(composed.page);
    ProgressBar1->hide();
    statusPanels[0]->setText(QStringLiteral("Initializing printer routines..."));
    StatusBar1->repaint();
    ToolButton1->setEnabled(true);
}

// Only the status bar with the progress bar repaints: the rest of the window
// shows nothing new while the image is rendered.
void TForm2::showProgress(int position, int maximum)
{
    ProgressBar1->setMaximum(std::max(maximum, 1));
    ProgressBar1->setValue(position);
    if (position > 0)
        StatusBar1->repaint();
}

void TForm2::DrawPagePreview()
{
    if (QLayout *grid = layout())
        grid->activate();
    const QSize size = Image1->size();
    if (size.isEmpty())
        return;
    preview = previewGeometry(size, page_bitmap.size(), preview_zoom, ScrollBar1->value(), ScrollBar2->value());
    previewBitmap_ = QImage(size, QImage::Format_RGB32);
    ::DrawPagePreview(previewBitmap_, page_bitmap, preview);
    Image1->update();
}

void TForm2::RxSpeedButton3Click()
{
    if (!job_.printer || page_bitmap.isNull())
        return;
    job_.printer->setDocName(job_.title);
    if (printsToPdfFile(*job_.printer)) {
        const QString path = job_.printer->outputFileName();
        const PdfDocument document{job_.printer->pageLayout(), job_.printer->resolution(), job_.title,
                                   job_.printer->creator()};
        if (const WriteOutcome outcome = savePdfPage(path, document, page_bitmap); !outcome.ok) {
            showErrorMessage(QStringLiteral("Cannot write %1: %2").arg(path, outcome.error));
            return;
        }
        close();
        return;
    }
    if (!printPage(*job_.printer, page_bitmap)) {
        showErrorMessage(QStringLiteral("The page could not be printed on %1.").arg(job_.printer->printerName()));
        return;
    }
    close();
}

void TForm2::BitBtn6Click()
{
    close();
}

void TForm2::Setfields1Click()
{
    if (!job_.marginDialog)
        return;
    job_.marginDialog->setMargins(margins);
    if (dialogs().runModal(*job_.marginDialog) == QDialog::Accepted)
        margins = job_.marginDialog->sliderMargins();
    FormActivate();
}

void TForm2::CheckBox4Click()
{
    add_info = static_cast<uint8_t>(1 - add_info);
    // the key 1 and the menu item too: the tick shows whether the captions are on
    CheckBox4->setChecked(add_info != 0);
    AddInfoItem->setChecked(add_info != 0);
    FormActivate();
}

void TForm2::Image1MouseDown(Qt::MouseButton button)
{
    if (button == Qt::LeftButton) {
        if (preview_zoom == kHighestZoom)
            return;
        ++preview_zoom;
        ScrollBar1->show();
        ScrollBar2->show();
        DrawPagePreview();
        return;
    }
    if (preview_zoom == 0)
        return;
    if (--preview_zoom == 0) {
        ScrollBar1->setValue(0);
        ScrollBar2->setValue(0);
        ScrollBar1->hide();
        ScrollBar2->hide();
        DrawPagePreview();
    }
    DrawPagePreview();
}

void TForm2::ScrollBar1Change()
{
    DrawPagePreview();
}

bool TForm2::keyPreview(int key, Qt::KeyboardModifiers modifiers, quint32 scanCode)
{
    for (const PreviewKey &row : keyTable()) {
        if (runsOnKey(row, key, modifiers, scanCode)) {
            (this->*row.handler)();
            return true;
        }
    }
    return false;
}
