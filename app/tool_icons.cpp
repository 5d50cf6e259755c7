#include "tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 24;
const QColor kInk(40, 50, 70);

void drawOpen(QPainter &p)
{
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(3, 8, 16, 11);
    p.setBrush(QColor(250, 220, 120));
    QPolygon flap;
    flap << QPoint(5, 11) << QPoint(22, 11) << QPoint(19, 19) << QPoint(3, 19);
    p.drawPolygon(flap);
    p.drawLine(3, 8, 8, 5);
    p.drawLine(8, 5, 12, 8);
}

void drawSave(QPainter &p)
{
    p.setBrush(QColor(70, 110, 190));
    p.drawRoundedRect(4, 4, 16, 16, 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(7, 4, 10, 6);
    p.setBrush(QColor(220, 225, 235));
    p.drawRect(7, 13, 10, 7);
}

void drawPrint(QPainter &p)
{
    p.setBrush(Qt::white);
    p.drawRect(7, 3, 10, 7);
    p.setBrush(QColor(150, 155, 165));
    p.drawRoundedRect(3, 9, 18, 8, 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(7, 14, 10, 7);
}

void drawSetup(QPainter &p)
{
    p.setBrush(QColor(150, 150, 160));
    for (int spoke = 0; spoke < 8; ++spoke) {
        p.save();
        p.translate(12, 12);
        p.rotate(spoke * 45);
        p.drawRect(-2, -10, 4, 5);
        p.restore();
    }
    p.drawEllipse(QPoint(12, 12), 7, 7);
    p.setBrush(Qt::white);
    p.drawEllipse(QPoint(12, 12), 3, 3);
}

void drawReceive(QPainter &p)
{
    p.setBrush(QColor(60, 140, 80));
    QPolygon arrow;
    arrow << QPoint(9, 3) << QPoint(15, 3) << QPoint(15, 11) << QPoint(19, 11) << QPoint(12, 18) << QPoint(5, 11)
          << QPoint(9, 11);
    p.drawPolygon(arrow);
    p.setBrush(QColor(90, 90, 100));
    p.drawRect(3, 19, 18, 3);
}

void drawRenew(QPainter &p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 120, 200), 2.5));
    p.drawArc(QRect(4, 4, 16, 16), 30 * 16, 280 * 16);
    p.setBrush(QColor(40, 120, 200));
    p.setPen(Qt::NoPen);
    QPolygon head;
    head << QPoint(17, 2) << QPoint(22, 8) << QPoint(15, 9);
    p.drawPolygon(head);
}

void drawExit(QPainter &p)
{
    p.setBrush(QColor(170, 120, 80));
    p.drawRect(5, 3, 11, 18);
    p.setBrush(QColor(200, 60, 50));
    QPolygon arrow;
    arrow << QPoint(12, 10) << QPoint(17, 10) << QPoint(17, 7) << QPoint(22, 12) << QPoint(17, 17) << QPoint(17, 14)
          << QPoint(12, 14);
    p.drawPolygon(arrow);
}

}  // namespace

QIcon toolIcon(ToolIcon which)
{
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kInk, 1));
    switch (which) {
    case ToolIcon::Open:
        drawOpen(painter);
        break;
    case ToolIcon::Save:
        drawSave(painter);
        break;
    case ToolIcon::Print:
        drawPrint(painter);
        break;
    case ToolIcon::Setup:
        drawSetup(painter);
        break;
    case ToolIcon::Receive:
        drawReceive(painter);
        break;
    case ToolIcon::Renew:
        drawRenew(painter);
        break;
    case ToolIcon::Exit:
        drawExit(painter);
        break;
    }
    painter.end();
    return QIcon(picture);
}
