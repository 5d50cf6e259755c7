// Saving and exporting the volume, and copying the slice's grey levels.

#include "dialog_seam.h"
#include "export_writers.h"
#include "finding_readout.h"
#include "main_window.h"
#include "program_messages.h"
#include "save_choice.h"
#include "slice_grid_text.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScopeGuard>

#include <algorithm>
#include <iterator>

namespace {

const QString kSaveTitle = QStringLiteral("Save file");
const QString kSaveFilters =
    QStringLiteral("M7340 VLM files (*.vlm)|*.vlm|SEG2 files (*.dat)|*.dat|ASCII3COL files (*.asc)|*.asc"
                   "|NumPy arrays (*.npy)|*.npy|NRRD volumes (*.nrrd)|*.nrrd|VTK image data (*.vti)|*.vti"
                   "|CSV tables (*.csv)|*.csv");
const QString kScanFilter = QStringLiteral("M7340 VLM files (*.vlm)|*.vlm");
const QString kScanExtension = QStringLiteral("*.vlm");
constexpr int kScanFileType = 1;

// The forms of the file types, in the order of the filter.
constexpr SavedForm kFileTypes[] = {SavedForm::ScanFile, SavedForm::Seg2, SavedForm::Ascii, SavedForm::Npy,
                                    SavedForm::Nrrd,     SavedForm::Vti,  SavedForm::Csv};

SavedForm formOfFileType(int filterIndex)
{
    return filterIndex >= 1 && filterIndex <= int(std::size(kFileTypes)) ? kFileTypes[filterIndex - 1]
                                                                          : SavedForm::ScanFile;
}

// "M7340 VLM files (*.vlm)": the description of a form's file type in the filter.
QString fileTypeName(SavedForm form)
{
    const int index = int(std::find(std::begin(kFileTypes), std::end(kFileTypes), form) - std::begin(kFileTypes));
    return kSaveFilters.section(QLatin1Char('|'), 2 * index, 2 * index);
}

QString foreignExtensionQuestion(const SaveChoice &choice)
{
    QStringList extensions;
    for (const SavedForm form : kFileTypes)
        extensions << savedFormExtension(form);
    const QString last = extensions.takeLast();
    return QStringLiteral("%1 ends in none of %2 or %3. Save it as %4 under this name?")
        .arg(QFileInfo(choice.path).fileName(), extensions.join(QStringLiteral(", ")), last,
             fileTypeName(choice.form));
}

bool asked(const QString &question)
{
    return dialogs().showMessage({QStringLiteral("Warning"), question, MessageIcon::Warning, MessageButtons::YesNo,
                                  MessageAnswer::No})
           == MessageAnswer::Yes;
}

}  // namespace

// The dialog opens on the scan file each time; the extension typed decides
// what is written, so that a scan is never replaced by a file of another kind.
void TForm1::ToolButton9Click()
{
    if (layersAreEmpty(volume)
        && !asked(QStringLiteral("The scan is empty: every layer holds only zeros. Save it all the same?")))
        return;
    SaveDialog1.defaultExtension = kScanExtension;
    SaveDialog1.filter = kSaveFilters;
    SaveDialog1.filterIndex = kScanFileType;
    const auto restore = qScopeGuard([this] {
        SaveDialog1.filter = kScanFilter;
        SaveDialog1.defaultExtension = kScanExtension;
    });
    const auto chosen = dialogs().runFileDialog(SaveDialog1);
    if (!chosen)
        return;
    const SaveChoice choice = saveChoiceFor(chosen->path, formOfFileType(chosen->filterIndex));
    SaveDialog1.fileName = choice.path;
    if (choice.foreignExtension && !asked(foreignExtensionQuestion(choice)))
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    switch (choice.form) {
    case SavedForm::ScanFile:
        repaint();
        SaveScanFile(choice.path);
        break;
    case SavedForm::Seg2:
        SaveSEG2DATA(choice.path);
        break;
    case SavedForm::Ascii:
        repaint();
        SaveAsciiColumns(choice.path);
        break;
    case SavedForm::Npy:
        repaint();
        SaveVolumeFile(choice.path, VolumeFormat::Npy);
        break;
    case SavedForm::Nrrd:
        repaint();
        SaveVolumeFile(choice.path, VolumeFormat::Nrrd);
        break;
    case SavedForm::Vti:
        repaint();
        SaveVolumeFile(choice.path, VolumeFormat::Vti);
        break;
    case SavedForm::Csv:
        repaint();
        SaveVolumeFile(choice.path, VolumeFormat::Csv);
        break;
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
// the file that was there, the image and the name of the scan stay as they
// were. Once saved, the caption, the printed page and the last file name it.
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
    // the copy is now the scan shown, as after Save As in any editor
    showFileCaption();
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
