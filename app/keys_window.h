#pragma once
// The Help window that lists every key of the program.

#include "program_keys.h"

#include <QDialog>

class QTableWidget;

class KeysWindow : public QDialog {
    Q_OBJECT
public:
    KeysWindow(QWidget *parent, const QList<KeyHelp> &keys);

    QTableWidget *Table;
};
