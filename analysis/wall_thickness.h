#pragma once
// The remaining wall: in every trace of a map the trace byte of the back-wall
// echo in the gate, and its depth byte x T / 16 mm as the wall's thickness.

#include "scan_volume.h"
#include "trace_map.h"

#include <QString>

#include <optional>
#include <vector>

// Where in the gate the back-wall echo is read.
enum class EchoMode {
    Peak,   // the gate's largest sample (the shallowest of equals), when it reaches the level
    Flank,  // the first sample that reaches the level
};

struct ThicknessSearch {
    MapGate gate;
    int level = 64;  // the least sample value of a back-wall echo (1..255)
    EchoMode mode = EchoMode::Peak;
};

struct TraceWall {
    TraceAt at;
    std::optional<int> echoByte;  // none when the trace has no back-wall echo
    bool operator==(const TraceWall &) const = default;
};

struct ThicknessMap {
    int depthScale = 20;  // T: millimetres per 16 trace bytes
    MapGate gate;
    std::vector<TraceWall> traces;  // layer by layer, slice by slice
    bool operator==(const ThicknessMap &) const = default;
};

// The trace byte of the back-wall echo of one trace; none without an echo.
std::optional<int> backWallByte(const ScanVolume &volume, TraceAt at, const ThicknessSearch &search);

ThicknessMap thicknessMap(const ScanVolume &volume, const ThicknessSearch &search);

// Thickness of an echo at a trace byte: byte x T / 16 mm, to a thousandth.
double wallMillimetres(int byte, int depthScale);
// The wall lost against the nominal thickness, 100 (N - t) / N %, to a tenth.
double wallLossPercent(double thicknessMm, double nominalMm);

struct ThicknessFigures {
    std::optional<double> minMm;  // none when no trace has an echo
    TraceAt minAt;                // the first trace of the minimum, by layer, then slice
    std::optional<double> maxMm;
    std::optional<double> meanMm;  // over the traces with an echo, to a thousandth
    int noEcho = 0;
    std::optional<double> nominalMm;
    std::optional<double> maxWallLossPercent;  // at the minimum, with a nominal wall
};

ThicknessFigures thicknessFigures(const ThicknessMap &map, std::optional<double> nominalMm);

// "peak" or "flank", as the command line and the tables name the modes.
QString echoModeName(EchoMode mode);
std::optional<EchoMode> echoModeNamed(const QString &name);
