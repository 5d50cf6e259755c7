#pragma once
// How the rows of the volume handed to the 3-D library hold the slices, and
// its sample pairs the trace bytes: the host fills them so and the library
// draws them so.

// Rows 0..59 hold the 40 slices, each two rows or one.
constexpr int kRowsOfSlices = 60;

// The slice (0..39) volume row y holds: y * 2 / 3, cut toward zero.
constexpr int sliceOfRow(int row)
{
    return row * 2 / 3;
}

// The first and last volume rows that hold slice s (0..39).
constexpr int firstRowOfSlice(int slice)
{
    return (3 * slice + 1) / 2;
}

constexpr int lastRowOfSlice(int slice)
{
    return (3 * slice + 2) / 2;
}

// The sample pair that holds a trace byte: pair j takes bytes 2j and 2j + 1.
constexpr int pairOfByte(int byte)
{
    return byte / 2;
}
