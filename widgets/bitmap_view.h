#pragma once
// An image control: shows a bitmap that the window owns and writes into,
// either at its own size from the top-left corner or stretched over the
// control, and tells of mouse presses on it. An overlay may be painted over
// the bitmap on screen; the bitmap itself is never drawn into.

#include <QImage>
#include <QWidget>

#include <functional>
#include <vector>

class BitmapView : public QWidget {
    Q_OBJECT
public:
    enum class Fit { OwnSize, Stretch };

    BitmapView(QWidget *parent, const QImage &bitmap, Fit fit);

    using Overlay = std::function<void(QPainter &)>;
    // Overlays are painted in the order they were added.
    void addOverlay(Overlay overlay);

    // The bitmap drawn afresh with ratio times its pixels each way, for a
    // screen with more device pixels than logical ones.
    using SharpPicture = std::function<QImage(qreal ratio)>;
    // Where given, a bitmap shown at its own size is drawn at the device
    // pixels instead of scaled up.
    void setSharpPicture(SharpPicture picture);

signals:
    void mousePressed(Qt::MouseButton button, QPoint position, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    const QImage &bitmap_;
    Fit fit_;
    std::vector<Overlay> overlays_;
    SharpPicture sharpPicture_;
};
