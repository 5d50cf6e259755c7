#pragma once
// Every key of the program for the Help window: the main window's and the
// print preview's from their command tables, with the keys and mouse
// actions that controls handle themselves.

#include <QList>
#include <QString>

struct KeyHelp {
    QString place;
    QString keys;
    QString does;
};

// The main window's keys first, then the chords of its menus, then the
// mouse, the scroll bars and the print preview.
QList<KeyHelp> programKeys();
