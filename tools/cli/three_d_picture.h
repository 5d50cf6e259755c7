#pragma once
// The 3-D picture as the tool draws it: the 3-D library started off screen,
// the probe's pitches, one renewal of the volume, the boxes of the
// indications and the given turn, tilt and zoom steps.

#include "command_line.h"
#include "indications.h"
#include "probe_geometry.h"
#include "scan_volume.h"

#include <QImage>

#include <vector>

constexpr QSize kDesignThreeDArea{580, 547};

struct TurnOptions {
    float turn = 0;
    float tilt = 0;
    int zoomSteps = 0;
    bool frames = true;
};

// Takes --turn DEG, --tilt DEG, --zoom STEPS and --frames on|off; nullopt,
// with the reason reported, for a malformed or out-of-range one.
std::optional<TurnOptions> takeTurnOptions(CommandLine &line);

QImage drawThreeDPicture(ScanVolume &volume, const ViewState &view, const ProbeGeometry &probe, const TurnOptions &turn,
                         QSize size, const std::vector<Indication> &indications);
