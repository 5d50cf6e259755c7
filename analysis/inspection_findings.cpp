#include "inspection_findings.h"

#include <QJsonArray>

#include <algorithm>

namespace {

const QString kSearchKey = QStringLiteral("indication_search");
const QString kIndicationsKey = QStringLiteral("indications");

std::optional<double> optionalNumber(const QJsonValue &value)
{
    return value.isDouble() ? std::optional<double>(value.toDouble()) : std::nullopt;
}

}  // namespace

QJsonObject findingsObject(const InspectionFindings &findings)
{
    return {{kSearchKey, searchObject(findings.search, findings.scale)},
            {kIndicationsKey, indicationArray(findings.indications, findings.scale)}};
}

InspectionFindings findingsFrom(const QJsonObject &object)
{
    InspectionFindings findings;
    const QJsonObject search = object.value(kSearchKey).toObject();
    IndicationSearch &s = findings.search;
    s.level = std::clamp(search.value("level").toInt(s.level), 1, 255);
    s.dropDb = search.value("drop_db").toDouble(s.dropDb);
    s.minSamples = std::max(1, search.value("min_samples").toInt(s.minSamples));
    s.topBorder = search.value("gate").toObject().value("top").toInt(s.topBorder);
    s.bottomBorder = search.value("gate").toObject().value("bottom").toInt(s.bottomBorder);
    s.firstLayer = search.value("layers").toObject().value("first").toInt(s.firstLayer);
    s.lastLayer = search.value("layers").toObject().value("last").toInt(s.lastLayer);
    IndicationScale &scale = findings.scale;
    scale.depthScale = search.value("depth_scale").toInt(scale.depthScale);
    scale.probe.slicePitch = optionalNumber(search.value("slice_pitch"));
    scale.probe.layerPitch = optionalNumber(search.value("layer_pitch"));
    if (const QJsonValue reference = search.value("reference"); reference.isDouble())
        scale.reference = reference.toInt();
    scale.dac = parseDacCurve(search.value("dac").toString());
    if (const QJsonValue level = search.value("level_dac_db"); level.isDouble() && scale.dac)
        s.dacLevel = DacLevel{*scale.dac, level.toDouble()};
    if (search.value("recording_db").isDouble() && search.value("acceptance_db").isDouble())
        scale.levels = EvaluationLevels{search.value("recording_db").toDouble(), search.value("acceptance_db").toDouble(),
                                        optionalNumber(search.value("max_length_mm"))};
    findings.indications = indicationsFrom(object.value(kIndicationsKey).toArray());
    return findings;
}

std::vector<Indication> keepingComments(std::vector<Indication> found, const std::vector<Indication> &kept)
{
    for (Indication &indication : found) {
        const auto before = std::find_if(kept.begin(), kept.end(), [&indication](const Indication &old) {
            return !old.added && old.peakAt == indication.peakAt;
        });
        if (before != kept.end())
            indication.comment = before->comment;
    }
    std::copy_if(kept.begin(), kept.end(), std::back_inserter(found), [](const Indication &old) { return old.added; });
    numberIndications(found);
    return found;
}

void keepFindingsIn(Inspection &inspection, const InspectionFindings &findings)
{
    const QJsonObject kept = findingsObject(findings);
    for (auto it = kept.begin(); it != kept.end(); ++it)
        inspection.findings.insert(it.key(), it.value());
}
