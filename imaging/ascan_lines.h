#pragma once
// The lines over the A-scan: where the depth borders and the threshold lie,
// and which value a line dragged to a place stands for. Positions are in the
// right-hand panel, where the A-scan lies 8 pixels from the left edge.

constexpr int kAScanLeft = 8;

// Trunc(width / 128 * border) + 8.
int borderLineX(int border, int aScanWidth);
// Trunc((128 - threshold) * height / 128) + top - 1.
int thresholdLineY(int threshold, int aScanTop, int aScanHeight);
// Trunc((lineLeft + mouseX - 8) * 128 / width).
int borderFromDrag(int lineLeft, int mouseX, int aScanWidth);
// 128 - Trunc((lineTop + mouseY - top) * 128 / height).
int thresholdFromDrag(int lineTop, int mouseY, int aScanTop, int aScanHeight);
