// The inspection report: notes, a file name, then the PDF, with the
// indications and the record of the scan as the window holds them.

#include "application_title.h"
#include "dialog_seam.h"
#include "finding_readout.h"
#include "indication_keeper.h"
#include "main_window.h"
#include "report_content.h"
#include "report_notes_dialog.h"
#include "slice_palette_choice.h"
#include "wall_map_keeper.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QScopeGuard>

namespace {

const QString kReportFilter = QStringLiteral("PDF reports (*.pdf)|*.pdf");

QString suggestedReportName(const QString &scan)
{
    const QFileInfo info(scan);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("-report.pdf"));
}

}  // namespace

void TForm1::writeReport()
{
    if (!Readout->scanLoaded()) {
        showErrorMessage(QStringLiteral("No scan is shown: there is nothing to report."));
        return;
    }
    ReportNotesDialog notes(this);
    if (dialogs().runModal(notes) != QDialog::Accepted)
        return;
    FileDialogRequest request{FileDialogRequest::Kind::Save, QStringLiteral("Save report"), kReportFilter, 1,
                              QStringLiteral("pdf"),   QFileInfo(shown_file_name_).absolutePath(),
                              suggestedReportName(shown_file_name_)};
    const auto chosen = dialogs().runFileDialog(request);
    if (!chosen || !overwriteAllowed(chosen->path))
        return;

    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    ReportInputs inputs;
    inputs.programTitle = kMainWindowCaption;
    inputs.fileName = shown_file_name_;
    inputs.fileModified = QFileInfo(shown_file_name_).lastModified();
    inputs.made = QDateTime::currentDateTime();
    inputs.reference = Readout->reference();
    inputs.measurePoint = Readout->measurePoint();
    inputs.probe = Readout->probeGeometry();
    inputs.dac = Readout->dac();
    inputs.levels = Readout->evaluationLevels();
    inputs.timeCorrectedGain = Readout->timeCorrectedGain();
    inputs.palette = Palettes->palette();
    inputs.notes = notes.notes();
    inputs.picture3d = reportThreeDPicture();
    inputs.inspection = Indications->reportInspection();
    inputs.thickness = WallMaps->reportThickness();
    const WriteOutcome outcome = writeInspectionReport(chosen->path, inspectionReportOf(volume, viewState(), inputs));
    if (!outcome.ok)
        showErrorMessage(QStringLiteral("Cannot save %1: %2").arg(chosen->path, outcome.error));
}
