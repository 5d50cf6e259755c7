#pragma once
// Top-level windows that cover the screen as a maximised window does: the
// frame that the window manager adds lies on the screen's available area too,
// so that the foot of the window (its status line) stays in sight. The frame
// is known only once the window manager has framed the shown window, so the
// window is fitted again when its frame appears.

#include <QMargins>
#include <QObject>

#include <optional>

class QTimer;
class QWidget;

class AvailableAreaFit : public QObject {
public:
    // fixedSize: the window cannot be resized by the user at the fitted size.
    AvailableAreaFit(QWidget &window, bool fixedSize);

    // Fits the window now, with the frame known so far (none before it is shown).
    void fit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &window_;
    bool fixedSize_;
    std::optional<QMargins> fittedFrame_;
    QTimer *framePoll_;
    int polls_ = 0;
};
