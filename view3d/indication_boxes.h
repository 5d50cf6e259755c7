#pragma once
// The indications in the 3-D picture: the drop extent of each as a box over
// the volume with its number.

#include "d3d_functions.h"
#include "indications.h"

#include <vector>

// Hands the library the drop extents of the indications in the volume's rows,
// sample pairs and planes, as the upload fills them; none clears the boxes.
void showIndicationBoxes(const D3dFunctions &d3d, const std::vector<Indication> &indications);
