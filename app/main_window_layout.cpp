// The layout of the main window when its size changes.

#include "main_layout.h"
#include "bitmap_view.h"
#include "main_window.h"

#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

// The menu bar above, the client area with the tool bar at its top and the
// status bar at its foot below it.
void TForm1::placeClientArea()
{
    const int menuHeight = MainMenu1->sizeHint().height();
    MainMenu1->setGeometry(0, 0, width(), menuHeight);
    ClientArea->setGeometry(0, menuHeight, width(), std::max(0, height() - menuHeight));
    CoolBar1->setGeometry(0, MainDesign::kCoolBarTop, ClientArea->width(), MainDesign::kCoolBarHeight);
    StatusBar1->setGeometry(0, ClientArea->height() - MainDesign::kStatusBarHeight, ClientArea->width(),
                            MainDesign::kStatusBarHeight);
    StatusBar1->raise();
}

void TForm1::FormResize()
{
    const MainLayout layout = computeMainLayout(ClientArea->size());
    Panel1->setGeometry(layout.panel1);
    Panel9->setGeometry(layout.panel9);
    placeBottomPanel();
    Panel3->setGeometry(layout.panel3);
    Panel2->setGeometry(layout.panel2);
    Panel4->setGeometry(layout.panel4);
    Panel5->setGeometry(layout.panel5);
    Panel6->setGeometry(layout.panel6);
    Panel8->setGeometry(0, 0, MainDesign::kRulerThickness, layout.panel8Height);
    Panel7->setGeometry(0, layout.panel8Height, layout.panel7Width, MainDesign::kRulerThickness);
    Image8->resize(MainDesign::kRulerThickness, layout.image8Height);
    Image7->resize(layout.image7Width, MainDesign::kRulerThickness);
    Image3->setGeometry(MainDesign::kRulerThickness, 0, layout.panel5.width() - MainDesign::kRulerThickness,
                        layout.panel8Height);
    d3d_.d3dzero_(layout.area3dLeft, layout.area3dBottom);
    d3d_.d3dsize_(layout.area3dWidth, layout.area3dHeight);
}
