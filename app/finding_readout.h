#pragma once
// The readings of a finding in the main window: a section of the status bar
// after the cursor's status line, the trace plot in the control panel (or in
// a window of its own), the two-point measurement drawn over the slice image,
// the DAC curve drawn over the A-scan, and what the readings are taken
// against: the reference level, the probe geometry, the DAC, the evaluation
// levels and whether the slices are drawn through the DAC's gain, all kept in
// the settings.

#include "finding_readings.h"

#include <QObject>
#include <QPoint>

#include <optional>

class QLabel;
class QSlider;
class TForm1;
class TracePlotView;

class FindingReadout : public QObject {
    Q_OBJECT
public:
    explicit FindingReadout(TForm1 &window);

    // Brings every read-out up to date with the volume and the cursor.
    void refresh();
    // A scan was loaded into the volume, or the volume was emptied.
    void setScanLoaded(bool loaded);

    // Commands
    void setMeasurePoint(QPoint pixel);
    void clearMeasurePoint();
    void setReference();
    void clearReference();
    void editProbeGeometry();
    // The DAC: a point at the gate peak's depth and value, the last point taken back, none.
    void addDacPoint();
    void removeLastDacPoint();
    void clearDac();
    void editDacPoints();
    void editEvaluationLevels();
    void toggleTimeCorrectedGain();
    void showPlotWindow();

    const std::optional<VolumePoint> &measurePoint() const { return measurePoint_; }
    const std::optional<int> &reference() const { return reference_; }
    const ProbeGeometry &probeGeometry() const { return probe_; }
    const std::optional<DacCurve> &dac() const { return dac_; }
    const std::optional<EvaluationLevels> &evaluationLevels() const { return levels_; }
    bool timeCorrectedGain() const { return timeCorrectedGain_; }
    // The DAC the slices are drawn through: none with the gain off.
    std::optional<DacCurve> sliceGain() const;
    bool scanLoaded() const { return scanLoaded_; }

    QLabel *StatusSection;
    TracePlotView *PanelPlot;
    QLabel *PanelPlotHint;  // where the plot went when the panel has no room for it
    TracePlotView *PlotWindow;
    QLabel *ThresholdValue;
    QLabel *BrightnessValue;

signals:
    // The probe geometry dialog was confirmed.
    void probeGeometryChanged();
    // The DAC or the evaluation levels changed.
    void evaluationChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *showValueBeside(QSlider *slider);
    void placePanelPlot();
    void readSettings();
    void writeSettings() const;
    void tell(const QString &note);
    void showInSection(const QString &text);
    void takeDac(std::optional<DacCurve> dac);

    TForm1 &window_;
    bool scanLoaded_ = false;
    std::optional<VolumePoint> measurePoint_;
    SliceAxis measureAxis_ = SliceAxis::X;
    std::optional<int> reference_;
    ProbeGeometry probe_;
    std::optional<DacCurve> dac_;
    std::optional<EvaluationLevels> levels_;
    bool timeCorrectedGain_ = false;
    FindingReadings readings_;
};
