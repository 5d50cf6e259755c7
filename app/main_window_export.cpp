// Saving and exporting the volume, and copying the slice's grey levels.

#include "dialog_seam.h"
#include "export_writers.h"
#include "finding_readout.h"
#include "main_window.h"
#include "program_messages.h"
#include "save_choice.h"
#include "scan_file_format.h"
#include "slice_grid_text.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScopeGuard>


namespace {

const QString kScanExtension = ScanFileFormat::text(ScanFileFormat::kPattern);

QString foreignExtensionQuestion(const SaveChoice &choice)
{
    QStringList extensions;
    for (const SavedForm form : savedForms())
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
    SaveDialog1.filter = saveDataFilter();
    SaveDialog1.filterIndex = fileTypeIndex(SavedForm::ScanFile);
    const auto restore = qScopeGuard([this] {
        SaveDialog1.filter = fileTypeFilter(SavedForm::ScanFile);
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
    const ExportFormat format = savedFormRow(choice.form).format;
    switch (format.kind) {
    case ExportFormat::Kind::ScanFile:
        repaint();
        SaveScanFile(choice.path);
        break;
    case ExportFormat::Kind::Layers:
        // the dialog offers the instrument's SEG-2 files and the ASCII files
        if (format.layers == LayerFormat::Seg2) {
            SaveSEG2DATA(choice.path);
        } else {
            repaint();
            SaveAsciiColumns(choice.path);
        }
        break;
    case ExportFormat::Kind::Volume:
        repaint();
        SaveVolumeFile(choice.path, format.volume);
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
    rememberShownScan();
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
