#pragma once
// The area of the host window that shows the 3-D picture. It lies beneath the
// host's own controls and lets every mouse event through to the host.

#include "frame_renderer.h"
#include "scene.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

class ViewportWidget : public QWidget {
    Q_OBJECT
public:
    ViewportWidget(QWidget *host, const Scene &scene);

    // Left edge and offset of the bottom edge upward from the host's bottom edge.
    void setOrigin(int left, int bottom);
    void setAreaSize(int width, int height);
    // The scene changed: draw it again, at most once a screen refresh.
    void sceneChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyPlacement();
    int refreshMilliseconds() const;

    const Scene &scene_;
    FrameRenderer renderer_;
    QImage picture_;
    QElapsedTimer sinceLastFrame_;
    QTimer nextFrame_;
    bool pictureStale_ = true;
    int left_ = 0;
    int bottom_ = 0;
    int width_ = 0;
    int height_ = 0;
};
