#pragma once
// The readings of a finding at the cursor: the echo amplitude, the peak in the
// depth gate, both against a reference level, and the two-point measurement
// from the cursor to a measure point. The window's read-outs and velmora-cli
// probe both show what this computes.

#include "dac_curve.h"
#include "gate_peak.h"
#include "probe_geometry.h"
#include "scan_volume.h"
#include "view_state.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

// A sample of 127 is full scale, 100 %, 0 dB.
constexpr int kFullScaleAmplitude = 127;

struct Amplitude {
    int value = 0;
    double percent = 0;                // share of full scale, to one decimal
    std::optional<double> decibels;    // against full scale, to one decimal; none for 0
};

Amplitude amplitudeOf(int value);
// 20 log10(value / reference) to one decimal; none when either is 0.
std::optional<double> decibelsAgainst(int value, int reference);
// Rounded to one decimal, halves away from zero.
double roundedToTenth(double value);

// A point of the volume as the cursor names it.
struct VolumePoint {
    int slice = 0;
    int layer = 1;
    int depth = 1;  // depth position: trace byte
};

struct Measurement {
    int deltaSlice = 0;
    int deltaLayer = 0;
    double deltaDepthMm = 0;            // to one decimal
    std::optional<double> distanceMm;   // to one decimal, with both pitches only
};

Measurement measureBetween(const VolumePoint &from, const VolumePoint &to, int scaleFactor,
                           const ProbeGeometry &probe);

// Depth in millimetres of a depth position, p T / 16, to one decimal.
double depthMillimetresTenth(int depth, int scaleFactor);

struct FindingReadings {
    VolumePoint cursor;
    double depthMm = 0;
    Amplitude amplitude;
    GatePeak peak;
    Amplitude peakAmplitude;
    double peakDepthMm = 0;
    std::optional<int> reference;
    std::optional<double> amplitudeDeltaDb;
    std::optional<double> peakDeltaDb;
    std::optional<Measurement> measurement;
    bool pitchesKnown = false;
    // Against the DAC, at the cursor's depth and at the gate peak's.
    std::optional<AgainstDac> amplitudeDac;
    std::optional<AgainstDac> peakDac;
};

FindingReadings readFinding(const ScanVolume &volume, const ViewState &view, std::optional<int> reference,
                            const std::optional<VolumePoint> &measurePoint, const ProbeGeometry &probe);

// Adds the readings against the DAC, at depth position x T / 16 mm.
void readAgainstDac(FindingReadings &readings, const DacCurve &curve, int scaleFactor);

// The readings by name, in their order; an absent dB is a null value.
struct ReadingField {
    QString name;
    QVariant value;
};
QList<ReadingField> readingFields(const FindingReadings &readings);

// The readings as the status bar's section shows them.
QString readingsSummary(const FindingReadings &readings);
// The same, one reading a line, for the trace plot.
QStringList readingsLines(const FindingReadings &readings);
