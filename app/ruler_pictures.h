#pragma once
// The fixed scale pictures that frame the small overview in the 3-D layout.

#include <QImage>

// 200 x 10: ticks hanging from the top edge.
QImage horizontalScalePicture();
// 10 x 200: the same scale turned upright, ticks running in from the right edge.
QImage verticalScalePicture();
