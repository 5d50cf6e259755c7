#include "finding_readout.h"

#include "bitmap_view.h"
#include "command_table.h"
#include "dac_overlay.h"
#include "dac_points_dialog.h"
#include "decimal_text.h"
#include "dialog_seam.h"
#include "evaluation_levels_dialog.h"
#include "main_layout.h"
#include "main_window.h"
#include "measure_overlay.h"
#include "probe_geometry_dialog.h"
#include "screen_fit.h"
#include "settings_store.h"
#include "trace_plot_view.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

namespace {

constexpr int kMinimumPanelPlotHeight = 200;
constexpr int kHighestSample = 255;
constexpr int kStatusLineGap = 40;  // pixels between the status line and the readings
constexpr QSize kPlotWindowSize{320, 520};
const QString kNoScan = QStringLiteral("No scan loaded");

std::optional<int> storedReference(const SettingsStore &settings)
{
    const auto value = settings.readInteger(SettingNames::Reference);
    if (!value || *value < 1 || *value > kHighestSample)
        return std::nullopt;
    return value;
}

std::optional<double> storedPitch(const SettingsStore &settings, const QString &name)
{
    return parsePitch(settings.readString(name).value_or(QString())).value_or(std::nullopt);
}

QString pitchText(const std::optional<double> &pitch)
{
    return pitch ? QString::number(*pitch, 'g', 10) : QString();
}

std::optional<double> storedNumber(const SettingsStore &settings, const QString &name)
{
    return parseDecimal(settings.readString(name).value_or(QString()));
}

// Both levels, or none; a length limit only with them.
std::optional<EvaluationLevels> storedLevels(const SettingsStore &settings)
{
    const auto recording = storedNumber(settings, SettingNames::RecordingDb);
    const auto acceptance = storedNumber(settings, SettingNames::AcceptanceDb);
    if (!recording || !acceptance)
        return std::nullopt;
    const auto length = storedNumber(settings, SettingNames::MaxLengthMm);
    return EvaluationLevels{*recording, *acceptance, length && *length > 0 ? length : std::nullopt};
}

QString numberText(const std::optional<double> &number)
{
    return number ? QString::number(*number, 'g', 10) : QString();
}

}  // namespace

FindingReadout::FindingReadout(TForm1 &window) : QObject(&window), window_(window)
{
    StatusSection = new QLabel(kNoScan, window_.StatusBar1);
    window_.StatusBar1->addPermanentWidget(StatusSection);
    PanelPlot = new TracePlotView(window_.Panel1);
    PanelPlotHint = new QLabel(window_.Panel1);
    PanelPlotHint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PanelPlotHint->setText(QStringLiteral("Trace plot: %1").arg(keyOfCommand("trace-plot")));
    PanelPlotHint->setToolTip(QStringLiteral("No room for the trace plot here: Readings \u25b8 Trace plot window"));
    PanelPlotHint->hide();
    PlotWindow = new TracePlotView(&window_, Qt::Tool);
    PlotWindow->setWindowTitle(QStringLiteral("Trace plot"));
    PlotWindow->resize(kPlotWindowSize);
    ThresholdValue = showValueBeside(window_.RxSlider3);
    BrightnessValue = showValueBeside(window_.RxSlider1);
    window_.Image3->addOverlay([this](QPainter &painter) {
        if (measurePoint_)
            drawMeasureOverlay(painter, measureLine(window_.viewState(), *measurePoint_, window_.geometry));
    });
    window_.Image2->addOverlay([this](QPainter &painter) {
        if (dac_ && scanLoaded_)
            drawDacOverAScan(painter, window_.Image2->size(), *dac_, depthScaleFactor(window_.volume));
    });
    window_.Panel1->installEventFilter(this);
    readSettings();
}

std::optional<DacCurve> FindingReadout::sliceGain() const
{
    return timeCorrectedGain_ ? dac_ : std::nullopt;
}

QLabel *FindingReadout::showValueBeside(QSlider *slider)
{
    auto *label = new QLabel(QString::number(slider->value()), slider->parentWidget());
    label->setGeometry(slider->geometry().right() + 6, slider->geometry().center().y() - 8, 36, 16);
    connect(slider, &QSlider::valueChanged, label, qOverload<int>(&QLabel::setNum));
    return label;
}

void FindingReadout::refresh()
{
    const ViewState view = window_.viewState();
    if (measurePoint_ && view.axis != measureAxis_)
        measurePoint_.reset();
    readings_ = readFinding(window_.volume, view, reference_, measurePoint_, probe_);
    if (dac_)
        readAgainstDac(readings_, *dac_, depthScaleFactor(window_.volume));
    // with no scan shown there is nothing to read: no readings, no plot
    if (scanLoaded_) {
        const TracePlot plot = tracePlotOf(window_.volume, view, readings_, dac_);
        PanelPlot->showPlot(plot);
        PlotWindow->showPlot(plot);
        showInSection(readingsSummary(readings_));
    } else {
        PanelPlot->showNothing(kNoScan);
        PlotWindow->showNothing(kNoScan);
        showInSection(kNoScan);
    }
    window_.Image3->update();
}

void FindingReadout::setScanLoaded(bool loaded)
{
    scanLoaded_ = loaded;
    measurePoint_.reset();
}

void FindingReadout::tell(const QString &note)
{
    showInSection(note);
}

// The status line on the left keeps its room; what does not fit of the
// readings is cut short, and the tool tip holds them all.
void FindingReadout::showInSection(const QString &text)
{
    const QFontMetrics metrics = StatusSection->fontMetrics();
    const int statusLineWidth = metrics.horizontalAdvance(window_.StatusBar1->currentMessage()) + kStatusLineGap;
    const int room = std::max(0, window_.StatusBar1->width() - statusLineWidth);
    StatusSection->setMaximumWidth(room);
    StatusSection->setText(metrics.elidedText(text, Qt::ElideRight, room));
    StatusSection->setToolTip(text);
}

void FindingReadout::setMeasurePoint(QPoint pixel)
{
    if (!scanLoaded_) {
        tell(kNoScan + QStringLiteral(": no measure point set"));
        return;
    }
    const ViewState view = window_.viewState();
    measurePoint_ = measurePointAt(view, window_.geometry, pixel.x(), pixel.y());
    measureAxis_ = view.axis;
    refresh();
}

void FindingReadout::clearMeasurePoint()
{
    measurePoint_.reset();
    refresh();
}

void FindingReadout::setReference()
{
    if (!scanLoaded_) {
        tell(kNoScan + QStringLiteral(": no reference set"));
        return;
    }
    if (readings_.amplitude.value == 0) {
        tell(QStringLiteral("No echo at the cursor: no reference set"));
        return;
    }
    reference_ = readings_.amplitude.value;
    writeSettings();
    refresh();
}

void FindingReadout::clearReference()
{
    reference_.reset();
    writeSettings();
    refresh();
}

void FindingReadout::addDacPoint()
{
    if (!scanLoaded_ || readings_.peak.value == 0) {
        tell(QStringLiteral("No echo in the gate: no DAC point added"));
        return;
    }
    std::vector<DacPoint> points = dac_ ? dac_->points() : std::vector<DacPoint>{};
    const double depth = readings_.peak.depthPosition * static_cast<double>(depthScaleFactor(window_.volume)) / 16.0;
    points.push_back({depth, readings_.peak.value});
    QString reason;
    const auto curve = DacCurve::through(std::move(points), &reason);
    if (!curve) {
        tell(QStringLiteral("No DAC point added: %1").arg(reason));
        return;
    }
    takeDac(curve);
}

void FindingReadout::removeLastDacPoint()
{
    if (!dac_)
        return;
    std::vector<DacPoint> points = dac_->points();
    points.pop_back();
    takeDac(DacCurve::through(std::move(points)));
}

void FindingReadout::clearDac()
{
    takeDac(std::nullopt);
}

void FindingReadout::editDacPoints()
{
    DacPointsDialog dialog(&window_, dac_);
    if (dialogs().runModal(dialog) == QDialog::Accepted)
        takeDac(dialog.curve());
}

// The slices change with the DAC only when they are drawn through its gain.
void FindingReadout::takeDac(std::optional<DacCurve> dac)
{
    dac_ = std::move(dac);
    writeSettings();
    if (timeCorrectedGain_)
        window_.Image1Click();
    else
        refresh();
    window_.Image2->update();
    emit evaluationChanged();
}

void FindingReadout::editEvaluationLevels()
{
    EvaluationLevelsDialog dialog(&window_, levels_);
    if (dialogs().runModal(dialog) != QDialog::Accepted)
        return;
    levels_ = dialog.levels();
    writeSettings();
    emit evaluationChanged();
}

void FindingReadout::toggleTimeCorrectedGain()
{
    timeCorrectedGain_ = !timeCorrectedGain_;
    if (auto *item = window_.findChild<QAction *>(QStringLiteral("tcg")))
        item->setChecked(timeCorrectedGain_);
    if (timeCorrectedGain_ && !dac_)
        tell(QStringLiteral("TCG is on, but there is no DAC to correct by: the slices are as recorded"));
    writeSettings();
    window_.Image1Click();
}

void FindingReadout::editProbeGeometry()
{
    ProbeGeometryDialog dialog(&window_, probe_);
    if (dialogs().runModal(dialog) != QDialog::Accepted)
        return;
    probe_ = dialog.probeGeometry();
    writeSettings();
    refresh();
    emit probeGeometryChanged();
}

void FindingReadout::showPlotWindow()
{
    if (!PlotWindow->isVisible())
        placeBelow(*PlotWindow, *window_.CoolBar1, Qt::AlignRight);
    PlotWindow->show();
    PlotWindow->raise();
}

bool FindingReadout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window_.Panel1 && event->type() == QEvent::Resize)
        placePanelPlot();
    return QObject::eventFilter(watched, event);
}

// Below the 3-D buttons, in the rest of the control panel down to the status
// bar (the panel reaches on under it); hidden when too little is left, the
// window of its own then shows the plot.
void FindingReadout::placePanelPlot()
{
    int top = 0;
    if (const auto *above = window_.Panel1->findChild<QFrame *>(QStringLiteral("ThreeDGroup")))
        top = above->geometry().bottom() + 5;
    const int statusBarTop = window_.ClientArea->height() - MainDesign::kStatusBarHeight;
    const int shownHeight = std::min(window_.Panel1->height(), statusBarTop - window_.Panel1->y());
    const QRect area(4, top, window_.Panel1->width() - 8, shownHeight - top - 4);
    const bool room = area.height() >= kMinimumPanelPlotHeight;
    PanelPlot->setGeometry(area);
    PanelPlot->setVisible(room);
    PanelPlotHint->setGeometry(area);
    PanelPlotHint->setVisible(!room);
}

void FindingReadout::readSettings()
{
    const SettingsStore settings;
    reference_ = storedReference(settings);
    probe_ = {storedPitch(settings, SettingNames::SlicePitch), storedPitch(settings, SettingNames::LayerPitch)};
    dac_ = parseDacCurve(settings.readString(SettingNames::DacPoints).value_or(QString()));
    levels_ = storedLevels(settings);
    timeCorrectedGain_ = settings.readInteger(SettingNames::TimeCorrectedGain).value_or(0) == 1;
    if (auto *item = window_.findChild<QAction *>(QStringLiteral("tcg")))
        item->setChecked(timeCorrectedGain_);
}

void FindingReadout::writeSettings() const
{
    SettingsStore settings;
    settings.writeString(SettingNames::Reference, reference_ ? QString::number(*reference_) : QString());
    settings.writeString(SettingNames::SlicePitch, pitchText(probe_.slicePitch));
    settings.writeString(SettingNames::LayerPitch, pitchText(probe_.layerPitch));
    settings.writeString(SettingNames::DacPoints, dac_ ? dacCurveText(*dac_) : QString());
    settings.writeString(SettingNames::RecordingDb,
                         numberText(levels_ ? std::optional(levels_->recordingDb) : std::nullopt));
    settings.writeString(SettingNames::AcceptanceDb,
                         numberText(levels_ ? std::optional(levels_->acceptanceDb) : std::nullopt));
    settings.writeString(SettingNames::MaxLengthMm, numberText(levels_ ? levels_->maxLengthMm : std::nullopt));
    settings.writeInteger(SettingNames::TimeCorrectedGain, timeCorrectedGain_ ? 1 : 0);
    settings.close();
}
