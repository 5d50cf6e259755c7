#pragma once
// The main window's commands, one row each: where the command stands in the
// menus and on the tool bar, its key, its tool tip and what it runs. The
// menus, the tool bar, the window's keys and Help ▸ Keys are all made from
// the rows; a new command is a new row.

#include "tool_icons.h"

#include <QKeyCombination>
#include <QString>

#include <vector>

class QAction;
class QMenu;
class TForm1;

// Who sees a command's key.
enum class KeyHandling {
    None,
    // The window, before the focused control, when the shift state is exactly
    // the key's own (Alt); a digit counts only from the main keyboard.
    ExactShift,
    // The window, before the focused control, in any shift state: the F-keys.
    AnyShift,
    // The menu item, as its shortcut: the Ctrl chords and Escape.
    MenuShortcut,
};

// The main menu a command stands in, in the order of the menu bar. MenuBar
// is an item of the menu bar itself.
enum class CommandMenu { NoMenu, File, View, Setup, Readings, MenuBar, Help };

struct MainCommand {
    using Handler = void (*)(TForm1 &);
    using SubmenuFiller = void (*)(TForm1 &, QMenu &);

    const char *id;  // also the object name of the command's menu item
    CommandMenu menu = CommandMenu::NoMenu;
    bool onSliceImage = false;  // also in the slice image's pop-up menu
    bool separated = false;     // a separator before it, unless it heads a menu
    const char *submenu = nullptr;  // the title of the submenu of its menu it stands in
    const char *menuText = nullptr;
    bool checkable = false;
    QAction *TForm1::*menuItem = nullptr;
    QAction *TForm1::*toolButton = nullptr;
    ToolIcon icon = ToolIcon::Open;  // of the tool button
    const char *buttonText = nullptr;
    const char *toolTip = nullptr;  // the key follows in brackets
    KeyHandling keyHandling = KeyHandling::None;
    QKeyCombination key;
    Handler run = nullptr;
    Handler menuRun = nullptr;  // when the menu item runs other than the key and the tool button
    const char *does = nullptr;  // in Help ▸ Keys; the menu text when not given
    // The menu item opens a submenu, whose items this makes afresh each time it opens.
    SubmenuFiller fillSubmenu = nullptr;
};

// As the keyboard names it: "Alt+1", "F5", "Ctrl+Shift+R".
QString keyName(const MainCommand &command);

// The key of the command with that id, as keyName names it.
QString keyOfCommand(const char *id);

// The menu item's text, with the key after a tab where the window handles
// it (a shortcut shows itself).
QString menuTextOf(const MainCommand &command);

// The tool button's tip: its text and the command's key in brackets.
QString toolTipOf(const MainCommand &command);

// What Help ▸ Keys says the command does.
QString descriptionOf(const MainCommand &command);

// Whether the window runs the command for this key.
bool runsOnKey(const MainCommand &command, int key, Qt::KeyboardModifiers shift);
