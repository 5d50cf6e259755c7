#pragma once
// A scroll bar that the keyboard moves once it has the focus: the arrow keys
// by one step, Page Up and Page Down by a page, Home and End to its ends.

#include <QScrollBar>

class KeyboardScrollBar : public QScrollBar {
    Q_OBJECT
public:
    KeyboardScrollBar(Qt::Orientation orientation, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
