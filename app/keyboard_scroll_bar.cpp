#include "keyboard_scroll_bar.h"

#include <QKeyEvent>

KeyboardScrollBar::KeyboardScrollBar(Qt::Orientation orientation, QWidget *parent) : QScrollBar(orientation, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void KeyboardScrollBar::keyPressEvent(QKeyEvent *event)
{
    // keys with Alt or Ctrl are the window's
    if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        triggerAction(SliderSingleStepSub);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        triggerAction(SliderSingleStepAdd);
        break;
    case Qt::Key_PageUp:
        triggerAction(SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        triggerAction(SliderPageStepAdd);
        break;
    case Qt::Key_Home:
        triggerAction(SliderToMinimum);
        break;
    case Qt::Key_End:
        triggerAction(SliderToMaximum);
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    event->accept();
}
