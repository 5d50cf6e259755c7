#pragma once
// The margin dialog TForm3: the four page margins in percent.

#include "page_composition.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QSlider;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    TForm3();

    // The margins the sliders take when the dialog opens next, and what they hold.
    void setMargins(const PrintMargins &margins) { margins_ = margins; }
    PrintMargins sliderMargins() const;

    void FormActivate();
    void RxSlider1Change();
    void RxSlider2Change();
    void RxSlider3Change();
    void RxSlider4Change();

    QSlider *RxSlider1;
    QSlider *RxSlider2;
    QSlider *RxSlider3;
    QSlider *RxSlider4;
    QLabel *RxLabel2;
    QLabel *RxLabel4;
    QLabel *RxLabel7;
    QLabel *RxLabel8;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

protected:
    void showEvent(QShowEvent *event) override;

private:
    PrintMargins margins_;
};
