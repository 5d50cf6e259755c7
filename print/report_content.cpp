#include "report_content.h"

#include "measure_overlay.h"
#include "report_indications.h"
#include "shown_slice.h"
#include "time_corrected_gain.h"

#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

#include <memory>

namespace {

QString timeText(const QDateTime &time)
{
    return time.isValid() ? time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QStringLiteral("unknown");
}

QString millimetres(double value)
{
    return QLocale::c().toString(value, 'f', 3).remove(QRegularExpression(QStringLiteral("\\.?0+$"))) + QStringLiteral(" mm");
}

QString pitchText(const std::optional<double> &pitch)
{
    return pitch ? millimetres(*pitch) : QStringLiteral("unknown");
}

QString onOff(bool on)
{
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

// The record's fields as the title block names them; its notes go with the report's.
QList<ReportField> recordFieldsOf(const InspectionRecord &record)
{
    return {
        {QStringLiteral("Component / weld"), record.component},
        {QStringLiteral("Location"), record.location},
        {QStringLiteral("Inspector"), record.inspector},
        {QStringLiteral("Certification"), record.certification},
        {QStringLiteral("Procedure"), record.procedure},
        {QStringLiteral("Instrument"), record.instrument},
        {QStringLiteral("Probe"), record.probe},
        {QStringLiteral("Couplant"), record.couplant},
        {QStringLiteral("Calibration block"), record.calibrationBlock},
        {QStringLiteral("Inspected"), record.date},
    };
}

QList<ReportField> titleBlockOf(const ScanVolume &volume, const ViewState &view, const ReportInputs &inputs)
{
    const int factor = depthScaleFactor(volume);
    const QList<ReportField> record = inputs.inspection ? recordFieldsOf(inputs.inspection->record) : QList<ReportField>();
    return record + QList<ReportField>{
        {QStringLiteral("Program"), inputs.programTitle},
        {QStringLiteral("File"), QFileInfo(inputs.fileName).fileName()},
        {QStringLiteral("Folder"), QFileInfo(inputs.fileName).absolutePath()},
        {QStringLiteral("File modified"), timeText(inputs.fileModified)},
        {QStringLiteral("Depth scale"),
         QStringLiteral("code %1: %2 mm per 16 steps").arg(depth_scale_code(volume)).arg(factor)},
        {QStringLiteral("Depth step"), millimetres(factor / 16.0)},
        {QStringLiteral("Report made"), timeText(inputs.made)},
        {QStringLiteral("Slice pitch"), pitchText(inputs.probe.slicePitch)},
        {QStringLiteral("Layer pitch"), pitchText(inputs.probe.layerPitch)},
        // the view settings that the slices and the readings depend on
        {QStringLiteral("Depth gate"), QStringLiteral("%1 to %2").arg(depthReadout(view.topBorder, factor),
                                                                      depthReadout(view.bottomBorder, factor))},
        {QStringLiteral("Layers shown"), QStringLiteral("%1 to %2").arg(view.firstLayer).arg(view.lastLayer)},
        {QStringLiteral("Brightness"), QString::number(view.brightness)},
        {QStringLiteral("Threshold"), QString::number(view.threshold)},
        {QStringLiteral("Smoothing"), onOff(view.smoothing != 0)},
        {QStringLiteral("Gate maximum"), onOff(view.axis == SliceAxis::Z && view.showGateMaximum)},
        {QStringLiteral("DAC"), inputs.dac ? dacPointsText(*inputs.dac) : QStringLiteral("none")},
        {QStringLiteral("TCG"), onOff(inputs.dac && inputs.timeCorrectedGain)},
        {QStringLiteral("Palette"), paletteName(inputs.palette)},
        {QStringLiteral("Evaluation levels"),
         inputs.levels ? evaluationLevelsText(*inputs.levels) : QStringLiteral("none")},
    };
}

struct AxisText {
    SliceAxis axis;
    QString across;
    QString down;
};

QString captionOf(SliceAxis axis, const ViewState &view, int factor)
{
    switch (axis) {
    case SliceAxis::X:
        return QStringLiteral("X view: ") + sliceReadout(view.slice);
    case SliceAxis::Y:
        return QStringLiteral("Y view: ") + layerReadout(view.layer);
    case SliceAxis::Z:
        break;
    }
    return QStringLiteral("Z view: ") + depthReadout(view.depth, factor);
}

ReportSlice sliceOf(ScanVolume &scratch, ViewState view, const AxisText &text, const ReportInputs &inputs)
{
    const bool measured = inputs.measurePoint && view.axis == text.axis;
    view.axis = text.axis;
    SliceGeometry geometry;
    ReportSlice slice = renderedReportSlice(scratch, view, inputs.palette, geometry);
    slice.caption = captionOf(text.axis, view, depthScaleFactor(scratch));
    slice.acrossUnit = text.across;
    slice.downUnit = text.down;
    if (measured)
        slice.measureLine = measureLine(view, *inputs.measurePoint, geometry);
    return slice;
}

QStringList readingLinesOf(const FindingReadings &readings)
{
    QStringList lines{QStringLiteral("Cursor: slice %1, layer %2, depth %3")
                          .arg(readings.cursor.slice + 1)
                          .arg(readings.cursor.layer)
                          .arg(millimetres(readings.depthMm))};
    return lines + readingsLines(readings);
}

// The probe geometry, the reference, the DAC and the levels the inspection
// was sized with, where the report is not given its own; the record's notes
// before the report's.
ReportInputs withInspection(ReportInputs inputs, int depthScale)
{
    if (!inputs.inspection)
        return inputs;
    IndicationScale &scale = inputs.inspection->findings.scale;
    if (!inputs.probe.slicePitch)
        inputs.probe.slicePitch = scale.probe.slicePitch;
    if (!inputs.probe.layerPitch)
        inputs.probe.layerPitch = scale.probe.layerPitch;
    if (!inputs.reference)
        inputs.reference = scale.reference;
    if (!inputs.dac)
        inputs.dac = scale.dac;
    if (!inputs.levels)
        inputs.levels = scale.levels;
    scale.probe = inputs.probe;
    scale.reference = inputs.reference;
    scale.dac = inputs.dac;
    scale.levels = inputs.levels;
    scale.depthScale = depthScale;
    const QString &recordNotes = inputs.inspection->record.notes;
    if (!recordNotes.isEmpty())
        inputs.notes = inputs.notes.isEmpty() ? recordNotes : recordNotes + QStringLiteral("\n\n") + inputs.notes;
    return inputs;
}

}  // namespace

ReportSlice renderedReportSlice(ScanVolume &scratch, const ViewState &view, SlicePalette palette,
                                SliceGeometry &geometry)
{
    const RenderedSlice rendered = renderShownSliceAt(scratch, view, kReportSliceSize, SliceLook{{}, palette});
    geometry = rendered.geometry;
    ReportSlice slice;
    slice.image = rendered.mainImage;
    slice.marks = axisRulerMarks(view.axis, geometry, depthScaleFactor(scratch));
    slice.cellsExtent = QSize(geometry.grid_pixel_width, geometry.grid_pixel_height);
    return slice;
}

InspectionReport inspectionReportOf(const ScanVolume &volume, const ViewState &view, const ReportInputs &given)
{
    const ReportInputs inputs = withInspection(given, depthScaleFactor(volume));
    InspectionReport report;
    report.creator = inputs.programTitle;
    report.heading = inputs.programTitle + QStringLiteral(" inspection report");
    report.titleBlock = titleBlockOf(volume, view, inputs);

    auto scratch = std::make_unique<ScanVolume>(volume);
    if (inputs.dac && inputs.timeCorrectedGain)
        applyTimeCorrectedGain(*scratch, *inputs.dac);
    const std::array<AxisText, 3> axes{{
        {SliceAxis::X, QStringLiteral("layers"), QStringLiteral("mm")},
        {SliceAxis::Y, QStringLiteral("slices"), QStringLiteral("mm")},
        {SliceAxis::Z, QStringLiteral("slices"), QStringLiteral("layers")},
    }};
    for (size_t i = 0; i < axes.size(); ++i)
        report.slices[i] = sliceOf(*scratch, view, axes[i], inputs);

    FindingReadings readings = readFinding(volume, view, inputs.reference, inputs.measurePoint, inputs.probe);
    if (inputs.dac)
        readAgainstDac(readings, *inputs.dac, depthScaleFactor(volume));
    report.picture3d = inputs.picture3d;
    report.trace = tracePlotOf(volume, view, readings, inputs.dac);
    report.trace.readings.clear();  // the report gives them once, in its own table
    report.readings = readingLinesOf(readings);
    report.notes = inputs.notes;
    report.fileName = QFileInfo(inputs.fileName).fileName();
    if (inputs.inspection)
        report.indications = reportIndicationsOf(*scratch, view, *inputs.inspection, inputs.palette);
    if (inputs.thickness)
        report.wallMap = reportWallMapOf(volume, *inputs.thickness);
    return report;
}
