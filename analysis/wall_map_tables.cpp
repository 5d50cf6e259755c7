#include "wall_map_tables.h"

#include "decimal_text.h"

#include <QJsonArray>

namespace {

QJsonValue optionalNumber(const std::optional<double> &value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

int shownSlice(const TraceAt &at)
{
    return at.slice + 1;
}

QString millimetreText(double value)
{
    return QString::fromLatin1(realNumberText(value)) + QStringLiteral(" mm");
}

QString decibelText(double value)
{
    const double shown = value == 0 ? 0.0 : value;  // never "-0.0"
    return (shown > 0 ? QStringLiteral("+") : QString()) + QString::number(shown, 'f', 1) + QStringLiteral(" dB");
}

QString traceText(const TraceAt &at)
{
    return QStringLiteral("layer %1, slice %2").arg(at.layer).arg(shownSlice(at));
}

std::optional<double> thicknessOf(const TraceWall &trace, int depthScale)
{
    if (!trace.echoByte)
        return std::nullopt;
    return wallMillimetres(*trace.echoByte, depthScale);
}

void putExtreme(QJsonObject &object, const QString &name, const std::optional<TraceComparison> &trace)
{
    object.insert(name + QStringLiteral("_db"), optionalNumber(trace ? trace->deltaDb : std::nullopt));
    object.insert(name + QStringLiteral("_layer"), trace ? QJsonValue(trace->at.layer) : QJsonValue());
    object.insert(name + QStringLiteral("_slice"), trace ? QJsonValue(shownSlice(trace->at)) : QJsonValue());
}

QString extremeLine(const QString &name, const TraceComparison &trace)
{
    return QStringLiteral("%1 %2 at %3 (A %4, B %5)")
        .arg(name, decibelText(*trace.deltaDb), traceText(trace.at))
        .arg(trace.gateMaxA)
        .arg(trace.gateMaxB);
}

}  // namespace

QJsonObject thicknessObject(const ThicknessMap &map, const ThicknessFigures &figures)
{
    QJsonArray traces;
    for (const TraceWall &trace : map.traces) {
        traces.append(QJsonObject{{"layer", trace.at.layer},
                                  {"slice", shownSlice(trace.at)},
                                  {"thickness_mm", optionalNumber(thicknessOf(trace, map.depthScale))}});
    }
    return {
        {"traces", traces},
        {"min_mm", optionalNumber(figures.minMm)},
        {"min_layer", figures.minMm ? QJsonValue(figures.minAt.layer) : QJsonValue()},
        {"min_slice", figures.minMm ? QJsonValue(shownSlice(figures.minAt)) : QJsonValue()},
        {"max_mm", optionalNumber(figures.maxMm)},
        {"mean_mm", optionalNumber(figures.meanMm)},
        {"no_echo", figures.noEcho},
        {"nominal_mm", optionalNumber(figures.nominalMm)},
        {"max_wall_loss_percent", optionalNumber(figures.maxWallLossPercent)},
    };
}

QByteArray thicknessCsv(const ThicknessMap &map)
{
    QByteArray csv("layer,slice,thickness_mm\n");
    for (const TraceWall &trace : map.traces) {
        const std::optional<double> thickness = thicknessOf(trace, map.depthScale);
        csv += QByteArray::number(trace.at.layer) + ',' + QByteArray::number(shownSlice(trace.at)) + ',' +
               (thickness ? realNumberText(*thickness) : QByteArray()) + '\n';
    }
    return csv;
}

QStringList thicknessFigureLines(const ThicknessFigures &figures)
{
    if (!figures.minMm)
        return {QStringLiteral("No back-wall echo in any trace (%1 traces)").arg(figures.noEcho)};
    QStringList lines{
        QStringLiteral("Minimum %1 at %2").arg(millimetreText(*figures.minMm), traceText(figures.minAt)),
        QStringLiteral("Maximum %1, mean %2").arg(millimetreText(*figures.maxMm), millimetreText(*figures.meanMm)),
        QStringLiteral("No echo: %1 traces").arg(figures.noEcho),
    };
    if (figures.maxWallLossPercent) {
        lines << QStringLiteral("Nominal wall %1: wall loss up to %2 %")
                     .arg(millimetreText(*figures.nominalMm), QString::number(*figures.maxWallLossPercent, 'f', 1));
    } else {
        lines << QStringLiteral("No nominal wall: no wall loss");
    }
    return lines;
}

QString thicknessReading(const ThicknessMap &map, TraceAt at, std::optional<double> nominalMm)
{
    const auto index = traceIndexOf(map.gate, at);
    if (!index || *index >= map.traces.size())
        return {};
    const std::optional<double> thickness = thicknessOf(map.traces[*index], map.depthScale);
    QString text = traceText(at) + QStringLiteral(": ");
    if (!thickness)
        return text + QStringLiteral("no echo");
    text += millimetreText(*thickness);
    if (nominalMm)
        text += QStringLiteral(", wall loss %1 %").arg(QString::number(wallLossPercent(*thickness, *nominalMm), 'f', 1));
    return text;
}

QJsonObject comparisonObject(const ScanComparison &comparison, const ComparisonFigures &figures)
{
    QJsonArray traces;
    for (const TraceComparison &trace : comparison.traces) {
        traces.append(QJsonObject{{"layer", trace.at.layer},
                                  {"slice", shownSlice(trace.at)},
                                  {"gate_max_a", trace.gateMaxA},
                                  {"gate_max_b", trace.gateMaxB},
                                  {"delta_db", optionalNumber(trace.deltaDb)}});
    }
    QJsonObject object{{"traces", traces}};
    putExtreme(object, QStringLiteral("max_delta"), figures.largest);
    putExtreme(object, QStringLiteral("min_delta"), figures.smallest);
    object.insert(QStringLiteral("mean_delta_db"), optionalNumber(figures.meanDb));
    return object;
}

QStringList comparisonFigureLines(const ComparisonFigures &figures)
{
    if (!figures.largest)
        return {QStringLiteral("No trace with a gate maximum in both scans")};
    return {extremeLine(QStringLiteral("Largest difference"), *figures.largest),
            extremeLine(QStringLiteral("Smallest difference"), *figures.smallest),
            QStringLiteral("Mean difference %1").arg(decibelText(*figures.meanDb))};
}

QString comparisonReading(const ScanComparison &comparison, TraceAt at)
{
    const auto index = traceIndexOf(comparison.gate, at);
    if (!index || *index >= comparison.traces.size())
        return {};
    const TraceComparison &trace = comparison.traces[*index];
    return QStringLiteral("%1: A %2, B %3, %4")
        .arg(traceText(at))
        .arg(trace.gateMaxA)
        .arg(trace.gateMaxB)
        .arg(trace.deltaDb ? decibelText(*trace.deltaDb) : QStringLiteral("no difference (a maximum of 0)"));
}
