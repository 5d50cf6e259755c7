#include "wall_thickness.h"

#include "checked.h"
#include "finding_readings.h"
#include "gate_peak.h"
#include "indication_table.h"

#include <algorithm>
#include <cmath>

namespace {

const QString kPeak = QStringLiteral("peak");
const QString kFlank = QStringLiteral("flank");

std::optional<int> firstByteReaching(const ScanVolume &volume, TraceAt at, const ThicknessSearch &search)
{
    const int firstByte = checkedAdd(search.gate.topBorder, 1);
    const int count = checkedSub(search.gate.bottomBorder, search.gate.topBorder) + 1;
    if (count < 1)
        throw RangeError();
    const int first = checkedAdd(TraceOffset(at.layer, at.slice), firstByte);
    checkRange(first, count, volume.scan_image.size());
    const uint8_t *samples = volume.scan_image.data() + first;
    const uint8_t *reaching =
        std::find_if(samples, samples + count, [&](uint8_t sample) { return sample >= search.level; });
    if (reaching == samples + count)
        return std::nullopt;
    return firstByte + static_cast<int>(reaching - samples);
}

}  // namespace

std::optional<int> backWallByte(const ScanVolume &volume, TraceAt at, const ThicknessSearch &search)
{
    if (search.mode == EchoMode::Flank)
        return firstByteReaching(volume, at, search);
    const GatePeak peak = findGatePeak(volume, at.layer, at.slice, search.gate.topBorder, search.gate.bottomBorder);
    if (peak.value < search.level)
        return std::nullopt;
    return peak.depthPosition;
}

ThicknessMap thicknessMap(const ScanVolume &volume, const ThicknessSearch &search)
{
    ThicknessMap map{depthScaleFactor(volume), search.gate, {}};
    forEachTraceOf(search.gate, [&](TraceAt at) { map.traces.push_back({at, backWallByte(volume, at, search)}); });
    return map;
}

double wallMillimetres(int byte, int depthScale)
{
    return depthMillimetresThousandth(byte, depthScale);
}

double wallLossPercent(double thicknessMm, double nominalMm)
{
    return roundedToTenth(100.0 * (nominalMm - thicknessMm) / nominalMm);
}

ThicknessFigures thicknessFigures(const ThicknessMap &map, std::optional<double> nominalMm)
{
    ThicknessFigures figures;
    figures.nominalMm = nominalMm;
    std::optional<int> thinnest;
    std::optional<int> thickest;
    long long byteSum = 0;
    int echoes = 0;
    for (const TraceWall &trace : map.traces) {
        if (!trace.echoByte) {
            ++figures.noEcho;
            continue;
        }
        const int byte = *trace.echoByte;
        if (!thinnest || byte < *thinnest) {
            thinnest = byte;
            figures.minAt = trace.at;
        }
        thickest = std::max(thickest.value_or(byte), byte);
        byteSum += byte;
        ++echoes;
    }
    if (!thinnest)
        return figures;
    figures.minMm = wallMillimetres(*thinnest, map.depthScale);
    figures.maxMm = wallMillimetres(*thickest, map.depthScale);
    figures.meanMm = std::round(1000.0 * byteSum * map.depthScale / 16.0 / echoes) / 1000.0;
    if (nominalMm)
        figures.maxWallLossPercent = wallLossPercent(*figures.minMm, *nominalMm);
    return figures;
}

QString echoModeName(EchoMode mode)
{
    return mode == EchoMode::Flank ? kFlank : kPeak;
}

std::optional<EchoMode> echoModeNamed(const QString &name)
{
    if (name == kPeak)
        return EchoMode::Peak;
    if (name == kFlank)
        return EchoMode::Flank;
    return std::nullopt;
}
