#include "bottom_panel_layout.h"

#include <algorithm>

namespace {

// Sizes of the design, which the texts may widen.
constexpr int kDesignPanelWidth = 580;
constexpr int kGap = 2;  // between the groups, and at the panel's edges
constexpr int kGroupHeight = 64;
constexpr int kDesignDepthReadout = 54;
constexpr int kDesignLayerReadout = 22;
constexpr int kDesignCursorReadout = 52;
constexpr int kDesignKeyLabel = 28;
constexpr int kDesignSwitch = 111;
constexpr int kDesignScrollBar = 58;
constexpr int kDesignAxisButton = 30;
constexpr int kDesignTopSlider = 86;
constexpr int kDesignLayerSlider = 108;
// Inside the border group: 4 before the first column, 2 between a slider and
// its read-out, 2 between the columns, 4 before the layer numbers, 2 after.
constexpr int kBorderGroupPadding = 4 + 2 + 2 + 4 + 2;

SliderRow sliderRow(int left, int top, int sliderWidth, int readoutGap, int readoutWidth, int captionWidth)
{
    const int columnWidth = sliderWidth + readoutGap + readoutWidth;
    return {QRect(left, top, std::max(columnWidth, captionWidth), 14), QRect(left, top + 13, sliderWidth, 16),
            QRect(left + sliderWidth + readoutGap, top + 13, readoutWidth, 16)};
}

}  // namespace

BottomPanelLayout layoutBottomPanel(int panelWidth, const BottomPanelTextWidths &texts)
{
    const int spare = std::max(0, panelWidth - kDesignPanelWidth);
    const int base = std::min(panelWidth, kDesignPanelWidth);

    const int cursorReadout = std::max(kDesignCursorReadout, texts.cursorReadout);
    const int keyLabel = std::max(kDesignKeyLabel, texts.keyLabel);
    const int axisButton = std::max(kDesignAxisButton, texts.axisButtons);
    const int scrollBar = kDesignScrollBar + spare;
    const int cursorWidth = axisButton + 4 + scrollBar + kGap + cursorReadout + keyLabel;
    const int switchWidth = std::max(kDesignSwitch, texts.switches) + 3;
    const int borderWidth = std::max(0, base - 4 * kGap - (cursorWidth - spare) - switchWidth);

    BottomPanelLayout layout;
    layout.borderGroup = QRect(kGap, kGap, borderWidth, kGroupHeight);
    layout.cursorGroup = QRect(layout.borderGroup.right() + 1 + kGap, kGap, cursorWidth, kGroupHeight);
    layout.switchGroup = QRect(layout.cursorGroup.right() + 1 + kGap, kGap, switchWidth, kGroupHeight);

    // the two sliders of a row share what the read-outs leave, as at design
    const int depthReadout = std::max(kDesignDepthReadout, texts.depthReadout);
    const int layerReadout = std::max(kDesignLayerReadout, texts.layerReadout);
    const int sliders = std::max(0, borderWidth - kBorderGroupPadding - depthReadout - layerReadout);
    const int topSlider = sliders * kDesignTopSlider / (kDesignTopSlider + kDesignLayerSlider);
    const int layerSlider = sliders - topSlider;
    const int layerColumn = 4 + topSlider + 2 + depthReadout + 2;
    for (int row = 0; row < 2; ++row) {
        const int top = 1 + 30 * row;
        layout.borders[row] = sliderRow(4, top, topSlider, 2, depthReadout, texts.borderCaptions);
        layout.layers[row] = sliderRow(layerColumn, top, layerSlider, 4, layerReadout, texts.layerCaptions);
    }

    for (int row = 0; row < 3; ++row) {
        const int top = 4 + 20 * row;
        CursorRow &cursor = layout.cursor[row];
        cursor.axisButton = QRect(2, top - 1, axisButton, 18);
        cursor.scrollBar = QRect(axisButton + 4, top, scrollBar, 16);
        cursor.readout = QRect(cursor.scrollBar.right() + 1 + kGap, top, cursorReadout, 16);
        cursor.keyLabel = QRect(cursor.readout.right() + 1, top, keyLabel, 16);
        layout.switches[row] = QRect(2, 2 + 20 * row, switchWidth - 3, 20);
    }
    return layout;
}
