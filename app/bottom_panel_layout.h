#pragma once
// The controls of the bottom panel Panel9: three framed groups side by side
// (depth borders and shown layers; the axis buttons with the cursor's scroll
// bars, read-outs and key labels; the three switches). Every caption and
// read-out gets at least the width its longest text needs; at the design
// width the groups fill the panel, and any width beyond it goes to the three
// cursor scroll bars, which have only a short track for up to 128 positions.

#include <QRect>

#include <array>

// Widths in pixels that the texts need in the panel's fonts.
struct BottomPanelTextWidths {
    int borderCaptions = 0;  // "Top boarder", "Bottom boarder"
    int layerCaptions = 0;   // "First shown layer", "Last shown layer"
    int depthReadout = 0;    // the border read-outs, at their longest
    int layerReadout = 0;    // the shown-layer numbers
    int cursorReadout = 0;   // slice, layer and depth read-outs, at their longest
    int keyLabel = 0;        // "Alt-5" ... "Alt-7"
    int axisButtons = 0;     // "X", "Y", "Z" with their round buttons
    int switches = 0;        // the check boxes with their captions
};

// One row of a group: a caption above, or a control beside its read-out.
struct SliderRow {
    QRect caption;
    QRect slider;
    QRect readout;
};

struct CursorRow {
    QRect axisButton;
    QRect scrollBar;
    QRect readout;
    QRect keyLabel;
};

// Group rectangles are in the panel, the rest in their group.
struct BottomPanelLayout {
    QRect borderGroup;
    std::array<SliderRow, 2> borders;  // top, bottom
    std::array<SliderRow, 2> layers;   // first, last
    QRect cursorGroup;
    std::array<CursorRow, 3> cursor;   // slice (X), layer (Y), depth (Z)
    QRect switchGroup;
    std::array<QRect, 3> switches;
};

BottomPanelLayout layoutBottomPanel(int panelWidth, const BottomPanelTextWidths &texts);
