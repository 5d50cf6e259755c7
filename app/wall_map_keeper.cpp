#include "wall_map_keeper.h"

#include "application_title.h"
#include "dialog_seam.h"
#include "finding_readout.h"
#include "main_window.h"
#include "nominal_wall_dialog.h"
#include "probe_geometry.h"
#include "scan_file_format.h"
#include "scan_loader.h"
#include "screen_fit.h"
#include "settings_store.h"
#include "thickness_map_window.h"
#include "wall_map_picture.h"
#include "wall_map_tables.h"

#include <QFileInfo>
#include <QScrollBar>
#include <QToolBar>

namespace {

const QString kCompareFilter = QStringLiteral("File M7340|") + ScanFileFormat::text(ScanFileFormat::kPattern);

void raiseWindow(QWidget &shown, const QWidget &below)
{
    if (!shown.isVisible())
        placeBelow(shown, below, Qt::AlignLeft);
    shown.show();
    shown.raise();
    shown.activateWindow();
}

}  // namespace

WallMapKeeper::WallMapKeeper(TForm1 &window) : QObject(&window), window_(window)
{
    ThicknessWindow = new ThicknessMapWindow(&window);
    ThicknessWindow->setObjectName(QStringLiteral("ThicknessMap"));
    ComparisonWindow = new WallMapWindow(&window);
    ComparisonWindow->setObjectName(QStringLiteral("ScanComparison"));
    connect(ThicknessWindow, &ThicknessMapWindow::searchChanged, this, &WallMapKeeper::drawThickness);
    connect(ThicknessWindow, &WallMapWindow::traceChosen, this, &WallMapKeeper::moveCursorTo);
    connect(ComparisonWindow, &WallMapWindow::traceChosen, this, &WallMapKeeper::moveCursorTo);
    connect(&window, &TForm1::sliceImageRedrawn, this, &WallMapKeeper::follow);
    const SettingsStore settings;
    nominalMm_ = parsePitch(settings.readString(SettingNames::NominalWallMm).value_or(QString())).value_or(std::nullopt);
}

WallMapKeeper::~WallMapKeeper() = default;

void WallMapKeeper::showThicknessMap()
{
    if (!window_.Readout->scanLoaded()) {
        showErrorMessage(QStringLiteral("No scan is shown: there is no wall to map."));
        return;
    }
    drawThickness();
    raiseWindow(*ThicknessWindow, *window_.CoolBar1);
}

void WallMapKeeper::compareWith()
{
    if (!window_.Readout->scanLoaded()) {
        showErrorMessage(QStringLiteral("No scan is shown: open scan A first, then compare it with scan B."));
        return;
    }
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Open;
    request.title = QStringLiteral("Compare with");
    request.filter = kCompareFilter;
    request.initialDirectory = QFileInfo(window_.volume.current_file_name).absolutePath();
    const auto chosen = dialogs().runFileDialog(request);
    if (!chosen)
        return;
    auto other = std::make_unique<ScanVolume>();
    AllocateVolume(*other, {});
    const ScanFileLoad load = loadScanFile(chosen->path, *other);
    if (load.openFailure || !load.isScanFile()) {
        showErrorMessage(load.openFailure ? QStringLiteral("Cannot open %1: %2").arg(chosen->path, *load.openFailure)
                                          : QStringLiteral("%1 is not a Velmora scan file.").arg(chosen->path));
        return;
    }
    if (load.isShort()) {
        dialogs().showMessage({kApplicationTitle, missingBytesText(chosen->path, load.read.imageBytesRead),
                               MessageIcon::Warning, MessageButtons::Ok});
    }
    other_ = std::move(other);
    otherPath_ = chosen->path;
    shownComparison_.reset();
    drawComparison();
    raiseWindow(*ComparisonWindow, *window_.CoolBar1);
}

void WallMapKeeper::editNominalWall()
{
    NominalWallDialog dialog(&window_, nominalMm_);
    if (dialogs().runModal(dialog) != QDialog::Accepted)
        return;
    nominalMm_ = dialog.nominalMm();
    SettingsStore settings;
    settings.writeString(SettingNames::NominalWallMm, nominalMm_ ? QString::number(*nominalMm_, 'g', 10) : QString());
    settings.close();
    if (ThicknessWindow->isVisible())
        drawThickness();
}

std::optional<ReportThickness> WallMapKeeper::reportThickness() const
{
    if (!ThicknessWindow->isVisible())
        return std::nullopt;
    return ReportThickness{ThicknessWindow->search(gate()), nominalMm_};
}

// The maps follow the scan, the gate and the shown layers; they are drawn
// again only when what they show has changed.
void WallMapKeeper::follow()
{
    if (ThicknessWindow->isVisible() && thicknessMap(window_.volume, ThicknessWindow->search(gate())) != shownMap_)
        drawThickness();
    if (ComparisonWindow->isVisible() && other_ && compareScans(window_.volume, *other_, gate()) != shownComparison_)
        drawComparison();
}

void WallMapKeeper::drawThickness()
{
    shownMap_ = thicknessMap(window_.volume, ThicknessWindow->search(gate()));
    const ThicknessMap &map = *shownMap_;
    const std::optional<double> nominal = nominalMm_;
    ThicknessWindow->showMap(thicknessMapPicture(map, kMapPictureSize),
                             thicknessFigureLines(thicknessFigures(map, nominal)),
                             [map, nominal](TraceAt at) { return thicknessReading(map, at, nominal); });
}

void WallMapKeeper::drawComparison()
{
    ComparisonWindow->setWindowTitle(QStringLiteral("Comparison: A %1, B %2")
                                         .arg(QFileInfo(window_.volume.current_file_name).fileName(),
                                              QFileInfo(otherPath_).fileName()));
    shownComparison_ = compareScans(window_.volume, *other_, gate());
    const ScanComparison &comparison = *shownComparison_;
    ComparisonWindow->showMap(differenceMapPicture(comparison, kMapPictureSize),
                              comparisonFigureLines(comparisonFigures(comparison)),
                              [comparison](TraceAt at) { return comparisonReading(comparison, at); });
}

void WallMapKeeper::moveCursorTo(int layer, int slice)
{
    window_.ScrollBar2->setValue(slice);
    window_.ScrollBar3->setValue(layer);
}

MapGate WallMapKeeper::gate() const
{
    return mapGateOfView(window_.viewState());
}
