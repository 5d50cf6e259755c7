#pragma once
// The layout of the main window's panels for a given client size: the control
// panel and the overview strips keep to the right edge, the bottom panel spans
// the width left of the control panel, and the slice view and the 3-D picture
// fill the rest.

#include <QRect>
#include <QSize>

#include <cstdint>

// Sizes fixed at design time.
namespace MainDesign {
constexpr int kCoolBarTop = 0;
constexpr int kCoolBarHeight = 33;
constexpr int kStatusBarHeight = 25;
constexpr int kPanel1Width = 216;
constexpr int kPanel1Top = 144;
constexpr int kPanel2Width = 12;
constexpr int kPanel3Width = 200;
constexpr int kPanel3Height = 100;
constexpr int kPanel4Width = 6;
constexpr int kStripTop = 31;
constexpr int kPanel6Top = 131;
constexpr int kPanel6Height = 13;
constexpr int kPanel9Height = 68;
constexpr int kRulerThickness = 20;  // Panel8 width and Panel7 height
constexpr int kImage6Height = 10;
constexpr int kImage1Height = 100;
constexpr QSize kClientSize{796, 648};
}  // namespace MainDesign

struct MainLayout {
    QRect panel1;
    QRect panel2;
    QRect panel3;
    QRect panel4;
    QRect panel5;
    QRect panel6;
    QRect panel9;
    int panel8Height = 0;
    int panel7Width = 0;
    int image8Height = 0;
    int image7Width = 0;
    // The drawing area of the 3-D library: left, bottom offset, width, height.
    uint16_t area3dLeft = 0;
    uint16_t area3dBottom = 0;
    uint16_t area3dWidth = 0;
    uint16_t area3dHeight = 0;
};

// Raises a range error when a value for the 3-D library does not fit 16 bits.
MainLayout computeMainLayout(QSize client);
