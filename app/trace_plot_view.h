#pragma once
// Shows the trace plot of the cursor's trace, in the control panel or as a
// window of its own; with no scan shown, no plot and no readings.

#include "trace_plot.h"

#include <QWidget>

class TracePlotView : public QWidget {
    Q_OBJECT
public:
    explicit TracePlotView(QWidget *parent, Qt::WindowFlags flags = {});

    void showPlot(const TracePlot &plot);
    // An empty area that says so in place of a plot.
    void showNothing(const QString &note);
    const TracePlot &plot() const { return plot_; }
    bool showsPlot() const { return note_.isEmpty(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TracePlot plot_;
    QString note_;
};
