#pragma once
// How many cells the slice last drawn has across and down: its grid columns
// and rows first..last, every one drawn as a whole cell.

#include "scan_volume.h"

inline int gridColumnCount(const ScanVolume &volume)
{
    return volume.grid_last_col - volume.grid_first_col + 1;
}

inline int gridRowCount(const ScanVolume &volume)
{
    return volume.grid_last_row - volume.grid_first_row + 1;
}
