#pragma once
// The program's side of the 3-D picture: the library's start sequence and the
// renewal of its volume, shared by the main window and the command-line tool.

#include "d3d_functions.h"
#include "probe_geometry.h"
#include "view_state.h"
#include "volume_upload.h"

#include <functional>

struct LibraryStart {
    void *window = nullptr;      // the host window, or none to draw off screen
    int16_t *voxels = nullptr;   // the volume's 131,073 entries
    uint16_t bottomHeight = 0;   // height of the bottom panel and status bar
    uint16_t light = 1;
    int32_t turnAngle = -24;
    int32_t tiltAngle = 6;
    bool frames = true;          // "Alt-3 Frames" ticked
};

// init, light, the start turn, frames (switched off again when not ticked),
// the cursor (moveCursor, which ends in d3dmove_), showing it, the first review.
void startLibrary(const D3dFunctions &d3d, const LibraryStart &start, const std::function<void()> &moveCursor);

// Builds the volume from the scan image and has the library show it above
// threshold, its depth axis numbered by the scan's depth scale.
void renewVolume(const D3dFunctions &d3d, ScanVolume &volume, const UploadRange &range, int threshold);

// Gives the library the probe's pitches, 0 for one not known, so that it
// draws the box in millimetres when both are known.
void showPitches(const D3dFunctions &d3d, const ProbeGeometry &probe);

// The library's slice plane for a view axis: 0 = X, 1 = Z, 2 = Y.
int32_t libraryOrientation(SliceAxis axis);
