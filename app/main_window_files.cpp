// Opening scan files.

#include "application_title.h"
#include "dialog_seam.h"
#include "finding_readout.h"
#include "main_window.h"
#include "scan_file_format.h"
#include "scan_file_open.h"
#include "scan_loader.h"

#include <QFile>

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
    QFile file(path);
    if (const auto reason = openScanFile(file)) {
        keepShownFile(previousCaption);
        dialogs().showMessage({kApplicationTitle, QStringLiteral("Cannot open %1: %2").arg(path, *reason),
                               MessageIcon::Error, MessageButtons::Ok});
        return;
    }
    const ScanFileRead read = readScanFileInto(file, volume);
    if (!read.magicMatches) {
        keepShownFile(previousCaption);
        dialogs().showMessage({kApplicationTitle, QStringLiteral("%1 is not a Velmora scan file.").arg(path),
                               MessageIcon::Error, MessageButtons::Ok});
    } else {
        shown_file_name_ = path;
        Readout->setScanLoaded(true);
        if (read.imageBytesRead < ScanLayout::kImageSize)
            reportMissingBytes(read.imageBytesRead);
    }
    CheckBox4Click();
    Image1Click();
    // The 3-D picture is built from the image as read, before smoothing.
    Button3Click();
    file.close();
    ScrollBar1Change();
    smoothLoadedImage(volume);
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
