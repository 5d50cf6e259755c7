#include "report_indications.h"

#include "decimal_text.h"
#include "finding_readings.h"
#include "report_content.h"

#include <cmath>

namespace {

const QString kUnknown = QStringLiteral("\u2013");
const QString kMinus = QStringLiteral("\u2212");

// The table's columns and their widths, in millimetres of the A4 page; the
// dB to the DAC and the class take their room from the comment.
QList<ReportColumn> tableColumns(const IndicationScale &scale)
{
    constexpr double kDacWidth = 13;
    constexpr double kClassWidth = 13;
    double commentWidth = 48;
    QList<ReportColumn> columns{
        {QStringLiteral("No."), 8, Qt::AlignRight},        {QStringLiteral("Slice"), 10, Qt::AlignRight},
        {QStringLiteral("Layer"), 10, Qt::AlignRight},     {QStringLiteral("Depth mm"), 17, Qt::AlignRight},
        {QStringLiteral("Peak %"), 14, Qt::AlignRight},    {QStringLiteral("dB"), 11, Qt::AlignRight},
        {QStringLiteral("\u0394dB"), 11, Qt::AlignRight},  {QStringLiteral("Length mm"), 19, Qt::AlignRight},
        {QStringLiteral("Width mm"), 19, Qt::AlignRight},  {QStringLiteral("Height mm"), 19, Qt::AlignRight},
    };
    if (scale.dac) {
        columns.append({QStringLiteral("dB DAC"), kDacWidth, Qt::AlignRight});
        commentWidth -= kDacWidth;
    }
    if (scale.levels) {
        columns.append({QStringLiteral("Class"), kClassWidth, Qt::AlignLeft});
        commentWidth -= kClassWidth;
    }
    columns.append({QStringLiteral("Comment"), commentWidth, Qt::AlignLeft});
    return columns;
}

QString millimetreCell(const QJsonValue &value)
{
    return value.isDouble() ? QString::fromLatin1(realNumberText(value.toDouble())) : kUnknown;
}

QString tenthCell(const QJsonValue &value, const QString &whenNone)
{
    if (!value.isDouble())
        return whenNone;
    const double tenths = value.toDouble();
    const QString digits = QString::number(std::fabs(tenths), 'f', 1);
    return tenths < 0 && digits != QStringLiteral("0.0") ? kMinus + digits : digits;
}

QStringList rowOf(const Indication &indication, const IndicationScale &scale)
{
    const QJsonObject fields = indicationObject(indication, scale);
    QStringList row{
        QString::number(fields.value("number").toInt()),
        QString::number(fields.value("peak_slice").toInt()),
        QString::number(fields.value("peak_layer").toInt()),
        millimetreCell(fields.value("peak_depth_mm")),
        tenthCell(fields.value("peak_percent"), kUnknown),
        tenthCell(fields.value("peak_db"), kMinus + QStringLiteral("\u221e")),
        tenthCell(fields.value("peak_delta_db"), kUnknown),
        millimetreCell(fields.value("length_mm")),
        millimetreCell(fields.value("width_mm")),
        millimetreCell(fields.value("height_mm")),
    };
    if (scale.dac)
        row.append(tenthCell(fields.value("peak_dac_db"), kMinus + QStringLiteral("\u221e")));
    if (scale.levels)
        row.append(fields.value("class").isString() ? fields.value("class").toString() : kUnknown);
    row.append(fields.value("comment").toString());
    return row;
}

QString searchText(const InspectionFindings &findings)
{
    const IndicationSearch &search = findings.search;
    const IndicationScale &scale = findings.scale;
    const QString level =
        search.dacLevel ? QStringLiteral("Level %1 dB to the DAC")
                              .arg(QString::fromLatin1(realNumberText(search.dacLevel->decibels)))
                        : QStringLiteral("Level %1 (%2 %)")
                              .arg(search.level)
                              .arg(tenthCell(amplitudeOf(search.level).percent, kUnknown));
    QString text = QStringLiteral("%1, drop %2 dB, at least %3 samples a region, depth gate %4 to %5, layers %6 to %7")
                       .arg(level)
                       .arg(QString::fromLatin1(realNumberText(search.dropDb)))
                       .arg(search.minSamples)
                       .arg(depthReadout(search.topBorder, scale.depthScale), depthReadout(search.bottomBorder, scale.depthScale))
                       .arg(search.firstLayer)
                       .arg(search.lastLayer);
    if (scale.reference)
        text += QStringLiteral(", reference %1").arg(*scale.reference);
    QStringList evaluation;
    if (scale.dac)
        evaluation << QStringLiteral("DAC %1").arg(dacPointsText(*scale.dac));
    if (scale.levels)
        evaluation << QStringLiteral("evaluation levels: ") + evaluationLevelsText(*scale.levels);
    if (!evaluation.isEmpty())
        text += QLatin1Char('\n') + evaluation.join(QStringLiteral("; "));
    return text + QStringLiteral("\n\u2013: unknown without the probe geometry or the reference");
}

// The slice through the peak, the view's cut across the layers, its cursor on
// the peak and the drop extent outlined: layer L is grid column L - 1, trace
// byte b grid row b - 1.
ReportSlice pictureOf(ScanVolume &scratch, ViewState view, const IndicationSearch &search, const Indication &indication,
                      SlicePalette palette)
{
    view.axis = SliceAxis::X;
    view.topBorder = search.topBorder;
    view.bottomBorder = search.bottomBorder;
    view.firstLayer = search.firstLayer;
    view.lastLayer = search.lastLayer;
    setSlice(view, indication.peakAt.slice);
    setLayer(view, indication.peakAt.layer);
    setDepth(view, indication.peakAt.byte);
    SliceGeometry geometry;
    ReportSlice slice = renderedReportSlice(scratch, view, palette, geometry);
    slice.caption = QStringLiteral("Indication %1: X view: %2").arg(indication.number).arg(sliceReadout(view.slice));
    slice.acrossUnit = QStringLiteral("layers");
    slice.downUnit = QStringLiteral("mm");
    const SampleBox &drop = indication.drop;
    const QRectF box((drop.layerFirst - 1) * geometry.cell_width, (drop.byteFirst - 1) * geometry.cell_height,
                     (drop.layerLast - drop.layerFirst + 1) * geometry.cell_width,
                     (drop.byteLast - drop.byteFirst + 1) * geometry.cell_height);
    slice.outline = ReportOutline{box, QString::number(indication.number)};
    return slice;
}

}  // namespace

ReportIndications reportIndicationsOf(ScanVolume &scratch, const ViewState &view, const ReportInspection &inspection,
                                      SlicePalette palette)
{
    const InspectionFindings &findings = inspection.findings;
    ReportIndications report;
    report.search = searchText(findings);
    report.columns = tableColumns(inspection.findings.scale);
    for (const Indication &indication : findings.indications)
        report.rows.append(rowOf(indication, findings.scale));
    for (size_t i = 0; i < findings.indications.size() && i < kReportIndicationPictures; ++i)
        report.pictures.append(pictureOf(scratch, view, findings.search, findings.indications[i], palette));
    report.inspector = inspection.record.inspector;
    report.date = inspection.record.date;
    return report;
}
