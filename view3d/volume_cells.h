#pragma once
// Reads the host's volume into the cells the picture shows.

#include "scene.h"

#include <cstdint>
#include <optional>
#include <vector>

// The row and sample pair a cell of a volume row holds, by the host's layout:
// cells 1..63 of row y are pairs 63..1 of row y; cell 0 of row y is pair 0 of
// row y - 1 (none for row 0).
struct CellPlace {
    int row;
    int depth;
};
std::optional<CellPlace> placeOfCell(int x, int y);

// The cells above threshold that can be seen from some side, of the rows
// that hold slices and the planes that hold layers: a cell inside an echo,
// with all six neighbours above the threshold too, is left out.
// entries is the host's highest index plus one.
std::vector<VisibleCell> readVisibleCells(const int16_t *volume, int32_t entries, int32_t threshold);
