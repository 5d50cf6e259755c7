#pragma once
// The receive window TForm5: takes a scan from the instrument.

#include <QDialog>

class TForm5 : public QDialog {
    Q_OBJECT
public:
    TForm5();
};
