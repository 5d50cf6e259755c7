#pragma once
// The Help window that lists every key of the program.

#include <QDialog>

class QTableWidget;

class KeysWindow : public QDialog {
    Q_OBJECT
public:
    explicit KeysWindow(QWidget *parent);

    QTableWidget *Table;
};
