#pragma once
// The print preview window TForm2: composes the printed page and shows it.

#include <QDialog>

class TForm2 : public QDialog {
    Q_OBJECT
public:
    TForm2();
};
