#pragma once
// Builds the volume handed to the 3-D library from the scan image: for every
// shown layer, 60 rows stretched over the 40 slices and 64 cells along depth,
// each the larger of two neighbouring trace bytes.

#include "scan_volume.h"
#include "view_state.h"

struct UploadRange {
    int firstLayer;    // first shown layer, 1..24
    int lastLayer;     // last shown layer; nothing is uploaded when it is below the first
    int topBorder;     // depth rows 0..127
    int bottomBorder;
    bool operator==(const UploadRange &) const = default;
};

// The shown layers and depth borders of a view.
UploadRange uploadRangeOf(const ViewState &view);

// Clears voxels 0..131,071 and fills the cells of the range from scan_image.
void uploadVolume(ScanVolume &volume, const UploadRange &range);
