#pragma once
// Shows the trace plot of the cursor's trace, in the control panel or as a
// window of its own.

#include "trace_plot.h"

#include <QWidget>

class TracePlotView : public QWidget {
    Q_OBJECT
public:
    explicit TracePlotView(QWidget *parent, Qt::WindowFlags flags = {});

    void showPlot(const TracePlot &plot);
    const TracePlot &plot() const { return plot_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TracePlot plot_;
};
