#include "finding_readings.h"

#include "checked.h"

#include <QLocale>

#include <cmath>

namespace {

const QString kMinus = QStringLiteral("\u2212");

double decibels(double ratio)
{
    return roundedToTenth(20.0 * std::log10(ratio));
}

// One decimal, with a true minus sign and, when asked, a plus sign.
QString tenthText(double value, bool signedPlus = false)
{
    const QString digits = QString::number(std::fabs(value), 'f', 1);
    if (value < 0 && digits != QStringLiteral("0.0"))
        return kMinus + digits;
    return signedPlus ? QStringLiteral("+") + digits : digits;
}

QString decibelText(const std::optional<double> &db, bool signedPlus = false)
{
    return db ? tenthText(*db, signedPlus) + QStringLiteral(" dB") : kMinus + QStringLiteral("\u221e dB");
}

QString amplitudeText(const Amplitude &amplitude)
{
    return QStringLiteral("%1: %2 %, %3")
        .arg(amplitude.value)
        .arg(tenthText(amplitude.percent), decibelText(amplitude.decibels));
}

QString signedSteps(int steps)
{
    return steps < 0 ? kMinus + QString::number(-steps) : QString::number(steps);
}

QString deltaText(const Measurement &measurement)
{
    return QStringLiteral("\u0394 slice %1, \u0394 layer %2, \u0394 depth %3 mm")
        .arg(signedSteps(measurement.deltaSlice), signedSteps(measurement.deltaLayer),
             tenthText(measurement.deltaDepthMm));
}

QString distanceText(const Measurement &measurement)
{
    if (measurement.distanceMm)
        return QStringLiteral("distance %1 mm").arg(tenthText(*measurement.distanceMm));
    return QStringLiteral("no probe geometry: no distance");
}

QString referenceText(const FindingReadings &readings)
{
    return QStringLiteral("Ref %1: %2, peak %3")
        .arg(*readings.reference)
        .arg(decibelText(readings.amplitudeDeltaDb, true), decibelText(readings.peakDeltaDb, true));
}

QString dacText(const FindingReadings &readings)
{
    const auto percent = [](const AgainstDac &dac) {
        return dac.percent ? tenthText(*dac.percent) + QStringLiteral(" %DAC") : QStringLiteral("0 %DAC");
    };
    return QStringLiteral("DAC %1, %2, peak %3, %4")
        .arg(percent(*readings.amplitudeDac), decibelText(readings.amplitudeDac->decibels, true),
             percent(*readings.peakDac), decibelText(readings.peakDac->decibels, true));
}

QVariant optionalNumber(const std::optional<double> &value)
{
    return value ? QVariant(*value) : QVariant();
}

}  // namespace

double roundedToTenth(double value)
{
    return std::round(value * 10.0) / 10.0;
}

Amplitude amplitudeOf(int value)
{
    Amplitude amplitude;
    amplitude.value = value;
    amplitude.percent = roundedToTenth(100.0 * value / kFullScaleAmplitude);
    if (value > 0)
        amplitude.decibels = decibels(static_cast<double>(value) / kFullScaleAmplitude);
    return amplitude;
}

std::optional<double> decibelsAgainst(int value, int reference)
{
    if (value <= 0 || reference <= 0)
        return std::nullopt;
    return decibels(static_cast<double>(value) / reference);
}

double depthMillimetresTenth(int depth, int scaleFactor)
{
    return roundedToTenth(static_cast<double>(depth) * scaleFactor / 16.0);
}

Measurement measureBetween(const VolumePoint &from, const VolumePoint &to, int scaleFactor,
                           const ProbeGeometry &probe)
{
    Measurement measurement;
    measurement.deltaSlice = checkedSub(to.slice, from.slice);
    measurement.deltaLayer = checkedSub(to.layer, from.layer);
    const double depthMm = static_cast<double>(to.depth - from.depth) * scaleFactor / 16.0;
    measurement.deltaDepthMm = roundedToTenth(depthMm);
    if (probe.complete()) {
        const double across = measurement.deltaSlice * *probe.slicePitch;
        const double along = measurement.deltaLayer * *probe.layerPitch;
        measurement.distanceMm = roundedToTenth(std::sqrt(across * across + along * along + depthMm * depthMm));
    }
    return measurement;
}

FindingReadings readFinding(const ScanVolume &volume, const ViewState &view, std::optional<int> reference,
                            const std::optional<VolumePoint> &measurePoint, const ProbeGeometry &probe)
{
    const int scale = depthScaleFactor(volume);
    FindingReadings readings;
    readings.cursor = {view.slice, view.layer, view.depth};
    readings.depthMm = depthMillimetresTenth(view.depth, scale);
    const int trace = TraceOffset(view.layer, view.slice);
    readings.amplitude = amplitudeOf(volume.scan_image[checkedAdd(trace, view.depth)]);
    readings.peak = findGatePeak(volume, view.layer, view.slice, view.topBorder, view.bottomBorder);
    readings.peakAmplitude = amplitudeOf(readings.peak.value);
    readings.peakDepthMm = depthMillimetresTenth(readings.peak.depthPosition, scale);
    if (reference) {
        readings.reference = reference;
        readings.amplitudeDeltaDb = decibelsAgainst(readings.amplitude.value, *reference);
        readings.peakDeltaDb = decibelsAgainst(readings.peak.value, *reference);
    }
    if (measurePoint)
        readings.measurement = measureBetween(readings.cursor, *measurePoint, scale, probe);
    readings.pitchesKnown = probe.complete();
    return readings;
}

void readAgainstDac(FindingReadings &readings, const DacCurve &curve, int scaleFactor)
{
    const auto depthOf = [scaleFactor](int depth) { return depth * static_cast<double>(scaleFactor) / 16.0; };
    readings.amplitudeDac = againstDac(readings.amplitude.value, depthOf(readings.cursor.depth), curve);
    readings.peakDac = againstDac(readings.peak.value, depthOf(readings.peak.depthPosition), curve);
}

QList<ReadingField> readingFields(const FindingReadings &readings)
{
    QList<ReadingField> fields{
        {QStringLiteral("slice"), readings.cursor.slice + 1},
        {QStringLiteral("layer"), readings.cursor.layer},
        {QStringLiteral("depth_mm"), readings.depthMm},
        {QStringLiteral("amplitude"), readings.amplitude.value},
        {QStringLiteral("amplitude_percent"), readings.amplitude.percent},
        {QStringLiteral("amplitude_db"), optionalNumber(readings.amplitude.decibels)},
        {QStringLiteral("gate_peak"), readings.peakAmplitude.value},
        {QStringLiteral("gate_peak_percent"), readings.peakAmplitude.percent},
        {QStringLiteral("gate_peak_db"), optionalNumber(readings.peakAmplitude.decibels)},
        {QStringLiteral("gate_peak_depth_mm"), readings.peakDepthMm},
    };
    if (readings.reference) {
        fields.append({QStringLiteral("reference"), *readings.reference});
        fields.append({QStringLiteral("amplitude_delta_db"), optionalNumber(readings.amplitudeDeltaDb)});
        fields.append({QStringLiteral("gate_peak_delta_db"), optionalNumber(readings.peakDeltaDb)});
    }
    if (readings.amplitudeDac && readings.peakDac) {
        fields.append({QStringLiteral("amplitude_dac_percent"), optionalNumber(readings.amplitudeDac->percent)});
        fields.append({QStringLiteral("amplitude_dac_db"), optionalNumber(readings.amplitudeDac->decibels)});
        fields.append({QStringLiteral("gate_peak_dac_percent"), optionalNumber(readings.peakDac->percent)});
        fields.append({QStringLiteral("gate_peak_dac_db"), optionalNumber(readings.peakDac->decibels)});
    }
    if (const auto &measurement = readings.measurement) {
        fields.append({QStringLiteral("delta_slice"), measurement->deltaSlice});
        fields.append({QStringLiteral("delta_layer"), measurement->deltaLayer});
        fields.append({QStringLiteral("delta_depth_mm"), measurement->deltaDepthMm});
        if (measurement->distanceMm)
            fields.append({QStringLiteral("distance_mm"), *measurement->distanceMm});
    }
    return fields;
}

QStringList readingsLines(const FindingReadings &readings)
{
    QStringList lines{QStringLiteral("Amplitude ") + amplitudeText(readings.amplitude),
                      QStringLiteral("Gate peak ") + amplitudeText(readings.peakAmplitude),
                      QStringLiteral("Gate peak at %1 mm").arg(tenthText(readings.peakDepthMm))};
    if (readings.reference)
        lines << referenceText(readings);
    if (readings.amplitudeDac && readings.peakDac)
        lines << dacText(readings);
    if (readings.measurement)
        lines << deltaText(*readings.measurement) << distanceText(*readings.measurement);
    return lines;
}

QString readingsSummary(const FindingReadings &readings)
{
    QStringList parts{QStringLiteral("Amplitude ") + amplitudeText(readings.amplitude),
                      QStringLiteral("Gate peak %1 at %2 mm")
                          .arg(amplitudeText(readings.peakAmplitude), tenthText(readings.peakDepthMm))};
    if (readings.reference)
        parts << referenceText(readings);
    if (readings.amplitudeDac && readings.peakDac)
        parts << dacText(readings);
    if (readings.measurement)
        parts << deltaText(*readings.measurement) + QStringLiteral(", ") + distanceText(*readings.measurement);
    return parts.join(QStringLiteral("  |  "));
}
