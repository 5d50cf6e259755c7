#pragma once
// Every key of the program in one table: the main window runs its keys from
// it, its menus show the keys of their commands from it, and the Help
// window lists it together with the keys that other windows and controls
// handle themselves.

#include <QList>
#include <QString>

class QAction;
class TForm1;

struct MainWindowKey {
    enum class Shift { ExactlyAlt, Any };
    int key;  // Qt::Key
    Shift shift;
    bool mainKeyboardOnly;  // a digit of the main keyboard, not of the keypad
    void (TForm1::*handler)();
    const char *does;
};

struct KeyHelp {
    QString place;
    QString keys;
    QString does;
};

// As the keyboard names it: "Alt+1", "F5".
QString keyName(const MainWindowKey &key);

// The main window's key of a command, or an empty text.
QString keyOfCommand(void (TForm1::*handler)());

// Every key of the program, the main window's first, then the chords of the
// menu items among commands, then the keys and mouse actions that other
// windows and controls handle themselves.
QList<KeyHelp> programKeys(const QList<QAction *> &commands);
