#pragma once
// The one scan volume the program works on, owned by the main window.

#include "checked.h"
#include "scan_layout.h"
#include "slice_grid.h"

#include <QString>

#include <cstdint>
#include <functional>

struct ScanVolume {
    // The image as shown, after the load-time smoothing; bytes 131,072 and up are spare.
    CheckedArray<uint8_t, ScanLayout::kScanImageCapacity> scan_image;
    // The image exactly as last read from a scan file.
    CheckedVector<uint8_t> raw_image;
    // The volume handed to the 3-D library.
    CheckedVector<int16_t> voxels;
    // Grey levels of the slice last drawn and the range of it in use.
    SliceGrid slice_grid;
    int32_t grid_first_row = 0;
    int32_t grid_last_row = 0;
    int32_t grid_first_col = 0;
    int32_t grid_last_col = 0;
    uint8_t row_max = 0;
    uint16_t layer_stride = 0;
    QString current_file_name;
};

// Index into scan_image of byte 0 of the trace of layer (1..24) and slice (0..39).
int TraceOffset(int layer, int slice);

// The low two bits of header byte 2052 of an image.
int depth_scale_code(const ScanVolume &volume);

// Millimetres per 16 depth steps of the volume's depth scale.
int depthScaleFactor(const ScanVolume &volume);

// Depth in whole millimetres of a depth row or position: the fraction is cut off.
int depthMillimetres(int depth, int scaleFactor);

// Called once for every array that cannot be allocated for lack of memory.
using OutOfMemoryReport = std::function<void()>;

// Sets row_max and layer_stride and allocates raw_image, voxels and slice_grid,
// all zero-filled; an allocation that fails is reported and the next one tried.
void AllocateVolumeArrays(ScanVolume &volume, const OutOfMemoryReport &report);

// Clears the image and fills voxels with the start picture.
void FillStartPicture(ScanVolume &volume);

// The whole set-up of the volume: the arrays, then the start picture.
void AllocateVolume(ScanVolume &volume, const OutOfMemoryReport &report);

// Empties the image and the 3-D volume; the raw image and the name stay.
void ClearVolume(ScanVolume &volume);

// Whether every byte of the 24 layers of scan_image is 0: nothing was recorded
// in them (after New, or at a start without a scan).
bool layersAreEmpty(const ScanVolume &volume);

// Releases the heap arrays when the main window closes.
void ReleaseVolumeArrays(ScanVolume &volume);
