#include "pointer_steps.h"

DragSteps::Steps DragSteps::moveTo(QPoint at)
{
    const QPoint motion = at - anchor_;
    const Steps steps{motion.x() / kPixelsPerStep, motion.y() / kPixelsPerStep};
    anchor_ += QPoint(steps.turn, steps.tilt) * kPixelsPerStep;
    return steps;
}

int WheelSteps::turn(int delta)
{
    remainder_ += delta;
    const int steps = remainder_ / kNotch;
    remainder_ -= steps * kNotch;
    return steps;
}
