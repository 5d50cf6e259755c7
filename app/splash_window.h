#pragma once
// The splash window TForm4: shown from the program's start until the main
// window first paints.

#include <QImage>
#include <QWidget>

class TForm4 : public QWidget {
    Q_OBJECT
public:
    TForm4();

    // Shows the window centred on the screen and paints it at once.
    void showAndPaint();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage picture_;
};
