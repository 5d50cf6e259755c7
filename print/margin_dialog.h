#pragma once
// The margin dialog TForm3: the four page margins in percent.

#include <QDialog>

class TForm3 : public QDialog {
    Q_OBJECT
public:
    TForm3();
};
