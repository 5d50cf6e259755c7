#include "indication_keeper.h"

#include "application_title.h"
#include "bitmap_view.h"
#include "dialog_seam.h"
#include "finding_readout.h"
#include "indication_boxes.h"
#include "indication_overlay.h"
#include "indication_table_window.h"
#include "inspection_record_dialog.h"
#include "main_window.h"
#include "settings_store.h"

#include <QPainter>
#include <QScrollBar>

namespace {

// The record fields an inspector keeps from one scan to the next.
const char *const kRememberedFields[] = {"inspector", "certification", "procedure", "instrument", "probe",
                                         "couplant"};

bool isRemembered(const RecordField &field)
{
    return std::any_of(std::begin(kRememberedFields), std::end(kRememberedFields),
                       [&field](const char *key) { return qstrcmp(key, field.key) == 0; });
}

void tell(const QString &text, MessageIcon icon)
{
    dialogs().showMessage({kApplicationTitle, text, icon, MessageButtons::Ok});
}

}  // namespace

IndicationKeeper::IndicationKeeper(TForm1 &window, const D3dFunctions &d3d)
    : QObject(&window), window_(window), d3d_(d3d)
{
    Table = new IndicationTableWindow(&window);
    Table->setObjectName(QStringLiteral("IndicationTable"));
    connect(Table, &IndicationTableWindow::findRequested, this, &IndicationKeeper::find);
    connect(Table, &IndicationTableWindow::addRequested, this, &IndicationKeeper::addAtCursor);
    connect(Table, &IndicationTableWindow::saveRequested, this, [this] { save(); });
    connect(Table, &IndicationTableWindow::indicationChosen, this, &IndicationKeeper::moveCursorTo);
    connect(Table, &IndicationTableWindow::indicationsEdited, this, &IndicationKeeper::tableEdited);
    window_.Image3->addOverlay([this](QPainter &painter) {
        drawIndicationMarks(painter, indicationMarks(findings_.indications, window_.viewState(), window_.geometry));
    });
    findings_.search = searchOfView(window_.viewState());
    connect(window_.Readout, &FindingReadout::evaluationChanged, this, &IndicationKeeper::showIndications);
}

void IndicationKeeper::showTable()
{
    Table->setSearch(findings_.search, window_.Readout->reference(), window_.Readout->dac());
    Table->setIndications(findings_.indications, scale());
    Table->show();
    Table->raise();
    Table->activateWindow();
}

void IndicationKeeper::editRecord()
{
    InspectionRecordDialog dialog(&window_, inspection_.record);
    if (dialogs().runModal(dialog) != QDialog::Accepted)
        return;
    inspection_.record = dialog.record();
    modified_ = true;
    SettingsStore settings;
    for (const RecordField &field : kRecordFields) {
        if (isRemembered(field))
            settings.writeString(SettingNames::recordField(field.key), inspection_.record.*field.text);
    }
}

void IndicationKeeper::scanShown(const QString &path)
{
    leaveScan();
    scanPath_ = path;
    inspection_ = {};
    findings_ = {};
    findings_.search = searchOfView(window_.viewState());
    otherFileKept_ = false;
    modified_ = false;
    if (!path.isEmpty())
        takeInspectionFile();
    showIndications();
}

void IndicationKeeper::takeInspectionFile()
{
    const InspectionRead read = readInspectionFile(scanPath_);
    switch (read.status) {
    case InspectionRead::Status::Read:
        inspection_ = read.inspection;
        findings_ = findingsFrom(read.inspection.findings);
        return;
    case InspectionRead::Status::None:
        inspection_.record = recordOfLastInspection();
        return;
    case InspectionRead::Status::OtherScan:
    case InspectionRead::Status::Refused:
        inspection_.record = recordOfLastInspection();
        offerToSetAside(read);
        return;
    }
}

void IndicationKeeper::offerToSetAside(const InspectionRead &read)
{
    otherFileKept_ = true;
    if (read.newer) {
        tell(read.problem + QStringLiteral(". It stays as it is and is not saved over."), MessageIcon::Warning);
        return;
    }
    const QString aside = inspectionFilePath(scanPath_) + InspectionFileFormat::kSetAsideSuffix;
    const MessageAnswer answer = dialogs().showMessage(
        {kApplicationTitle,
         read.problem + QStringLiteral(".\nKeep it aside as %1 (or the next free name) and start a new inspection "
                                       "of this scan?").arg(aside),
         MessageIcon::Warning, MessageButtons::YesNo});
    if (answer != MessageAnswer::Yes)
        return;
    const SetAside moved = setInspectionFileAside(scanPath_);
    if (!moved.outcome.ok) {
        tell(QStringLiteral("Cannot keep %1 aside: %2").arg(inspectionFilePath(scanPath_), moved.outcome.error),
             MessageIcon::Error);
        return;
    }
    otherFileKept_ = false;
}

void IndicationKeeper::leaveScan()
{
    if (!modified_ || scanPath_.isEmpty())
        return;
    const MessageAnswer answer = dialogs().showMessage(
        {kApplicationTitle,
         QStringLiteral("The indications and the record of %1 have changed. Save them in %2?")
             .arg(scanPath_, inspectionFilePath(scanPath_)),
         MessageIcon::Warning, MessageButtons::YesNo});
    if (answer == MessageAnswer::Yes)
        save();
    modified_ = false;
}

void IndicationKeeper::find()
{
    if (scanPath_.isEmpty()) {
        tell(QStringLiteral("Open a scan first: the indications are found in the scan shown."), MessageIcon::Information);
        return;
    }
    findings_.search = Table->search(searchOfView(window_.viewState()));
    findings_.scale = scale();
    findings_.indications =
        keepingComments(findIndications(window_.volume, findings_.search), findings_.indications);
    modified_ = true;
    showIndications();
}

void IndicationKeeper::addAtCursor()
{
    const ViewState view = window_.viewState();
    const auto added = indicationAt(window_.volume, Table->search(searchOfView(view)),
                                    {view.layer, view.slice, view.depth});
    if (!added) {
        tell(QStringLiteral("No indication at the cursor: its sample is 0 or outside the gate and the shown layers."),
             MessageIcon::Information);
        return;
    }
    findings_.indications.push_back(*added);
    numberIndications(findings_.indications);
    modified_ = true;
    showIndications();
}

bool IndicationKeeper::save()
{
    if (scanPath_.isEmpty())
        return false;
    if (otherFileKept_) {
        tell(QStringLiteral("%1 belongs to another scan or cannot be read, and is not saved over; keep it aside "
                            "when the scan opens, or move it away.")
                 .arg(inspectionFilePath(scanPath_)),
             MessageIcon::Error);
        return false;
    }
    findings_.scale = scale();
    keepFindingsIn(inspection_, findings_);
    const WriteOutcome written = writeInspectionFile(scanPath_, inspection_);
    if (!written.ok) {
        tell(QStringLiteral("Cannot save %1: %2").arg(inspectionFilePath(scanPath_), written.error), MessageIcon::Error);
        return false;
    }
    modified_ = false;
    return true;
}

void IndicationKeeper::moveCursorTo(const Indication &indication)
{
    window_.ScrollBar2->setValue(indication.peakAt.slice);
    window_.ScrollBar3->setValue(indication.peakAt.layer);
    window_.ScrollBar1->setValue(indication.peakAt.byte);
}

void IndicationKeeper::tableEdited()
{
    findings_.indications = Table->indications();
    modified_ = true;
    window_.Image3->update();
    showIndicationBoxes(d3d_, findings_.indications);
}

void IndicationKeeper::showIndications()
{
    Table->setSearch(findings_.search, window_.Readout->reference(), window_.Readout->dac());
    Table->setIndications(findings_.indications, scale());
    window_.Image3->update();
    showIndicationBoxes(d3d_, findings_.indications);
}

std::optional<ReportInspection> IndicationKeeper::reportInspection() const
{
    if (findings_.indications.empty() && inspection_.record == InspectionRecord{})
        return std::nullopt;
    ReportInspection shown{inspection_.record, findings_};
    shown.findings.scale = scale();
    return shown;
}

IndicationScale IndicationKeeper::scale() const
{
    const FindingReadout &readout = *window_.Readout;
    return {depthScaleFactor(window_.volume), readout.probeGeometry(), readout.reference(), readout.dac(),
            readout.evaluationLevels()};
}

InspectionRecord IndicationKeeper::recordOfLastInspection() const
{
    InspectionRecord record;
    SettingsStore settings;
    for (const RecordField &field : kRecordFields) {
        if (isRemembered(field))
            record.*field.text = settings.readString(SettingNames::recordField(field.key)).value_or(QString());
    }
    return record;
}
