#pragma once
// The largest pictures the tool draws. Beyond them a render takes many
// seconds and hundreds of megabytes, and the 3-D library takes 16-bit sizes.

#include <QtGlobal>

constexpr int kLargestSliceImageSide = 4096;
constexpr int kLargestThreeDSide = 4096;
constexpr int kLargestPageSide = 10000;  // 16.6 inches at 600 dpi: A3 fits
// A contact sheet of 100 million pixels is 300 MB as a bitmap.
constexpr qint64 kLargestContactSheetPixels = 100'000'000;
