#pragma once
// The DAC curve and the lines 6 and 12 dB below it over the A-scan, drawn in
// the widget that shows the A-scan bitmap stretched, never into the bitmap.

#include "dac_curve.h"

#include <QSize>

class QPainter;

void drawDacOverAScan(QPainter &painter, QSize shown, const DacCurve &curve, int depthScale);
