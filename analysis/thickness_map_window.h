#pragma once
// The thickness map window: the map with its legend and figures, and the
// level and mode the back-wall echo is read with.

#include "wall_map_window.h"
#include "wall_thickness.h"

class QComboBox;
class QSpinBox;

class ThicknessMapWindow : public WallMapWindow {
    Q_OBJECT
public:
    explicit ThicknessMapWindow(QWidget *parent = nullptr);

    // The search as the controls hold it, over the gate given.
    ThicknessSearch search(const MapGate &gate) const;

    QSpinBox *Level;
    QComboBox *Mode;

signals:
    // The level or the mode was changed.
    void searchChanged();
};
