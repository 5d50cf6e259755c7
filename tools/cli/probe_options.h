#pragma once
// The options of the commands that read a finding or draw it (probe,
// indications, render, report): the measure point, the probe geometry, the
// reference level, the DAC and the evaluation levels, TCG and the palette.

#include "command_line.h"
#include "dac_curve.h"
#include "finding_readings.h"
#include "slice_palettes.h"

struct ProbeOptions {
    std::optional<VolumePoint> measurePoint;
    ProbeGeometry probe;
    std::optional<int> reference;
};

// Takes "--name MM", a pitch in millimetres above 0; false, with the reason
// reported, for anything else.
bool takePitch(CommandLine &line, const QString &name, std::optional<double> &pitch);

// Takes --measure-to S,L,P, --slice-pitch MM, --layer-pitch MM and
// --reference V; false, with the reason reported, for a malformed one.
bool takeProbeOptions(CommandLine &line, ProbeOptions &options);

// Takes --slice-pitch MM and --layer-pitch MM.
bool takeProbeGeometry(CommandLine &line, ProbeGeometry &probe);
// Takes --reference V, a sample value 1..255.
bool takeReference(CommandLine &line, std::optional<int> &reference);

// Takes --dac D:V,D:V,...; false, with the reason reported, for one that is not a curve.
bool takeDacCurve(CommandLine &line, std::optional<DacCurve> &dac);
// Takes --tcg, which draws the slices through the gain of a DAC given with --dac.
bool takeTimeCorrectedGain(CommandLine &line, const std::optional<DacCurve> &dac, bool &on);
// Takes --palette grey|amplitude|hot, grey when not given.
std::optional<SlicePalette> takePalette(CommandLine &line);
// Takes --recording-db R and --acceptance-db A (both or neither) and --max-length MM.
bool takeEvaluationLevels(CommandLine &line, std::optional<EvaluationLevels> &levels);
