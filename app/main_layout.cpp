#include "main_layout.h"

#include "checked.h"

using namespace MainDesign;

MainLayout computeMainLayout(QSize client)
{
    const int cw = client.width();
    const int ch = client.height();
    MainLayout layout;

    const int panel1Height = checkedSub(checkedSub(checkedSub(ch, kCoolBarTop), kCoolBarHeight), kStatusBarHeight);
    const int panel1Left = checkedSub(cw, kPanel1Width);
    layout.panel1 = QRect(panel1Left, kPanel1Top, kPanel1Width, panel1Height);

    const int panel9Top = checkedAdd(checkedSub(checkedSub(ch, kPanel9Height), kStatusBarHeight), 1);
    layout.panel9 = QRect(0, panel9Top, panel1Left, kPanel9Height);

    layout.panel3 = QRect(checkedAdd(panel1Left, 12), kStripTop, kPanel3Width, kPanel3Height);
    layout.panel2 = QRect(panel1Left, kStripTop, kPanel2Width, kPanel3Height);
    layout.panel4 = QRect(checkedSub(cw, 6), kStripTop, kPanel4Width, kPanel3Height);

    const int panel5Height = checkedSub(panel1Height, kPanel9Height);
    layout.panel5 = QRect(1, kCoolBarTop + kCoolBarHeight, checkedSub(panel1Left, 1), panel5Height);
    layout.panel6 = QRect(panel1Left, kPanel6Top, kPanel1Width, kPanel6Height);

    layout.panel8Height = checkedSub(panel5Height, kRulerThickness);
    layout.panel7Width = layout.panel5.width();
    layout.image8Height = checkedSub(panel5Height, 22);
    layout.image7Width = checkedSub(layout.panel5.width(), 2);

    layout.area3dLeft = 0;
    layout.area3dBottom = checkedNarrow<uint16_t>(kPanel9Height);
    layout.area3dWidth = checkedNarrow<uint16_t>(checkedSub(cw, kPanel1Width));
    layout.area3dHeight = checkedNarrow<uint16_t>(
        checkedSub(checkedSub(checkedSub(ch, kCoolBarTop), kCoolBarHeight), kPanel9Height));
    return layout;
}
