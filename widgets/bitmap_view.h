#pragma once
// An image control: shows a bitmap that the window owns and writes into,
// either at its own size from the top-left corner or stretched over the
// control, and tells of mouse presses on it.

#include <QImage>
#include <QWidget>

class BitmapView : public QWidget {
    Q_OBJECT
public:
    enum class Fit { OwnSize, Stretch };

    BitmapView(QWidget *parent, const QImage &bitmap, Fit fit);

signals:
    void mousePressed(Qt::MouseButton button, QPoint position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    const QImage &bitmap_;
    Fit fit_;
};
