#pragma once
// A window's key preview: the window sees every key pressed in it before the
// control that has the focus. A key that control ignores comes again to each
// of its parents; the window sees it once.

#include <QObject>
#include <QPointer>

#include <functional>

class QKeyEvent;
class QWidget;

class KeyPreview : public QObject {
public:
    // handler returns true when the key is used up and goes to no control.
    // shortcut, when given, is told of a key that a shortcut may take before
    // the window or a control sees it.
    KeyPreview(QWidget *window, std::function<bool(const QKeyEvent &)> handler,
               std::function<void()> shortcut = {});
    ~KeyPreview() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window_;
    std::function<bool(const QKeyEvent &)> handler_;
    std::function<void()> shortcut_;
    const QEvent *lastEvent_ = nullptr;
    QPointer<QWidget> lastReceiver_;
};
