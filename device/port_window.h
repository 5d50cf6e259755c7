#pragma once
// The port window TForm6: the serial port and the infrared adapter.

#include <QDialog>

class TForm6 : public QDialog {
    Q_OBJECT
public:
    TForm6();
};
