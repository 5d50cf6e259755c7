// Opening scan files.

#include "application_title.h"
#include "dialog_seam.h"
#include "finding_readout.h"
#include "indication_keeper.h"
#include "main_window.h"
#include "scan_file_format.h"
#include "scan_loader.h"

namespace {

const QString kOpenTitle = QStringLiteral("Load file");
const QString kScanExtension = ScanFileFormat::text(ScanFileFormat::kPattern);
const QString kOpenFilter = QStringLiteral("File M7340|") + kScanExtension;

}  // namespace

void TForm1::OpenTGO()
{
    const QString previousCaption = windowTitle();
    showFileCaption();
    const QString path = volume.current_file_name;
    holdingRedraws(slice_redraw_, [&] {
        const ScanFileLoad load = loadScanFile(path, volume, [&](const ScanFileRead &read) {
            takeFileRead(path, read, previousCaption);
            refreshFromImageAsRead();
        });
        if (load.openFailure) {
            keepShownFile(previousCaption);
            dialogs().showMessage({kApplicationTitle, QStringLiteral("Cannot open %1: %2").arg(path, *load.openFailure),
                                   MessageIcon::Error, MessageButtons::Ok});
            return;
        }
        refreshFromSmoothedImage();
    });
}

void TForm1::showReceivedScan()
{
    showFileCaption();
    takeLoadedScan();
    holdingRedraws(slice_redraw_, [&] {
        loadScanImage(volume, [this] { refreshFromImageAsRead(); });
        refreshFromSmoothedImage();
    });
}

void TForm1::takeFileRead(const QString &path, const ScanFileRead &read, const QString &previousCaption)
{
    if (!read.magicMatches) {
        keepShownFile(previousCaption);
        dialogs().showMessage({kApplicationTitle, QStringLiteral("%1 is not a Velmora scan file.").arg(path),
                               MessageIcon::Error, MessageButtons::Ok});
        return;
    }
    takeLoadedScan();
    if (read.imageBytesRead < ScanLayout::kImageSize)
        reportMissingBytes(read.imageBytesRead);
}

void TForm1::takeLoadedScan()
{
    shown_file_name_ = volume.current_file_name;
    Readout->setScanLoaded(true);
    Indications->scanShown(shown_file_name_);
    rememberShownScan();
}

// The views as a load leaves them: each handler asks for its redraw, and the
// slice image is drawn once, after the smoothing; the 3-D picture is renewed
// once, from the image as read.
void TForm1::refreshFromImageAsRead()
{
    holdingRedraws(renewal_, [this] {
        CheckBox4Click();
        Image1Click();
        Button3Click();
    });
    ScrollBar1Change();
}

void TForm1::refreshFromSmoothedImage()
{
    DrawAxisRulers();
    // the border read-outs follow the depth scale of the new header
    RxSlider2Change();
    RxSlider4Change();
}

void TForm1::showFileCaption()
{
    setWindowTitle(QStringLiteral("Velmora ( %1 )").arg(volume.current_file_name));
    repaint();
}

void TForm1::keepShownFile(const QString &caption)
{
    volume.current_file_name = shown_file_name_;
    setWindowTitle(caption);
}

// One report a load: a box for each missing byte would hold the program for
// as many clicks.
void TForm1::reportMissingBytes(int firstMissing)
{
    dialogs().showMessage({QStringLiteral("Ooops"), missingBytesText(volume.current_file_name, firstMissing),
                           MessageIcon::None, MessageButtons::Ok});
}

void TForm1::Open1Click()
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Open;
    request.title = kOpenTitle;
    request.filter = kOpenFilter;
    request.defaultExtension = kScanExtension;
    request.initialDirectory = last_dir;
    const auto chosen = dialogs().runFileDialog(request);
    if (!chosen)
        return;
    OpenChosenFile(chosen->path);
}

void TForm1::OpenChosenFile(const QString &path)
{
    volume.current_file_name = path;
    OpenTGO();
}

void TForm1::RxSpeedButton2Click()
{
    Open1Click();
    Button3Click();
}
