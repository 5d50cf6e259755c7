// The main window's keys: the window sees every key before the control that
// has the focus, and the key then goes on to that control.

#include "handler_guard.h"
#include "keys_window.h"
#include "main_window.h"
#include "program_keys.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

namespace {

constexpr Qt::KeyboardModifiers kShiftState = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier
                                              | Qt::MetaModifier;

}  // namespace

const std::vector<MainWindowKey> &TForm1::keyTable()
{
    using Shift = MainWindowKey::Shift;
    static const std::vector<MainWindowKey> keys = {
        {Qt::Key_Left, Shift::ExactlyAlt, false, &TForm1::BitBtn1Click, "Turn the 3-D picture left"},
        {Qt::Key_Up, Shift::ExactlyAlt, false, &TForm1::BitBtn3Click, "Turn the 3-D picture up"},
        {Qt::Key_Right, Shift::ExactlyAlt, false, &TForm1::BitBtn2Click, "Turn the 3-D picture right"},
        {Qt::Key_Down, Shift::ExactlyAlt, false, &TForm1::BitBtn4Click, "Turn the 3-D picture down"},
        {Qt::Key_1, Shift::ExactlyAlt, true, &TForm1::toggleSmoothing, "Smoothing of the slice image on or off"},
        {Qt::Key_3, Shift::ExactlyAlt, true, &TForm1::toggleFrames, "Frames of the 3-D picture on or off"},
        {Qt::Key_4, Shift::ExactlyAlt, true, &TForm1::toggleLayout, "The 3-D or the flat layout"},
        {Qt::Key_5, Shift::ExactlyAlt, true, &TForm1::focusSliceBar, "To the slice scroll bar"},
        {Qt::Key_6, Shift::ExactlyAlt, true, &TForm1::focusLayerBar, "To the layer scroll bar"},
        {Qt::Key_7, Shift::ExactlyAlt, true, &TForm1::focusDepthBar, "To the depth scroll bar"},
        {Qt::Key_F2, Shift::Any, false, &TForm1::BitBtn9Click, "Zoom the 3-D picture in"},
        {Qt::Key_F3, Shift::Any, false, &TForm1::BitBtn10Click, "Zoom the 3-D picture out"},
        {Qt::Key_F4, Shift::Any, false, &TForm1::Button3Click, "Renew the 3-D picture"},
        {Qt::Key_F5, Shift::Any, false, &TForm1::RxSpeedButton2Click, "Open a scan file"},
        {Qt::Key_F6, Shift::Any, false, &TForm1::RxSpeedButton3Click, "Print the slice image"},
        {Qt::Key_F7, Shift::Any, false, &TForm1::RxSpeedButton6Click, "Serial port setup"},
        {Qt::Key_F8, Shift::Any, false, &TForm1::ToolButton9Click, "Save data"},
        {Qt::Key_F9, Shift::Any, false, &TForm1::RxSpeedButton4Click, "Receive data from the instrument"},
        {Qt::Key_F10, Shift::Any, false, &TForm1::BitBtn6Click, "Shut the computer down (asks first)"},
        {Qt::Key_F11, Shift::Any, false, &TForm1::SpeedButton1Click, "View the X-Z plane"},
        {Qt::Key_F12, Shift::Any, false, &TForm1::SpeedButton2Click, "View the Y-Z plane"},
    };
    return keys;
}

void TForm1::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    idle_ticks = 0;
    const bool exactlyAlt = (shift & kShiftState) == Qt::AltModifier;
    const bool keypad = shift.testFlag(Qt::KeypadModifier);
    for (const MainWindowKey &binding : keyTable()) {
        if (binding.key != key || (binding.shift == MainWindowKey::Shift::ExactlyAlt && !exactlyAlt)
            || (binding.mainKeyboardOnly && keypad))
            continue;
        (this->*binding.handler)();
        return;
    }
}

void TForm1::toggleSmoothing()
{
    CheckBox4->toggle();
}

void TForm1::toggleFrames()
{
    CheckBox1->toggle();
}

void TForm1::toggleLayout()
{
    CheckBox7->toggle();
}

void TForm1::focusSliceBar()
{
    focusIfEnabled(ScrollBar2);
}

void TForm1::focusLayerBar()
{
    focusIfEnabled(ScrollBar3);
}

void TForm1::focusDepthBar()
{
    focusIfEnabled(ScrollBar1);
}

void TForm1::focusIfEnabled(QWidget *control)
{
    if (control->isEnabled())
        control->setFocus(Qt::ShortcutFocusReason);
}

void TForm1::Keys1Click()
{
    QList<QAction *> commands = PopupMenu1->actions();
    for (const QAction *menu : MainMenu1->actions())
        if (menu->menu())
            commands += menu->menu()->actions();
    KeysWindow window(this, programKeys(commands));
    dialogs().runModal(window);
}
