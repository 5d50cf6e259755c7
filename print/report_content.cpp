#include "report_content.h"

#include "measure_overlay.h"
#include "slice_renderer.h"

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

QList<ReportField> titleBlockOf(const ScanVolume &volume, const ViewState &view, const ReportInputs &inputs)
{
    const int factor = depthScaleFactor(volume);
    return {
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
    ReportSlice slice;
    slice.caption = captionOf(text.axis, view, depthScaleFactor(scratch));
    slice.acrossUnit = text.across;
    slice.downUnit = text.down;
    const RenderedSlice rendered = renderSliceAt(scratch, view, kReportSliceSize);
    const SliceGeometry &geometry = rendered.geometry;
    slice.image = rendered.mainImage;
    slice.marks = axisRulerMarks(view.axis, geometry, depthScaleFactor(scratch));
    slice.cellsExtent = QSize(geometry.grid_pixel_width, geometry.grid_pixel_height);
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

}  // namespace

InspectionReport inspectionReportOf(const ScanVolume &volume, const ViewState &view, const ReportInputs &inputs)
{
    InspectionReport report;
    report.creator = inputs.programTitle;
    report.heading = inputs.programTitle + QStringLiteral(" inspection report");
    report.titleBlock = titleBlockOf(volume, view, inputs);

    auto scratch = std::make_unique<ScanVolume>(volume);
    const std::array<AxisText, 3> axes{{
        {SliceAxis::X, QStringLiteral("layers"), QStringLiteral("mm")},
        {SliceAxis::Y, QStringLiteral("slices"), QStringLiteral("mm")},
        {SliceAxis::Z, QStringLiteral("slices"), QStringLiteral("layers")},
    }};
    for (size_t i = 0; i < axes.size(); ++i)
        report.slices[i] = sliceOf(*scratch, view, axes[i], inputs);

    const FindingReadings readings = readFinding(volume, view, inputs.reference, inputs.measurePoint, inputs.probe);
    report.picture3d = inputs.picture3d;
    report.trace = tracePlotOf(volume, view, readings);
    report.trace.readings.clear();  // the report gives them once, in its own table
    report.readings = readingLinesOf(readings);
    report.notes = inputs.notes;
    return report;
}
