#pragma once
// Everything that decides what the slice images show. In the main window
// these values live in the controls; the renderer and the command-line tool
// take them as this record.

#include "scan_layout.h"

#include <QString>

#include <cstdint>

enum class SliceAxis { X, Y, Z };

struct ViewRange {
    int minimum;
    int maximum;
    int clamp(int value) const { return value < minimum ? minimum : value > maximum ? maximum : value; }
};

namespace ViewRanges {
constexpr ViewRange Slice{0, ScanLayout::kRowMax};
constexpr ViewRange Layer{1, ScanLayout::kLayerCount};
constexpr ViewRange Depth{0, ScanLayout::kDepthRows - 1};
constexpr ViewRange Border{0, ScanLayout::kDepthRows - 1};
constexpr ViewRange ShownLayer{1, ScanLayout::kLayerCount};
constexpr ViewRange Brightness{1, 128};
constexpr ViewRange Threshold{1, 127};
}  // namespace ViewRanges

struct ViewState {
    SliceAxis axis = SliceAxis::X;
    int slice = 0;         // cursor slice s
    int layer = 1;         // cursor layer L
    int depth = 1;         // cursor depth position p: trace byte p
    int topBorder = 0;     // first depth row with data in views X and Y
    int bottomBorder = 127;
    int firstLayer = 1;    // first layer with data in views X and Z
    int lastLayer = 24;
    int brightness = 128;
    int threshold = 33;
    uint8_t smoothing = 0;
    // View Z shows, for each trace, the largest sample between the depth
    // borders instead of the sample at the depth position.
    bool showGateMaximum = false;
};

// The value a border or shown-layer slider ends at when value is set into it
// while the other one of its pair holds other: the handlers keep the first
// of a pair below the second.
int keptBelow(int value, int other);
int keptAbove(int value, int other);

// Setters that act as setting the control would: the value is clamped to the
// control's range and the pair invariants are kept as the handlers keep them.
void setSlice(ViewState &view, int value);
void setLayer(ViewState &view, int value);
void setDepth(ViewState &view, int value);
void setTopBorder(ViewState &view, int value);
void setBottomBorder(ViewState &view, int value);
void setFirstLayer(ViewState &view, int value);
void setLastLayer(ViewState &view, int value);
void setBrightness(ViewState &view, int value);
void setThreshold(ViewState &view, int value);

// The read-outs of the cursor and the borders; scaleFactor is the depth scale's.
QString sliceReadout(int slice);
QString layerReadout(int layer);
QString depthReadout(int depth, int scaleFactor);
QString statusLine(int slice, int layer, int depth, int scaleFactor);

// a div b, plus 1 when there is a remainder: the cell a pixel falls in, counted from 1.
int ceilingDivision(int a, int b);
