#pragma once
// The gated C-scan: for one trace, the largest sample between the depth
// borders. The border rows top..bottom are trace bytes top + 1 .. bottom + 1,
// the same rows the X and Y views and the exports show.

#include "scan_volume.h"
#include "view_state.h"

// The largest sample of the trace of layer and slice over the border rows
// topBorder..bottomBorder (0..127; row 127 reads the next trace's lead byte).
int gateMaximum(const ScanVolume &volume, int layer, int slice, int topBorder, int bottomBorder);

// The gate below the surface echo of the trace of layer and slice: from
// trace byte 1 on, the run of samples at or above the threshold (the echo of
// the surface) is passed over; the gate starts at the first sample below the
// threshold and ends with the whole depth, at trace byte 128. Gives that
// first trace byte, or 129 when no sample falls below the threshold.
int gateStartBelowSurfaceEcho(const ScanVolume &volume, int layer, int slice, int threshold);

// The largest sample of the gate below the surface echo; 0 when it is empty.
int gateMaximumBelowSurfaceEcho(const ScanVolume &volume, int layer, int slice, int threshold);

// What the status bar says while view Z shows the gate maximum, with the
// gate in millimetres as the border read-outs give it; empty otherwise.
QString gateNote(const ViewState &view, int scaleFactor);
