#include "trace_plot_view.h"

#include <QPainter>

TracePlotView::TracePlotView(QWidget *parent, Qt::WindowFlags flags) : QWidget(parent, flags)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TracePlotView::showPlot(const TracePlot &plot)
{
    plot_ = plot;
    note_.clear();
    update();
}

void TracePlotView::showNothing(const QString &note)
{
    plot_ = TracePlot{};
    note_ = note;
    update();
}

void TracePlotView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (showsPlot()) {
        drawTracePlot(painter, rect(), plot_);
        return;
    }
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, note_);
}
