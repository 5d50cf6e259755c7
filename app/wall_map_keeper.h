#pragma once
// The thickness map and the comparison of the scan shown with a second scan
// of the same place, each in a window of its own that follows the scan, the
// gate and the shown layers; a click on a cell moves the cursor to its trace.
// The nominal wall is kept in the settings.

#include "report_wall_map.h"
#include "scan_comparison.h"

#include <QObject>

#include <memory>
#include <optional>

class TForm1;
class ThicknessMapWindow;
class WallMapWindow;

class WallMapKeeper : public QObject {
    Q_OBJECT
public:
    explicit WallMapKeeper(TForm1 &window);
    ~WallMapKeeper() override;

    // Commands
    void showThicknessMap();
    void compareWith();
    void editNominalWall();

    // The thickness map the report gives while its window is shown.
    std::optional<ReportThickness> reportThickness() const;

    ThicknessMapWindow *ThicknessWindow;
    WallMapWindow *ComparisonWindow;

private:
    void follow();
    void drawThickness();
    void drawComparison();
    void moveCursorTo(int layer, int slice);
    MapGate gate() const;

    TForm1 &window_;
    std::optional<double> nominalMm_;
    std::optional<ThicknessMap> shownMap_;
    std::unique_ptr<ScanVolume> other_;  // scan B of the comparison
    QString otherPath_;
    std::optional<ScanComparison> shownComparison_;
};
