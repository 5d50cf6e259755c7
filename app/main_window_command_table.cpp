// Every command of the main window, one row each, in the order of their
// menus; the slice image's own items first, so that its pop-up menu lists
// them before those it shares with the main menu.

#include "command_table.h"
#include "finding_readout.h"
#include "indication_keeper.h"
#include "main_window.h"
#include "slice_palette_choice.h"
#include "wall_map_keeper.h"

namespace {

template <void (TForm1::*handler)()>
void windowRuns(TForm1 &window)
{
    (window.*handler)();
}

template <void (TForm1::*filler)(QMenu &)>
void windowFills(TForm1 &window, QMenu &menu)
{
    (window.*filler)(menu);
}

template <void (FindingReadout::*handler)()>
void readoutRuns(TForm1 &window)
{
    (window.Readout->*handler)();
}

template <void (SlicePaletteChoice::*handler)()>
void paletteRuns(TForm1 &window)
{
    (window.Palettes->*handler)();
}

template <void (IndicationKeeper::*handler)()>
void keeperRuns(TForm1 &window)
{
    (window.Indications->*handler)();
}

template <void (WallMapKeeper::*handler)()>
void wallMapsRun(TForm1 &window)
{
    (window.WallMaps->*handler)();
}

}  // namespace

const std::vector<MainCommand> &TForm1::commandTable()
{
    using enum CommandMenu;
    using enum KeyHandling;
    static const std::vector<MainCommand> commands = {
        {.id = "copy-image", .onSliceImage = true, .menuText = "&Copy image", .menuItem = &TForm1::Copy1,
         .run = windowRuns<&TForm1::Copy1Click>},
        {.id = "copy-data", .onSliceImage = true, .menuText = "Copy &data", .menuItem = &TForm1::Copydata1,
         .run = windowRuns<&TForm1::Copydata1Click>},
        {.id = "print", .onSliceImage = true, .menuText = "&Print image", .toolButton = &TForm1::ToolButton2,
         .icon = ToolIcon::Print, .buttonText = "Print", .toolTip = "Print data", .keyHandling = AnyShift,
         .key = Qt::Key_F6, .run = windowRuns<&TForm1::RxSpeedButton3Click>, .does = "Print the slice image"},

        {.id = "new", .menu = File, .menuText = "&New", .menuItem = &TForm1::N1, .run = windowRuns<&TForm1::N1Click>},
        {.id = "receive-data", .menu = File, .menuText = "R&eceive data", .toolButton = &TForm1::ToolButton4,
         .icon = ToolIcon::Receive, .buttonText = "Receive", .toolTip = "Receive data", .keyHandling = AnyShift,
         .key = Qt::Key_F9, .run = windowRuns<&TForm1::RxSpeedButton4Click>,
         .does = "Receive data from the instrument"},
        {.id = "open-file", .menu = File, .menuText = "&Open file", .menuItem = &TForm1::Open1,
         .toolButton = &TForm1::ToolButton1, .icon = ToolIcon::Open, .buttonText = "Open", .toolTip = "Open file",
         .keyHandling = AnyShift, .key = Qt::Key_F5, .run = windowRuns<&TForm1::RxSpeedButton2Click>,
         .menuRun = windowRuns<&TForm1::Open1Click>, .does = "Open a scan file"},
        {.id = "open-recent", .menu = File, .menuText = "Open rece&nt",
         .fillSubmenu = windowFills<&TForm1::fillRecentMenu>},
        {.id = "browse-scans", .menu = File, .menuText = "&Browse scans…", .keyHandling = MenuShortcut,
         .key = Qt::CTRL | Qt::Key_B, .run = windowRuns<&TForm1::browseScans>},
        {.id = "save-data", .menu = File, .menuText = "Save d&ata", .menuItem = &TForm1::Saveas1,
         .toolButton = &TForm1::ToolButton9, .icon = ToolIcon::Save, .buttonText = "Save", .toolTip = "Save data",
         .keyHandling = AnyShift, .key = Qt::Key_F8, .run = windowRuns<&TForm1::ToolButton9Click>,
         .does = "Save data"},
        {.id = "report", .menu = File, .menuText = "&Report…", .keyHandling = MenuShortcut,
         .key = Qt::CTRL | Qt::Key_I, .run = windowRuns<&TForm1::writeReport>},
        {.id = "inspection-record", .menu = File, .menuText = "Inspection re&cord…",
         .run = keeperRuns<&IndicationKeeper::editRecord>},
        {.id = "compare-with", .menu = File, .menuText = "Co&mpare with…",
         .run = wallMapsRun<&WallMapKeeper::compareWith>},
        {.id = "exit", .menu = File, .separated = true, .menuText = "E&xit", .menuItem = &TForm1::Exit1,
         .toolButton = &TForm1::ToolButton8, .icon = ToolIcon::Exit, .buttonText = "Exit", .toolTip = "Exit",
         .keyHandling = MenuShortcut, .key = Qt::CTRL | Qt::Key_Q, .run = windowRuns<&TForm1::Exit1Click>},

        {.id = "gate-maximum", .menu = View, .onSliceImage = true, .menuText = "&Gate maximum", .checkable = true,
         .menuItem = &TForm1::GateMaximumItem, .keyHandling = MenuShortcut, .key = Qt::CTRL | Qt::Key_G,
         .run = windowRuns<&TForm1::toggleGateMaximum>},
        {.id = "tcg", .menu = View, .menuText = "&TCG", .checkable = true,
         .run = readoutRuns<&FindingReadout::toggleTimeCorrectedGain>},
        {.id = "palette-grey", .menu = View, .submenu = "&Palette", .menuText = "&Grey", .checkable = true,
         .run = paletteRuns<&SlicePaletteChoice::chooseGrey>},
        {.id = "palette-amplitude", .menu = View, .submenu = "&Palette", .menuText = "&Amplitude", .checkable = true,
         .run = paletteRuns<&SlicePaletteChoice::chooseAmplitude>},
        {.id = "palette-hot", .menu = View, .submenu = "&Palette", .menuText = "&Hot", .checkable = true,
         .run = paletteRuns<&SlicePaletteChoice::chooseHot>},
        {.id = "thickness-map", .menu = View, .menuText = "&Thickness map", .keyHandling = MenuShortcut,
         .key = Qt::CTRL | Qt::Key_M, .run = wallMapsRun<&WallMapKeeper::showThicknessMap>},

        {.id = "ir-setup", .menu = Setup, .menuText = "IR setup", .menuItem = &TForm1::Option1,
         .toolButton = &TForm1::ToolButton3, .icon = ToolIcon::Setup, .buttonText = "Setup", .toolTip = "Setup",
         .keyHandling = AnyShift, .key = Qt::Key_F7, .run = windowRuns<&TForm1::RxSpeedButton6Click>,
         .menuRun = windowRuns<&TForm1::Option1Click>, .does = "Serial port setup"},
        {.id = "probe-geometry", .menu = Setup, .menuText = "Probe geometry…",
         .run = readoutRuns<&FindingReadout::editProbeGeometry>},
        {.id = "evaluation-levels", .menu = Setup, .menuText = "&Evaluation levels…",
         .run = readoutRuns<&FindingReadout::editEvaluationLevels>},
        {.id = "nominal-wall", .menu = Setup, .menuText = "Nominal wall…",
         .run = wallMapsRun<&WallMapKeeper::editNominalWall>},

        {.id = "set-reference", .menu = Readings, .onSliceImage = true, .separated = true,
         .menuText = "Set &reference", .keyHandling = MenuShortcut, .key = Qt::CTRL | Qt::Key_R,
         .run = readoutRuns<&FindingReadout::setReference>},
        {.id = "clear-reference", .menu = Readings, .onSliceImage = true, .menuText = "C&lear reference",
         .keyHandling = MenuShortcut, .key = Qt::CTRL | Qt::SHIFT | Qt::Key_R,
         .run = readoutRuns<&FindingReadout::clearReference>},
        {.id = "clear-measure-point", .menu = Readings, .onSliceImage = true, .menuText = "Clear &measure point",
         .keyHandling = MenuShortcut, .key = Qt::Key_Escape, .run = readoutRuns<&FindingReadout::clearMeasurePoint>},
        {.id = "add-dac-point", .menu = Readings, .separated = true, .submenu = "&DAC",
         .menuText = "&Add point at gate peak", .run = readoutRuns<&FindingReadout::addDacPoint>},
        {.id = "remove-dac-point", .menu = Readings, .submenu = "&DAC", .menuText = "&Remove last point",
         .run = readoutRuns<&FindingReadout::removeLastDacPoint>},
        {.id = "clear-dac", .menu = Readings, .submenu = "&DAC", .menuText = "&Clear DAC",
         .run = readoutRuns<&FindingReadout::clearDac>},
        {.id = "edit-dac-points", .menu = Readings, .submenu = "&DAC", .menuText = "&Edit points…",
         .run = readoutRuns<&FindingReadout::editDacPoints>},
        {.id = "indications", .menu = Readings, .separated = true, .menuText = "&Indications…",
         .keyHandling = MenuShortcut, .key = Qt::CTRL | Qt::Key_L, .run = keeperRuns<&IndicationKeeper::showTable>},
        {.id = "trace-plot", .menu = Readings, .separated = true, .menuText = "&Trace plot window",
         .keyHandling = MenuShortcut, .key = Qt::CTRL | Qt::Key_T, .run = readoutRuns<&FindingReadout::showPlotWindow>},

        {.id = "about", .menu = MenuBar, .menuText = "About", .menuItem = &TForm1::About1,
         .run = windowRuns<&TForm1::About1Click>},
        {.id = "keys", .menu = Help, .menuText = "&Keys", .run = windowRuns<&TForm1::showKeys>},

        // the keys without a menu item or a tool button
        {.id = "renew", .toolButton = &TForm1::ToolButton6, .icon = ToolIcon::Renew, .buttonText = "Renew",
         .toolTip = "Renew image", .keyHandling = AnyShift, .key = Qt::Key_F4, .run = windowRuns<&TForm1::Button3Click>,
         .does = "Renew the 3-D picture"},
        {.id = "zoom-in", .keyHandling = AnyShift, .key = Qt::Key_F2, .run = windowRuns<&TForm1::BitBtn9Click>,
         .does = "Zoom the 3-D picture in"},
        {.id = "zoom-out", .keyHandling = AnyShift, .key = Qt::Key_F3, .run = windowRuns<&TForm1::BitBtn10Click>,
         .does = "Zoom the 3-D picture out"},
        {.id = "shutdown", .keyHandling = AnyShift, .key = Qt::Key_F10, .run = windowRuns<&TForm1::BitBtn6Click>,
         .does = "Shut the computer down (asks first)"},
        {.id = "view-x-z", .keyHandling = AnyShift, .key = Qt::Key_F11, .run = windowRuns<&TForm1::SpeedButton1Click>,
         .does = "View the X-Z plane"},
        {.id = "view-y-z", .keyHandling = AnyShift, .key = Qt::Key_F12, .run = windowRuns<&TForm1::SpeedButton2Click>,
         .does = "View the Y-Z plane"},
        {.id = "turn-left", .keyHandling = ExactShift, .key = Qt::ALT | Qt::Key_Left,
         .run = windowRuns<&TForm1::BitBtn1Click>, .does = "Turn the 3-D picture left"},
        {.id = "turn-up", .keyHandling = ExactShift, .key = Qt::ALT | Qt::Key_Up,
         .run = windowRuns<&TForm1::BitBtn3Click>, .does = "Turn the 3-D picture up"},
        {.id = "turn-right", .keyHandling = ExactShift, .key = Qt::ALT | Qt::Key_Right,
         .run = windowRuns<&TForm1::BitBtn2Click>, .does = "Turn the 3-D picture right"},
        {.id = "turn-down", .keyHandling = ExactShift, .key = Qt::ALT | Qt::Key_Down,
         .run = windowRuns<&TForm1::BitBtn4Click>, .does = "Turn the 3-D picture down"},
        {.id = "smoothing", .keyHandling = ExactShift, .key = Qt::ALT | Qt::Key_1,
         .run = windowRuns<&TForm1::toggleSmoothing>, .does = "Smoothing of the slice image on or off"},
        {.id = "frames", .keyHandling = ExactShift, .key = Qt::ALT | Qt::Key_3,
         .run = windowRuns<&TForm1::toggleFrames>, .does = "Frames of the 3-D picture on or off"},
        {.id = "layout", .keyHandling = ExactShift, .key = Qt::ALT | Qt::Key_4,
         .run = windowRuns<&TForm1::toggleLayout>, .does = "The 3-D or the flat layout"},
        {.id = "to-slice-bar", .keyHandling = ExactShift, .key = Qt::ALT | Qt::Key_5,
         .run = windowRuns<&TForm1::focusSliceBar>, .does = "To the slice scroll bar"},
        {.id = "to-layer-bar", .keyHandling = ExactShift, .key = Qt::ALT | Qt::Key_6,
         .run = windowRuns<&TForm1::focusLayerBar>, .does = "To the layer scroll bar"},
        {.id = "to-depth-bar", .keyHandling = ExactShift, .key = Qt::ALT | Qt::Key_7,
         .run = windowRuns<&TForm1::focusDepthBar>, .does = "To the depth scroll bar"},
    };
    return commands;
}
