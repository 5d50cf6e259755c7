// Opening scan files.

#include "dialog_seam.h"
#include "main_window.h"
#include "scan_loader.h"

#include <QFile>

namespace {

const QString kOpenTitle = QStringLiteral("Load file");
const QString kOpenFilter = QStringLiteral("File M7340|*.vlm");
const QString kScanExtension = QStringLiteral("*.vlm");

}  // namespace

void TForm1::OpenTGO()
{
    showFileCaption();
    QFile file(volume.current_file_name);
    if (!file.open(QIODevice::ReadOnly))
        throw RangeError();
    const ScanFileRead read = readScanFileInto(file, volume);
    if (read.magicMatches && read.imageBytesRead < ScanLayout::kImageSize)
        reportMissingByte(read.imageBytesRead);
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

// One report a load, naming the first missing image byte: a box for each
// missing byte would hold the program for as many clicks.
void TForm1::reportMissingByte(int imageIndex)
{
    dialogs().showMessage({QStringLiteral("Ooops"), QString::number(imageIndex), MessageIcon::None, MessageButtons::Ok});
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
