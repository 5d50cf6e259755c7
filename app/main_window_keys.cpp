// The main window's keys: the window sees every key before the control that
// has the focus, and the key then goes on to that control.

#include "handler_guard.h"
#include "main_window.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QScrollBar>

namespace {

constexpr Qt::KeyboardModifiers kShiftState = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier
                                              | Qt::MetaModifier;

}  // namespace

void TForm1::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    idle_ticks = 0;
    if ((shift & kShiftState) == Qt::AltModifier)
        altKey(key, shift.testFlag(Qt::KeypadModifier));
    functionKey(key);
}

void TForm1::altKey(int key, bool keypad)
{
    switch (key) {
    case Qt::Key_Left:
        BitBtn1Click();
        return;
    case Qt::Key_Up:
        BitBtn3Click();
        return;
    case Qt::Key_Right:
        BitBtn2Click();
        return;
    case Qt::Key_Down:
        BitBtn4Click();
        return;
    default:
        break;
    }
    if (keypad)
        return;
    switch (key) {
    case Qt::Key_1:
        CheckBox4->toggle();
        break;
    case Qt::Key_3:
        CheckBox1->toggle();
        break;
    case Qt::Key_4:
        CheckBox7->toggle();
        break;
    case Qt::Key_5:
        focusIfEnabled(ScrollBar2);
        break;
    case Qt::Key_6:
        focusIfEnabled(ScrollBar3);
        break;
    case Qt::Key_7:
        focusIfEnabled(ScrollBar1);
        break;
    default:
        break;
    }
}

void TForm1::focusIfEnabled(QWidget *control)
{
    if (control->isEnabled())
        control->setFocus(Qt::ShortcutFocusReason);
}

void TForm1::functionKey(int key)
{
    switch (key) {
    case Qt::Key_F2:
        BitBtn9Click();
        break;
    case Qt::Key_F3:
        BitBtn10Click();
        break;
    case Qt::Key_F4:
        Button3Click();
        break;
    case Qt::Key_F5:
        RxSpeedButton2Click();
        break;
    case Qt::Key_F6:
        RxSpeedButton3Click();
        break;
    case Qt::Key_F7:
        RxSpeedButton6Click();
        break;
    case Qt::Key_F8:
        ToolButton9Click();
        break;
    case Qt::Key_F9:
        RxSpeedButton4Click();
        break;
    case Qt::Key_F10:
        BitBtn6Click();
        break;
    case Qt::Key_F11:
        SpeedButton1Click();
        break;
    case Qt::Key_F12:
        SpeedButton2Click();
        break;
    default:
        break;
    }
}
