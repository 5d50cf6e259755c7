#pragma once
// A scroll bar that the keyboard moves once it has the focus, as a native one
// does: Right and Down one step towards larger values (deeper, further on),
// Left and Up one step back, Page Down and Page Up by a page, Home and End to
// its ends.

#include <QScrollBar>

class KeyboardScrollBar : public QScrollBar {
    Q_OBJECT
public:
    KeyboardScrollBar(Qt::Orientation orientation, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
