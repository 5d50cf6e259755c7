#pragma once
// The About window TForm_10.

#include <QDialog>

class QLabel;
class QPushButton;

class TForm_10 : public QDialog {
    Q_OBJECT
public:
    TForm_10();

    QLabel *Image1;
    QLabel *ProductName;
    QLabel *Comments;
    QLabel *Version;
    QLabel *WebAddress;
    QPushButton *OKButton;
};
