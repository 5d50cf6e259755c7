#pragma once
// A window that shows a map of the scan (the thickness map, the comparison of
// two scans) with its legend and figures. The pointer over a cell reads its
// trace below the map; a click on a cell chooses its trace, and the window's
// owner moves the cursor there.

#include "trace_map.h"

#include <QImage>
#include <QWidget>

#include <functional>

class QBoxLayout;
class QLabel;

class WallMapWindow : public QWidget {
    Q_OBJECT
public:
    explicit WallMapWindow(QWidget *parent = nullptr);

    // What reading a trace under the pointer says; empty off the map.
    using TraceReading = std::function<QString(TraceAt)>;
    void showMap(const QImage &picture, const QStringList &figures, TraceReading reading);

    QLabel *Picture;
    QLabel *Figures;
    QLabel *Reading;

signals:
    void traceChosen(int layer, int slice);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Where the controls of a kind of map stand, above the picture.
    QBoxLayout *controlsRow() const { return controls_; }

private:
    std::optional<TraceAt> traceUnder(QPoint pixel) const;

    QBoxLayout *controls_;
    QSize pictureSize_;
    TraceReading reading_;
};
