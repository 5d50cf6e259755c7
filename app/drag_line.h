#pragma once
// A thin bar over the A-scan that the mouse can drag: it tells of the press,
// of each move with the mouse position relative to itself, and of the release.

#include <QFrame>

class DragLine : public QFrame {
    Q_OBJECT
public:
    DragLine(QWidget *parent, Qt::Orientation orientation, const QColor &colour);

signals:
    void mouseDown();
    void mouseMoved(QPoint position);
    void mouseUp();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
