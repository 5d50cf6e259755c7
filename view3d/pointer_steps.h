#pragma once
// The mouse on the 3-D picture as steps of the turn buttons and the zoom keys.

#include <QPoint>

// A drag: every kPixelsPerStep pixels of motion is one 3-degree step, across
// for the turn and down for the tilt. The motion left over counts toward the
// next step.
class DragSteps {
public:
    static constexpr int kPixelsPerStep = 6;

    struct Steps {
        int turn;  // + to the right
        int tilt;  // + downward
    };

    void start(QPoint at) { anchor_ = at; }
    Steps moveTo(QPoint at);

private:
    QPoint anchor_;
};

// The wheel: one zoom step a notch (120 eighths of a degree), with fine
// wheels' parts of a notch added up.
class WheelSteps {
public:
    static constexpr int kNotch = 120;

    // Steps for a wheel turn of delta; + away from the user, which enlarges.
    int turn(int delta);

private:
    int remainder_ = 0;
};
