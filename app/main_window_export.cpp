// Saving and exporting the volume, and copying the slice's grey levels.

#include "dialog_seam.h"
#include "export_writers.h"
#include "finding_readout.h"
#include "main_window.h"
#include "program_messages.h"
#include "slice_grid_text.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScopeGuard>

#include <iterator>

namespace {

const QString kSaveTitle = QStringLiteral("Save file");
const QString kSaveFilters =
    QStringLiteral("M7340 VLM files (*.vlm)|*.vlm|SEG2 files (*.dat)|*.dat|ASCII3COL files (*.asc)|*.asc"
                   "|NumPy arrays (*.npy)|*.npy|NRRD volumes (*.nrrd)|*.nrrd|VTK image data (*.vti)|*.vti"
                   "|CSV tables (*.csv)|*.csv");
const QString kScanFilter = QStringLiteral("M7340 VLM files (*.vlm)|*.vlm");
const QString kScanExtension = QStringLiteral("*.vlm");

enum SaveFileType { ScanFileType = 1, Seg2FileType = 2, AsciiFileType = 3, FirstVolumeFileType = 4 };

// The file types after the instrument's own, in the order of the filter.
constexpr VolumeFormat kVolumeFileTypes[] = {VolumeFormat::Npy, VolumeFormat::Nrrd, VolumeFormat::Vti,
                                             VolumeFormat::Csv};

}  // namespace

void TForm1::ToolButton9Click()
{
    SaveDialog1.defaultExtension = kScanExtension;
    SaveDialog1.filter = kSaveFilters;
    const auto restore = qScopeGuard([this] {
        SaveDialog1.filter = kScanFilter;
        SaveDialog1.defaultExtension = kScanExtension;
    });
    const auto chosen = dialogs().runFileDialog(SaveDialog1);
    if (!chosen)
        return;
    SaveDialog1.fileName = chosen->path;
    SaveDialog1.filterIndex = chosen->filterIndex;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    switch (chosen->filterIndex) {
    case ScanFileType:
        repaint();
        SaveScanFile(chosen->path);
        break;
    case Seg2FileType:
        SaveSEG2DATA(chosen->path);
        break;
    case AsciiFileType:
        repaint();
        SaveAsciiColumns(chosen->path);
        break;
    default: {
        const int index = chosen->filterIndex - FirstVolumeFileType;
        if (index >= 0 && index < int(std::size(kVolumeFileTypes))) {
            repaint();
            SaveVolumeFile(chosen->path, kVolumeFileTypes[index]);
        }
        break;
    }
    }
}

bool TForm1::overwriteAllowed(const QString &path)
{
    if (!QFileInfo::exists(path))
        return true;
    return dialogs().showMessage({QStringLiteral("Warning"), kFileExists, MessageIcon::Warning,
                                  MessageButtons::YesNo})
           == MessageAnswer::Yes;
}

// The file is replaced only once all of it is written; a failure is told and
// the file that was there, the image and the name of the scan stay as they were.
void TForm1::SaveScanFile(const QString &path)
{
    if (!overwriteAllowed(path))
        return;
    const WriteOutcome outcome = saveScanImagePrepared(path, volume, SavedScanFile::kFirstPrepared, SavedScanFile::kLastPrepared);
    if (!outcome.ok) {
        showErrorMessage(QStringLiteral("Cannot save %1: %2").arg(path, outcome.error));
        return;
    }
    volume.current_file_name = path;
    shown_file_name_ = path;
}

// The chosen name itself is never written, so the question is about the
// layer files that would be replaced; the name of the scan shown stays.
bool TForm1::layerOverwriteAllowed(const QString &chosen, LayerFormat format)
{
    const QStringList existing = existingLayerFiles(chosen, format);
    if (existing.isEmpty())
        return true;
    const QString question = existingLayerFilesText(existing) + QStringLiteral(": overwrite?");
    return dialogs().showMessage({QStringLiteral("Warning"), question, MessageIcon::Warning, MessageButtons::YesNo})
           == MessageAnswer::Yes;
}

void TForm1::SaveSEG2DATA(const QString &path)
{
    const bool allowed = layerOverwriteAllowed(path, LayerFormat::Seg2);
    repaint();
    if (!allowed)
        return;
    saveLayerFiles(path, LayerFormat::Seg2);
    repaint();
}

void TForm1::SaveAsciiColumns(const QString &path)
{
    if (layerOverwriteAllowed(path, LayerFormat::Ascii))
        saveLayerFiles(path, LayerFormat::Ascii);
}

// All 24 files or none: one message names the file that failed and why.
void TForm1::saveLayerFiles(const QString &chosen, LayerFormat format)
{
    const FileSetOutcome outcome = exportLayers(volume, chosen, format, utc_clock);
    if (!outcome.ok)
        showErrorMessage(QStringLiteral("Cannot save %1: %2; the %3 layer files were left as they were.")
                             .arg(outcome.path, outcome.error)
                             .arg(ScanLayout::kLayerCount));
}

// The scan shown stays the current file: the name of an export is not one to open again.
void TForm1::SaveVolumeFile(const QString &path, VolumeFormat format)
{
    if (!overwriteAllowed(path))
        return;
    const WriteOutcome outcome = exportVolume(path, format, volume, {volume.current_file_name, Readout->probeGeometry()});
    if (!outcome.ok)
        showErrorMessage(QStringLiteral("Cannot save %1: %2").arg(path, outcome.error));
}

void TForm1::Copydata1Click()
{
    QGuiApplication::clipboard()->setText(QString::fromLatin1(sliceGridText(volume)));
}
