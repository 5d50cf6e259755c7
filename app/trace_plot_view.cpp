#include "trace_plot_view.h"

#include <QPainter>

TracePlotView::TracePlotView(QWidget *parent, Qt::WindowFlags flags) : QWidget(parent, flags)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TracePlotView::showPlot(const TracePlot &plot)
{
    plot_ = plot;
    update();
}

void TracePlotView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawTracePlot(painter, rect(), plot_);
}
