#pragma once
// The print preview's keys, one row each. The window sees them before the
// control that has the focus, whatever the state of Shift, Ctrl and Alt.

#include <QString>
#include <Qt>

class TForm2;

struct PreviewKey {
    int key;  // Qt::Key; a digit counts only from the main keyboard
    // The key's place on the keyboard, for the key that Shift makes type
    // another character; 0 when the key is known by its name alone.
    quint32 scanCode;
    void (TForm2::*handler)();
    const char *does;  // in Help ▸ Keys
};

// As the keyboard names it: "F2", "1".
QString keyName(const PreviewKey &key);

bool runsOnKey(const PreviewKey &row, int key, Qt::KeyboardModifiers modifiers, quint32 scanCode);
