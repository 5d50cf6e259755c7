#pragma once
// A 64 x 64 picture of 0/1 cells stored with the program, addressed by row
// and column; the 3-D view shows it until a volume is loaded.

namespace StartPictureMask {

constexpr int kSide = 64;

int cell(int row, int column);

}  // namespace StartPictureMask
