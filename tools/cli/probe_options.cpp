#include "probe_options.h"

#include "cli_commands.h"
#include "decimal_text.h"

namespace {

constexpr int kHighestSample = 255;

// "S,L,P": slice, layer and depth position numbered as --slice, --layer and --depth.
std::optional<VolumePoint> parsePoint(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3)
        return std::nullopt;
    int values[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    const VolumePoint point{values[0], values[1], values[2]};
    if (ViewRanges::Slice.clamp(point.slice) != point.slice || ViewRanges::Layer.clamp(point.layer) != point.layer
        || ViewRanges::Depth.clamp(point.depth) != point.depth)
        return std::nullopt;
    return point;
}

}  // namespace

bool takePitch(CommandLine &line, const QString &name, std::optional<double> &pitch)
{
    const auto text = line.takeValue(name);
    if (!text)
        return true;
    const auto parsed = parsePitch(*text);
    if (!parsed || !*parsed) {
        reportFailure(QStringLiteral("%1 takes a positive number of millimetres, not \"%2\"").arg(name, *text));
        return false;
    }
    pitch = *parsed;
    return true;
}

bool takeProbeOptions(CommandLine &line, ProbeOptions &options)
{
    if (const auto point = line.takeValue(QStringLiteral("--measure-to"))) {
        options.measurePoint = parsePoint(*point);
        if (!options.measurePoint) {
            reportFailure(QStringLiteral("--measure-to takes S,L,P (slice 0..39, layer 1..24, depth 0..127), "
                                         "not \"%1\"").arg(*point));
            return false;
        }
    }
    return takeProbeGeometry(line, options.probe) && takeReference(line, options.reference);
}

bool takeProbeGeometry(CommandLine &line, ProbeGeometry &probe)
{
    return takePitch(line, QStringLiteral("--slice-pitch"), probe.slicePitch)
        && takePitch(line, QStringLiteral("--layer-pitch"), probe.layerPitch);
}

bool takeReference(CommandLine &line, std::optional<int> &reference)
{
    const auto text = line.takeValue(QStringLiteral("--reference"));
    if (!text)
        return true;
    bool ok = false;
    const int value = text->toInt(&ok);
    if (!ok || value < 1 || value > kHighestSample) {
        reportFailure(QStringLiteral("--reference takes a sample value 1..255, not \"%1\"").arg(*text));
        return false;
    }
    reference = value;
    return true;
}

bool takeDacCurve(CommandLine &line, std::optional<DacCurve> &dac)
{
    const auto text = line.takeValue(QStringLiteral("--dac"));
    if (!text)
        return true;
    QString reason;
    dac = parseDacCurve(*text, &reason);
    if (!dac)
        reportFailure(QStringLiteral("--dac takes depth:value pairs, D:V,D:V,...: %1").arg(reason));
    return dac.has_value();
}

bool takeTimeCorrectedGain(CommandLine &line, const std::optional<DacCurve> &dac, bool &on)
{
    on = line.takeFlag(QStringLiteral("--tcg"));
    if (on && !dac) {
        reportFailure(QStringLiteral("--tcg needs the DAC it corrects by: --dac D:V,D:V,..."));
        return false;
    }
    return true;
}

std::optional<SlicePalette> takePalette(CommandLine &line)
{
    const auto name = line.takeValue(QStringLiteral("--palette"));
    if (!name)
        return SlicePalette::Grey;
    const auto palette = paletteNamed(*name);
    if (!palette)
        reportFailure(QStringLiteral("--palette takes grey, amplitude or hot, not \"%1\"").arg(*name));
    return palette;
}

bool takeEvaluationLevels(CommandLine &line, std::optional<EvaluationLevels> &levels)
{
    const auto recording = line.takeValue(QStringLiteral("--recording-db"));
    const auto acceptance = line.takeValue(QStringLiteral("--acceptance-db"));
    const auto length = line.takeValue(QStringLiteral("--max-length"));
    if (!recording && !acceptance && !length)
        return true;
    const auto recordingDb = recording ? parseDecimal(*recording) : std::nullopt;
    const auto acceptanceDb = acceptance ? parseDecimal(*acceptance) : std::nullopt;
    const auto lengthMm = length ? parseDecimal(*length) : std::nullopt;
    if (!recordingDb || !acceptanceDb || (length && (!lengthMm || *lengthMm <= 0))) {
        reportFailure(QStringLiteral("--recording-db R and --acceptance-db A take dB, both of them, and "
                                     "--max-length a positive number of millimetres"));
        return false;
    }
    levels = EvaluationLevels{*recordingDb, *acceptanceDb, lengthMm};
    return true;
}
