#include "indication_table.h"

#include "finding_readings.h"

#include <QLocale>

#include <cmath>

namespace {

const QString kFound = QStringLiteral("found");
const QString kAdded = QStringLiteral("added");

double roundedToThousandth(double value)
{
    return std::round(value * 1000.0) / 1000.0;
}

QJsonValue optionalNumber(const std::optional<double> &value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QString csvText(const QJsonValue &value)
{
    if (value.isNull())
        return {};
    if (value.isString()) {
        QString text = value.toString();
        if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
            return text;
        return QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    }
    const double number = value.toDouble();
    return QLocale::c().toString(number, 'g', 15);
}

bool inRange(int value, int first, int last)
{
    return value >= first && value <= last;
}

}  // namespace

double depthMillimetresThousandth(int byte, int depthScale)
{
    return roundedToThousandth(byte * static_cast<double>(depthScale) / 16.0);
}

IndicationSizes sizesOf(const Indication &indication, const IndicationScale &scale)
{
    const SampleBox &box = indication.drop;
    IndicationSizes sizes;
    if (scale.probe.slicePitch)
        sizes.lengthMm = roundedToThousandth((box.sliceLast - box.sliceFirst + 1) * *scale.probe.slicePitch);
    if (scale.probe.layerPitch)
        sizes.widthMm = roundedToThousandth((box.layerLast - box.layerFirst + 1) * *scale.probe.layerPitch);
    sizes.heightMm = depthMillimetresThousandth(box.byteLast - box.byteFirst + 1, scale.depthScale);
    return sizes;
}

const QStringList &indicationFieldNames()
{
    static const QStringList names{
        "number",           "peak",               "peak_percent",     "peak_db",
        "peak_delta_db",    "peak_slice",         "peak_layer",       "peak_depth_mm",
        "samples",          "slice_first",        "slice_last",       "layer_first",
        "layer_last",       "depth_first_mm",     "depth_last_mm",    "drop_slice_first",
        "drop_slice_last",  "drop_layer_first",   "drop_layer_last",  "drop_depth_first_mm",
        "drop_depth_last_mm", "length_mm",        "width_mm",         "height_mm",
        "comment",          "origin",             "peak_byte",        "byte_first",
        "byte_last",        "drop_byte_first",    "drop_byte_last",  "peak_dac_percent",
        "peak_dac_db",      "class",
    };
    return names;
}

QJsonObject indicationObject(const Indication &indication, const IndicationScale &scale)
{
    const int T = scale.depthScale;
    const AgainstDac dac = scale.dac ? againstDac(indication.peak, depthMillimetresThousandth(indication.peakAt.byte, T),
                                                  *scale.dac)
                                     : AgainstDac{};
    const std::optional<double> deltaDb =
        scale.reference ? decibelsAgainst(indication.peak, *scale.reference) : std::nullopt;
    // an indication is classed by its peak in dB to the DAC, else to the reference
    const std::optional<double> level = scale.dac ? dac.decibels : deltaDb;
    const Amplitude peak = amplitudeOf(indication.peak);
    const IndicationSizes sizes = sizesOf(indication, scale);
    const QJsonValue evaluation = scale.levels && level
                                      ? QJsonValue(evaluationClass(*level, sizes.lengthMm, *scale.levels))
                                      : QJsonValue(QJsonValue::Null);
    const SampleBox &region = indication.region;
    const SampleBox &drop = indication.drop;
    return {
        {"number", indication.number},
        {"peak", indication.peak},
        {"peak_percent", peak.percent},
        {"peak_db", optionalNumber(peak.decibels)},
        {"peak_delta_db", optionalNumber(deltaDb)},
        {"peak_slice", indication.peakAt.slice + 1},
        {"peak_layer", indication.peakAt.layer},
        {"peak_depth_mm", depthMillimetresThousandth(indication.peakAt.byte, T)},
        {"samples", indication.samples},
        {"slice_first", region.sliceFirst + 1},
        {"slice_last", region.sliceLast + 1},
        {"layer_first", region.layerFirst},
        {"layer_last", region.layerLast},
        {"depth_first_mm", depthMillimetresThousandth(region.byteFirst, T)},
        {"depth_last_mm", depthMillimetresThousandth(region.byteLast, T)},
        {"drop_slice_first", drop.sliceFirst + 1},
        {"drop_slice_last", drop.sliceLast + 1},
        {"drop_layer_first", drop.layerFirst},
        {"drop_layer_last", drop.layerLast},
        {"drop_depth_first_mm", depthMillimetresThousandth(drop.byteFirst, T)},
        {"drop_depth_last_mm", depthMillimetresThousandth(drop.byteLast, T)},
        {"length_mm", optionalNumber(sizes.lengthMm)},
        {"width_mm", optionalNumber(sizes.widthMm)},
        {"height_mm", sizes.heightMm},
        {"comment", indication.comment},
        {"origin", indication.added ? kAdded : kFound},
        {"peak_byte", indication.peakAt.byte},
        {"byte_first", region.byteFirst},
        {"byte_last", region.byteLast},
        {"drop_byte_first", drop.byteFirst},
        {"drop_byte_last", drop.byteLast},
        {"peak_dac_percent", optionalNumber(dac.percent)},
        {"peak_dac_db", optionalNumber(dac.decibels)},
        {"class", evaluation},
    };
}

QJsonArray indicationArray(const std::vector<Indication> &indications, const IndicationScale &scale)
{
    QJsonArray array;
    for (const Indication &indication : indications)
        array.append(indicationObject(indication, scale));
    return array;
}

std::optional<Indication> indicationFrom(const QJsonObject &object)
{
    const auto whole = [&object](const char *key) { return object.value(QLatin1String(key)).toInt(-1); };
    Indication indication;
    indication.number = whole("number");
    indication.peak = whole("peak");
    indication.peakAt = {whole("peak_layer"), whole("peak_slice") - 1, whole("peak_byte")};
    indication.samples = whole("samples");
    indication.region = {whole("slice_first") - 1, whole("slice_last") - 1, whole("layer_first"),
                         whole("layer_last"),      whole("byte_first"),     whole("byte_last")};
    indication.drop = {whole("drop_slice_first") - 1, whole("drop_slice_last") - 1, whole("drop_layer_first"),
                       whole("drop_layer_last"),      whole("drop_byte_first"),     whole("drop_byte_last")};
    indication.comment = object.value(QLatin1String("comment")).toString();
    indication.added = object.value(QLatin1String("origin")).toString() == kAdded;
    const auto boxFits = [](const SampleBox &box) {
        return inRange(box.sliceFirst, 0, box.sliceLast) && box.sliceLast <= ScanLayout::kRowMax &&
               inRange(box.layerFirst, 1, box.layerLast) && box.layerLast <= ScanLayout::kLayerCount &&
               inRange(box.byteFirst, 0, box.byteLast) && box.byteLast < ScanLayout::kTraceLength;
    };
    const SamplePoint &peak = indication.peakAt;
    const bool peakFits = inRange(peak.layer, 1, ScanLayout::kLayerCount) && inRange(peak.slice, 0, ScanLayout::kRowMax) &&
                          inRange(peak.byte, 0, ScanLayout::kTraceLength - 1);
    if (!peakFits || !boxFits(indication.region) || !boxFits(indication.drop) || !inRange(indication.peak, 0, 255))
        return std::nullopt;
    return indication;
}

std::vector<Indication> indicationsFrom(const QJsonArray &array)
{
    std::vector<Indication> indications;
    for (const QJsonValue &value : array) {
        if (const auto indication = indicationFrom(value.toObject()))
            indications.push_back(*indication);
    }
    return indications;
}

QJsonObject searchObject(const IndicationSearch &search, const IndicationScale &scale)
{
    return {
        {"level", search.level},
        {"level_dac_db", search.dacLevel ? QJsonValue(search.dacLevel->decibels) : QJsonValue(QJsonValue::Null)},
        {"drop_db", search.dropDb},
        {"min_samples", search.minSamples},
        {"gate", QJsonObject{{"top", search.topBorder}, {"bottom", search.bottomBorder}}},
        {"layers", QJsonObject{{"first", search.firstLayer}, {"last", search.lastLayer}}},
        {"reference", scale.reference ? QJsonValue(*scale.reference) : QJsonValue(QJsonValue::Null)},
        {"depth_scale", scale.depthScale},
        {"slice_pitch", optionalNumber(scale.probe.slicePitch)},
        {"layer_pitch", optionalNumber(scale.probe.layerPitch)},
        {"dac", scale.dac ? QJsonValue(dacCurveText(*scale.dac)) : QJsonValue(QJsonValue::Null)},
        {"recording_db", scale.levels ? QJsonValue(scale.levels->recordingDb) : QJsonValue(QJsonValue::Null)},
        {"acceptance_db", scale.levels ? QJsonValue(scale.levels->acceptanceDb) : QJsonValue(QJsonValue::Null)},
        {"max_length_mm", scale.levels ? optionalNumber(scale.levels->maxLengthMm) : QJsonValue(QJsonValue::Null)},
    };
}

QByteArray indicationCsv(const std::vector<Indication> &indications, const IndicationScale &scale)
{
    const QStringList &names = indicationFieldNames();
    QByteArray csv = names.join(QLatin1Char(',')).toUtf8() + '\n';
    for (const Indication &indication : indications) {
        const QJsonObject object = indicationObject(indication, scale);
        QStringList fields;
        for (const QString &name : names)
            fields.append(csvText(object.value(name)));
        csv += fields.join(QLatin1Char(',')).toUtf8() + '\n';
    }
    return csv;
}
