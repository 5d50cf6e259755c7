#pragma once
// How the rows of the volume handed to the 3-D library hold the slices: the
// host fills them so and the library draws them so.

// Rows 0..59 hold the 40 slices, each two rows or one.
constexpr int kRowsOfSlices = 60;

// The slice (0..39) volume row y holds: y * 2 / 3, cut toward zero.
constexpr int sliceOfRow(int row)
{
    return row * 2 / 3;
}
