#include "key_preview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget *window, std::function<bool(const QKeyEvent &)> handler,
                       std::function<void()> shortcut)
    : QObject(window), window_(window), handler_(std::move(handler)), shortcut_(std::move(shortcut))
{
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview()
{
    qApp->removeEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    const bool keyPress = event->type() == QEvent::KeyPress;
    if ((!keyPress && event->type() != QEvent::ShortcutOverride) || !watched->isWidgetType())
        return false;
    auto *receiver = static_cast<QWidget *>(watched);
    if (receiver->window() != window_)
        return false;
    if (!keyPress) {
        if (shortcut_)
            shortcut_();
        return false;
    }
    const bool passedOn = event == lastEvent_ && lastReceiver_ && receiver == lastReceiver_->parentWidget();
    lastEvent_ = event;
    lastReceiver_ = receiver;
    return !passedOn && handler_(*static_cast<const QKeyEvent *>(event));
}
