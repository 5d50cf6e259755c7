#pragma once
// The gated C-scan: for one trace, the largest sample between the depth
// borders. The border rows top..bottom are trace bytes top + 1 .. bottom + 1,
// the same rows the X and Y views and the exports show.

#include "scan_volume.h"
#include "view_state.h"

// The largest sample of the trace of layer and slice over the border rows
// topBorder..bottomBorder (0..127; row 127 reads the next trace's lead byte).
int gateMaximum(const ScanVolume &volume, int layer, int slice, int topBorder, int bottomBorder);

// What the status bar says while view Z shows the gate maximum, with the
// gate in millimetres as the border read-outs give it; empty otherwise.
QString gateNote(const ViewState &view, int scaleFactor);
