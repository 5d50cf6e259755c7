// The main window's keys: the window sees every key before the control that
// has the focus, and the key then goes on to that control.

#include "keys_window.h"
#include "main_window.h"
#include "program_keys.h"

#include <QCheckBox>
#include <QScrollBar>

void TForm1::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    idle_ticks = 0;
    for (const MainCommand &command : commandTable()) {
        if (runsOnKey(command, key, shift)) {
            command.run(*this);
            return;
        }
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

void TForm1::showKeys()
{
    KeysWindow window(this, programKeys());
    dialogs().runModal(window);
}
