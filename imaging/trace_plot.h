#pragma once
// The trace plot: the cursor's whole trace drawn large with scales, depth
// downwards in millimetres and amplitude across in per cent of full scale,
// the depth gate shaded, the gate peak, the cursor depth and the reference
// level marked, the DAC curve and the lines 6 and 12 dB below it drawn, and
// the readings written below.

#include "dac_curve.h"
#include "finding_readings.h"

#include <QRect>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

class QPainter;

struct TracePlot {
    // Trace bytes 0..128: byte 128, the lead byte of the next trace, is the
    // deepest byte the gate reaches.
    std::array<uint8_t, ScanLayout::kTraceLength + 1> samples{};
    int scaleFactor = ScanLayout::kDepthScaleTable[0];
    int gateFirst = 1;  // trace bytes of the gate
    int gateLast = 128;
    GatePeak peak;
    int cursorDepth = 1;
    std::optional<int> reference;
    std::optional<DacCurve> dac;
    QStringList readings;
};

TracePlot tracePlotOf(const ScanVolume &volume, const ViewState &view, const FindingReadings &readings,
                      const std::optional<DacCurve> &dac);

// Draws the plot over the whole of area.
void drawTracePlot(QPainter &painter, const QRect &area, const TracePlot &plot);
