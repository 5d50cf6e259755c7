#pragma once
// Top-level windows that cover the screen as a maximised window does: the
// frame that the window manager adds lies on the screen's available area too,
// so that the foot of the window (its status line) stays in sight. The frame
// is known only once the window manager has framed the shown window, so the
// window is fitted again when its frame appears.

#include <QMargins>
#include <QObject>
#include <Qt>

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

// Puts a window that opens beside the main window just below above (its tool
// bar), at above's left or right end, so that the main window's menu bar and
// tool bar stay in sight; kept on the screen's available area.
void placeBelow(QWidget &window, const QWidget &above, Qt::AlignmentFlag end);

// Keeps a window with word-wrapped texts as high as its layout needs at the
// window's width, whenever a text changes, shows or hides, or the width
// changes: a wrapped text is never cut to half lines.
class HeightForWidthFit : public QObject {
public:
    explicit HeightForWidthFit(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fit();

    QWidget &window_;
};
